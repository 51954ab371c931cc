#!/usr/bin/env bash
# Installs the Debian packages the game, its build and its tests need, when missing.
set -euo pipefail

packages=(
  cmake ninja-build g++ pkg-config
  qt6-base-dev qt6-base-dev-tools libgl-dev libxcb1-dev qt6-wayland
  qt6-l10n-tools qt6-tools-dev qt6-translations-l10n
  libopenal-dev libopenal1 libpulse-dev libpipewire-0.3-dev libsndfile1-dev libmpg123-dev libflac-dev libvorbis-dev libopusfile-dev
  libespeak-ng-dev espeak-ng libspeechd-dev speech-dispatcher speech-dispatcher-espeak-ng
  libgtest-dev libgmock-dev libbenchmark-dev
  xvfb xauth xdotool x11-utils imagemagick sox
  sway wtype grim util-linux
  pulseaudio pulseaudio-utils pipewire pipewire-pulse wireplumber
  desktop-file-utils appstream
  dpkg-dev debhelper lintian man-db
  clang libclang-rt-14-dev
  dbus dbus-x11 at-spi2-core python3 python3-pyatspi
  orca openbox dconf-gsettings-backend
  locales
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done

sudo=""
if [ "$(id -u)" -ne 0 ]; then sudo="sudo"; fi

if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  $sudo apt-get update -q
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -q --no-install-recommends "${missing[@]}"
fi

# A decimal-comma locale, so the tests can prove files are written with a period.
if ! locale -a 2>/dev/null | grep -qi '^de_DE\.utf-\?8$'; then
  $sudo sed -i 's/^# *de_DE.UTF-8 UTF-8/de_DE.UTF-8 UTF-8/' /etc/locale.gen
  $sudo locale-gen >/dev/null
fi
