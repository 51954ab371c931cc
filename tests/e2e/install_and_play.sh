#!/usr/bin/env bash
# Installs into a fresh prefix, then plays, quits, restarts and resumes the
# game started the way its desktop entry starts it.
set -euo pipefail
build=$1
here=$(cd "$(dirname "$0")" && pwd)
prefix=$(mktemp -d /tmp/tunzle-prefix-XXXXXX)
trap 'rm -rf "$prefix"' EXIT
cmake --install "$build" --prefix "$prefix" >/dev/null
entry="$prefix/share/applications/io.github.musictunzle.Tunzle.desktop"
command=$(sed -n 's/^Exec=//p' "$entry")
program=$(PATH="$prefix/bin:$PATH" command -v "$command")
[ "$program" = "$prefix/bin/$command" ] || { echo "desktop entry runs '$program', not the installed game"; exit 1; }
cd "$prefix"
python3 "$here/test_play_to_win.py" "$program"
