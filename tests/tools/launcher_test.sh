#!/bin/sh
# Installs the build into a temporary prefix, moves the installed tree, and
# checks that the launcher (called directly and through a symlink) still starts
# the game beside it, with its arguments, and that the game's resource folder
# still reaches the assets. A stand-in replaces the game so that no window opens.
# Usage: launcher_test.sh CMAKE BUILD_DIR LAUNCHER_DIR GAME_DIR
set -eu
cmake=$1 build=$2 bindir=$3 gamedir=$4
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
"$cmake" --install "$build" --prefix "$tmp/first" >/dev/null
game="$gamedir/Sorvanta.app/Contents/MacOS/sorvanta"
[ -x "$tmp/first/$game" ] || { echo "no game installed at $tmp/first/$game"; exit 1; }
mv "$tmp/first" "$tmp/moved tree"
resources="$tmp/moved tree/$gamedir/Sorvanta.app/Contents/Resources"
[ -f "$resources/gfx/icon.png" ] || { echo "the moved game's $resources holds no assets"; exit 1; }
printf '#!/bin/sh\nprintf "started:%%s|" "$@"\n' >"$tmp/moved tree/$game"
ln -s "$tmp/moved tree/$bindir/sorvanta" "$tmp/link"
for launcher in "$tmp/moved tree/$bindir/sorvanta" "$tmp/link"; do
  out=$("$launcher" a "b c") || { echo "launcher $launcher failed"; exit 1; }
  [ "$out" = "started:a|started:b c|" ] || { echo "launcher $launcher printed: $out"; exit 1; }
done
echo "launcher finds the game from $tmp/moved tree"
