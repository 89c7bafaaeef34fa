#!/bin/sh
# Installs the build into a temporary prefix and checks what a desktop needs:
# the menu entry, whose Exec and Icon resolve to installed files, the icon in
# every size, the AppStream metadata, the copyright file, changelog and manual
# page, the assets reached through the game's resource folder, and the game
# started headless through the entry's Exec up to the end of loading, then
# ended by SIGTERM.
# Usage: install_test.sh CMAKE BUILD_DIR LAUNCHER_DIR DATADIR GAME_DIR [EMULATOR]
# With an emulator (a build for another architecture) the game is started
# under it at the path the launcher execs, which the kernel cannot run itself.
set -eu
cmake=$1 build=$2 bindir=$3 datadir=$4 gamedir=$5 emulator=${6:-}
tmp=$(mktemp -d)
pid=
trap '[ -z "$pid" ] || kill -KILL "$pid" 2>/dev/null; rm -rf "$tmp"' EXIT
fail() { echo "$*"; exit 1; }
prefix=$tmp/prefix
"$cmake" --install "$build" --prefix "$prefix" >/dev/null
share=$prefix/$datadir

# The width and height of a PNG, from its header.
png_size() { od -An -tu1 -j16 -N8 "$1" | awk '{ printf "%dx%d", $3 * 256 + $4, $7 * 256 + $8 }'; }
for size in 16 32 48 64 128 256; do
  icon=$share/icons/hicolor/${size}x$size/apps/sorvanta.png
  [ -f "$icon" ] || fail "missing $icon"
  [ "$(png_size "$icon")" = "${size}x$size" ] || fail "$icon is $(png_size "$icon")"
done
for f in icons/hicolor/scalable/apps/sorvanta.svg metainfo/io.github.sorvanta.Sorvanta.metainfo.xml \
         doc/sorvanta/copyright doc/sorvanta/changelog.gz man/man6/sorvanta.6.gz; do
  [ -f "$share/$f" ] || fail "missing $share/$f"
done
# The assets are installed once; the game's resource folder links to them
# relatively, so that the tree may move.
resources=$prefix/$gamedir/Sorvanta.app/Contents/Resources
case $(readlink "$resources") in
  /*|"") fail "$resources is not a relative link" ;;
esac
for f in gfx/icon.png docs/about.html; do
  [ -f "$resources/$f" ] || fail "$resources does not reach the assets ($f)"
done
# The manual page reads without a complaint from man (where it is installed).
if command -v man >/dev/null 2>&1; then
  complaints=$(man --warnings -l "$share/man/man6/sorvanta.6.gz" 2>&1 >/dev/null) || fail "man cannot read the manual page"
  [ -z "$complaints" ] || fail "the manual page: $complaints"
fi

entry=$share/applications/sorvanta.desktop
[ -f "$entry" ] || fail "missing $entry"
grep -q '<launchable type="desktop-id">sorvanta.desktop</launchable>' "$share/metainfo/"*.metainfo.xml ||
  fail "the metadata does not name the installed desktop entry"
exec_name=$(sed -n 's/^Exec=\([^ ]*\).*/\1/p' "$entry")
icon_name=$(sed -n 's/^Icon=//p' "$entry")
[ -x "$prefix/$bindir/$exec_name" ] || fail "Exec=$exec_name is not an installed program"
[ -f "$share/icons/hicolor/48x48/apps/$icon_name.png" ] || fail "Icon=$icon_name is not an installed icon"

# Loading ends with its last step; the loading screen prints each one. The
# suite checks leaks in process; here only the way out counts.
mkdir "$tmp/home"
if [ -n "$emulator" ]; then
  set -- $emulator "$prefix/$gamedir/Sorvanta.app/Contents/MacOS/sorvanta"
else
  set -- "$prefix/$bindir/$exec_name"
fi
# Killed at ctest's time limit, this script runs no trap: the game dies
# with it all the same.
if command -v setpriv >/dev/null 2>&1; then set -- setpriv --pdeathsig KILL "$@"; fi
HOME=$tmp/home SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy SDL_RENDER_DRIVER=software ASAN_OPTIONS=detect_leaks=0 \
  "$@" >"$tmp/out" 2>&1 &
pid=$!
waited=0
until grep -qx "adp = 25" "$tmp/out"; do
  kill -0 "$pid" 2>/dev/null || { cat "$tmp/out"; fail "the game ended while loading"; }
  [ "$waited" -lt 600 ] || { cat "$tmp/out"; fail "loading did not end within a minute"; }
  sleep 0.1
  waited=$((waited + 1))
done
kill -TERM "$pid"
status=0
wait "$pid" || status=$?
pid=
[ "$status" -eq 0 ] || { cat "$tmp/out"; fail "the game ended with status $status after SIGTERM"; }
! grep -q "window icon" "$tmp/out" || fail "$(grep "window icon" "$tmp/out")"
[ -f "$tmp/home/Library/Preferences/.Sorvanta/Data/settings.dat" ] || fail "the game saved no settings"
echo "installed under $prefix; the game loaded through $exec_name"
