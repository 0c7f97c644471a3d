#!/usr/bin/env bash
# The installed game as a player meets it: installs a build into a temporary
# prefix, checks the installed files and the Debian package cpack makes of
# them, makes the prefix read-only and starts the installed game twice as an
# unprivileged user under Xvfb, closing it each time through "Exit" and the
# exit question. The first run turns Grids on; the
# second must find that in the player's data location and keep it, and open
# its window at the size and place the first was left at. A third run, with
# no data location it can write, must say so, still run and ask.
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
        xdotool windowsize --sync "$window" 700 520 windowmove --sync "$window" 60 40
        sleep 0.5
    else
        xdotool getwindowgeometry --shell "$window" >"$HOME/geometry.txt"
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
for f in bin/quib share/quib/help.txt share/quib/help.de.txt share/quib/translations/quib_de.qm \
    share/quib/translations/quib_fr.qm share/quib/translations/quib_es.qm share/quib/Sounds/Jump.wav "share/metainfo/$id.metainfo.xml" \
    "share/icons/hicolor/scalable/apps/$id.svg" share/man/man6/quib.6.gz share/doc/quib/copyright \
    share/doc/quib/changelog.gz; do
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
grep -q ' \./usr/games/quib$' "$work/package.list" || fail "the package holds no /usr/games/quib"
# The desktop entry's command is found on Debian's default PATH of a user
# (/etc/profile) among the package's files.
dpkg-deb -x "${deb[0]}" "$work/unpacked"
exec_line=$(sed -n 's/^Exec=\([^ ]*\).*/\1/p' "$work/unpacked/usr/share/applications/$id.desktop")
found=
for dir in /usr/local/bin /usr/bin /bin /usr/local/games /usr/games; do
    [[ -x $work/unpacked$dir/$exec_line ]] && { found=$dir/$exec_line; break; }
done
[[ $found == /usr/games/quib ]] || fail "the desktop entry runs '$exec_line', which is not the packaged program"
# Debian's package checker, where installed: no error and no warning.
if command -v lintian >/dev/null; then
    status=0
    lintian "${deb[0]}" >"$work/lintian.log" 2>&1 || status=$?
    ! grep -E '^[EW]: ' "$work/lintian.log" || fail "lintian finds errors or warnings in the package"
    ((status <= 1)) || fail "lintian could not check the package: $(cat "$work/lintian.log")"
    echo "lintian: no error and no warning"
fi

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
[[ $(grep -E '^(X|Y|WIDTH|HEIGHT)=' "$home/geometry.txt" | sort | tr '\n' ' ') == "HEIGHT=520 WIDTH=700 X=60 Y=40 " ]] ||
    fail "the window did not come back at the size and place it was left: $(tr '\n' ' ' <"$home/geometry.txt")"
[[ -s $home/.config/Quib/window.conf ]] || fail "the window's place is not in ~/.config/Quib/window.conf"
cmp -s "$data/levels.txt" "$work/levels.first" || fail "the second start did not find the level library"
# Nowhere to write: the game says so, still runs and closes through its question.
XDG_DATA_HOME=$prefix/share as_player told
grep -q "^Quib cannot keep anything" "$home/run.log" || fail "the player was not told that nothing can be kept"
echo "installed game: files in place, player's files kept in $data across two runs"
