#!/bin/sh
# Plays Quib through its real window and saves the screenshots of its main
# states into docs/screenshots (start screen, a level in play with and
# without "Grids", the level-completed panel, a round-over message, the name
# entry, the high-score table, the About box, "Continue", and in Practice a
# hint and each state of the solvability notice); then, in every language
# of translations/, the views where longer words must fit (start screen, a
# level in play, level completed, round over, name entry, the Practice
# notice), as de-start-screen.png and so on.
# Usage: scripts/screenshots.sh [output folder]
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
out=${1:-"$root/docs/screenshots"}
build="$root/build-screenshots"

cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DQUIB_BUILD_TESTS=OFF -DQUIB_BUILD_BENCH=OFF >/dev/null
ninja -C "$build" -j2 quib_screenshots

# Under the C locale the game is English whatever LANGUAGE says.
languages=$(cd "$root/translations" && ls quib_*.ts | sed 's/^quib_//; s/\.ts$//')
for language in en $languages; do
    if command -v xvfb-run >/dev/null 2>&1; then
        LANG=C.UTF-8 LC_ALL= LANGUAGE=$language xvfb-run -a -s "-screen 0 1024x768x24" "$build/quib_screenshots" "$out"
    else
        LANG=C.UTF-8 LC_ALL= LANGUAGE=$language QT_QPA_PLATFORM=offscreen "$build/quib_screenshots" "$out"
    fi
done
