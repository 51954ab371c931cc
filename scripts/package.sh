#!/usr/bin/env bash
# Makes the Debian source package (.dsc) and the binary package (.deb) with
# dpkg-buildpackage from a copy of the source tree; prints the .deb's path last.
#   (default)    build from source, as Debian's build machines do
#   --built DIR  package the tree already built in DIR (no set-up, no compile):
#                the test suite's way of testing its own build
#   --chroot     build in a fresh Debian 12 build chroot made with mmdebstrap,
#                holding only the Build-Depends (slow: downloads them)
#   --out DIR    where the packages and the build log go (default build-package/)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
built="" out="" chroot=""
while [ $# -gt 0 ]; do
  case $1 in
    --built) built=$2; shift 2 ;;
    --out) out=$2; shift 2 ;;
    --chroot) chroot=1; shift ;;
    *) echo "usage: $0 [--built BUILD_DIR | --chroot] [--out DIR]" >&2; exit 2 ;;
  esac
done

version=$(dpkg-parsechangelog -l "$root/debian/changelog" -S Version)
project=$(sed -n 's/^project(MusicTunzle VERSION \([0-9.]*\).*/\1/p' "$root/CMakeLists.txt")
if [ "$version" != "$project" ]; then
  echo "debian/changelog is at $version but the project at $project: add a changelog entry" >&2
  exit 1
fi

if [ -n "$built" ]; then
  built=$(cd "$built" && pwd)
elif [ -z "$chroot" ]; then
  "$root/scripts/setup.sh"
fi
out=${out:-$root/build-package}
mkdir -p "$out"
out=$(cd "$out" && pwd)

# dpkg-buildpackage works in a source folder and writes beside it: give it a
# copy holding the project's files only (no build trees, no stray files).
work=$out/music-tunzle-$version
rm -rf "$work"
mkdir -p "$work"
if git -C "$root" rev-parse --git-dir >/dev/null 2>&1; then
  (cd "$root" && git ls-files -z --cached --others --exclude-standard |
     while IFS= read -r -d '' f; do [ -e "$f" ] && printf '%s\0' "$f"; done |
     tar --null -T - -cf -) | tar -xf - -C "$work"
else
  tar -C "$root" --exclude-vcs --exclude='./build*' --exclude='./obj-*' -cf - . | tar -xf - -C "$work"
fi
log=$out/build.log
arch=$(dpkg --print-architecture)

if [ -n "$chroot" ]; then
  # As Debian's build machines: a minimal system with build-essential, only the
  # Build-Depends added, the package built by an ordinary user.
  command -v mmdebstrap >/dev/null || { echo "mmdebstrap is not installed (apt-get install mmdebstrap)" >&2; exit 1; }
  rm -rf "$out/chroot"
  mkdir -p "$out/chroot"
  inside=/home/builder/build/music-tunzle-$version
  if ! mmdebstrap --variant=buildd \
      --customize-hook='chroot "$1" useradd --create-home builder' \
      --customize-hook="mkdir -p \"\$1$inside\"" \
      --customize-hook="sync-in $work $inside" \
      --customize-hook='chroot "$1" chown -R builder: /home/builder' \
      --customize-hook="chroot \"\$1\" sh -ec 'cd $inside && apt-get build-dep -y ./'" \
      --customize-hook="chroot \"\$1\" runuser -u builder -- sh -ec 'cd $inside && dpkg-buildpackage -us -uc -b'" \
      --customize-hook="chroot \"\$1\" rm -rf $inside" \
      --customize-hook="sync-out ${inside%/*} $out/chroot" \
      bookworm /dev/null >"$log" 2>&1; then
    tail -n 60 "$log" >&2
    echo "the chroot build failed (log: $log)" >&2
    exit 1
  fi
  rm -rf "$work"
  chown -R "$(id -u):$(id -g)" "$out/chroot"  # made by the chroot's user
  echo "$out/chroot/music-tunzle_${version}_$arch.deb"
  exit 0
fi

# The already built tree is installed, not rebuilt (debian/rules).
if ! (cd "$work" && TUNZLE_BUILD=$built dpkg-buildpackage -us -uc) >"$log" 2>&1; then
  cat "$log" >&2
  echo "dpkg-buildpackage failed (log: $log)" >&2
  exit 1
fi
rm -rf "$work"
echo "$out/music-tunzle_$version.dsc" >&2
echo "$out/music-tunzle_${version}_$arch.deb"
