#!/usr/bin/env bash
# Set up, build in Release, and make the Debian package; prints its path last.
#   --built DIR  package the tree already built in DIR (no set-up, no build)
#   --out DIR    where the package and its build log go (default DIR/package)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
built="" out=""
while [ $# -gt 0 ]; do
  case $1 in
    --built) built=$2; shift 2 ;;
    --out) out=$2; shift 2 ;;
    *) echo "usage: $0 [--built BUILD_DIR] [--out DIR]" >&2; exit 2 ;;
  esac
done

version=$(dpkg-parsechangelog -l "$root/debian/changelog" -S Version)
project=$(sed -n 's/^project(MusicTunzle VERSION \([0-9.]*\).*/\1/p' "$root/CMakeLists.txt")
if [ "$version" != "$project" ]; then
  echo "debian/changelog is at $version but the project at $project: add a changelog entry" >&2
  exit 1
fi

if [ -z "$built" ]; then
  "$root/scripts/setup.sh"
  built=${TUNZLE_PACKAGE_BUILD_DIR:-$root/build-package}
  # Debian's flags, hardening included; CMake reads no CPPFLAGS of its own.
  eval "$(DEB_BUILD_MAINT_OPTIONS=hardening=+all dpkg-buildflags --export=sh)"
  cmake -S "$root" -B "$built" -G Ninja -DCMAKE_BUILD_TYPE=Release -DTUNZLE_TESTS=OFF -DTUNZLE_BENCH=OFF \
    -DCMAKE_CXX_FLAGS="$CXXFLAGS $CPPFLAGS" -DCMAKE_EXE_LINKER_FLAGS="$LDFLAGS" \
    -DCMAKE_SHARED_LINKER_FLAGS="$LDFLAGS" >/dev/null
  cmake --build "$built" -j "$(nproc)" >&2
fi
built=$(cd "$built" && pwd)
out=${out:-$built/package}
mkdir -p "$out"
out=$(cd "$out" && pwd)

# dpkg-buildpackage works in a source folder and writes beside it: give it a
# scratch one holding only debian/, so nothing lands in the source tree.
work=$out/music-tunzle-$version
rm -rf "$work"
mkdir -p "$work"
cp -r "$root/debian" "$work/"
log=$out/build.log
if ! (cd "$work" && TUNZLE_BUILD=$built dpkg-buildpackage -b -us -uc) >"$log" 2>&1; then
  cat "$log" >&2
  echo "dpkg-buildpackage failed (log: $log)" >&2
  exit 1
fi
rm -rf "$work"
echo "$out/music-tunzle_${version}_$(dpkg --print-architecture).deb"
