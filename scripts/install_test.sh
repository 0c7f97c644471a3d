#!/usr/bin/env bash
# The installed game as a player meets it: installs a build into a temporary
# prefix, checks the installed files and the Debian package cpack makes of
# them, makes the prefix read-only and starts the installed game twice as an
# unprivileged user under Xvfb, closing it each time through "Exit" and the
# exit question. The first run turns Grids on; the
# second must find that in the player's data location and keep it. A third
# run, with no data location it can write, must say so, still run and ask.
#   scripts/install_test.sh BUILD_FOLDER      (as root; needs xvfb-run and xdotool)
set -euo pipefail

# drive [grids]: run inside Xvfb as the player.
if [[ ${1:-} == drive ]]; then
    "$QUIB" >"$HOME/run.log" 2>&1 &
    game=$!
    window=$(xdotool search --sync --onlyvisible --class quib | head -n 1)
    sleep 2
    if [[ ${2:-} == told ]]; then
        # The message that nothing can be kept, over the window: its OK.
        box=$(xdotool search --onlyvisible --class quib | tail -n 1)
        [[ $box != "$window" ]] || { echo "the game did not say that nothing can be kept"; kill "$game"; exit 1; }
        xdotool windowfocus --sync "$box"
        xdotool key Return
        sleep 1
    fi
    # Without a window manager nothing gives the window the keyboard.
    xdotool windowfocus --sync "$window"
    if [[ ${2:-} == grids ]]; then
        xdotool key alt+p; sleep 0.5; xdotool key g; sleep 0.5   # Preferences > Grids
    fi
    xdotool key ctrl+q                     # New Game > Exit
    sleep 1
    xdotool search --sync --onlyvisible --name '^Quib$' >/dev/null
    xdotool key Return                     # "Yes"
    for _ in $(seq 100); do kill -0 "$game" 2>/dev/null || break; sleep 0.1; done
    kill -0 "$game" 2>/dev/null && { echo "the game did not close after the exit question"; kill "$game"; exit 1; }
    wait "$game"
    exit
fi

build=$1
fail() { echo "FAIL: $*" >&2; exit 1; }
work=$(mktemp -d /tmp/quib-install-test.XXXXXX)
chmod 755 "$work"
trap 'chmod -R u+w "$work"; rm -rf "$work"' EXIT
prefix=$work/prefix
cmake --install "$build" --prefix "$prefix" >/dev/null

desktop=("$prefix"/share/applications/*.desktop)
id=$(basename "${desktop[0]}" .desktop)
for f in bin/quib share/quib/help.txt share/quib/Sounds/Jump.wav "share/metainfo/$id.metainfo.xml" \
    "share/icons/hicolor/scalable/apps/$id.svg"; do
    [[ -s $prefix/$f ]] || fail "$f was not installed"
done
for size in 16 32 48 64 128 256; do
    file "$prefix/share/icons/hicolor/${size}x$size/apps/$id.png" | grep -q "PNG image data, $size x $size," ||
        fail "no $size-pixel icon"
done
grep -qx "Icon=$id" "${desktop[0]}" && grep -q "<id>$id</id>" "$prefix/share/metainfo/$id.metainfo.xml" &&
    grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$prefix/share/metainfo/$id.metainfo.xml" ||
    fail "the desktop entry, the icons and the metainfo do not share the id $id"

(cd "$build" && cpack -G DEB -B "$work/package" >"$work/cpack.log" 2>&1) ||
    fail "cpack could not build the Debian package: $(cat "$work/cpack.log")"
deb=("$work"/package/quib_*.deb)
dpkg-deb -f "${deb[0]}" Depends | grep -q 'libqt6widgets6' ||
    fail "the package does not depend on the libraries the game links: $(dpkg-deb -f "${deb[0]}" Depends)"
dpkg-deb -c "${deb[0]}" >"$work/package.list"
grep -q ' \./usr/bin/quib$' "$work/package.list" || fail "the package holds no /usr/bin/quib"

chmod -R a-w "$prefix"
home=$work/home
mkdir "$home"
chown 65534:65534 "$home"
data=$home/.local/share/Quib
# as_player [grids]: one run of the installed game; XDG_DATA_HOME may be set
# for it.
# The player runs a copy of this script from the work folder: the checkout may
# lie in a folder only root can enter (a clone under /root).
cp "$0" "$work/drive.sh"
chmod 755 "$work/drive.sh"
as_player() {
    (cd "$work" && timeout 120 setpriv --reuid=65534 --regid=65534 --clear-groups \
        env -i PATH=/usr/bin:/bin HOME="$home" XDG_DATA_HOME="${XDG_DATA_HOME:-$home/.local/share}" QUIB="$prefix/bin/quib" \
        xvfb-run -a -s "-screen 0 1024x768x24" bash "$work/drive.sh" drive "$@") ||
        fail "the installed game did not run and close as a player: $(cat "$home/run.log" 2>/dev/null)"
}
as_player grids
for f in levels.txt data.txt high.txt; do [[ -s $data/$f ]] || fail "no $f in the player's data location"; done
[[ $(sed -n 14p "$data/data.txt") == "#TRUE#" ]] || fail "Grids was not saved as on"
cp "$data/levels.txt" "$work/levels.first"
as_player
[[ $(sed -n 14p "$data/data.txt") == "#TRUE#" ]] || fail "the second start did not find the first one's options"
cmp -s "$data/levels.txt" "$work/levels.first" || fail "the second start did not find the level library"
# Nowhere to write: the game says so, still runs and closes through its question.
XDG_DATA_HOME=$prefix/share as_player told
grep -q "^Quib cannot keep anything" "$home/run.log" || fail "the player was not told that nothing can be kept"
echo "installed game: files in place, player's files kept in $data across two runs"
