#!/usr/bin/env bash
# Measures how much of a core the real game costs at rest on the start screen
# and during play (a level on the board, nobody clicking), under Xvfb.
# Usage: scripts/idle_cpu.sh [program] [seconds per measurement]
#   program defaults to build/release/quib (build it first); 20 s each.
# The game runs from a copy in a temporary folder with a data folder of its
# own; it first rebuilds its level library, and the measurements start once
# the library file has stopped changing. CPU time is read from /proc.
set -euo pipefail
cd "$(dirname "$0")/.."
program=$(realpath "${1:-build/release/quib}")
seconds=${2:-20}
[[ -x $program ]] || { echo "No program at $program: build it first" >&2; exit 1; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp "$program" "$work/quib"
src=$(dirname "$program")
[[ -f $src/help.txt ]] && cp "$src/help.txt" "$work/"
[[ -d $src/Sounds ]] && cp -r "$src/Sounds" "$work/"
mkdir -p "$work/home"

cat >"$work/measure.sh" <<'INNER'
set -euo pipefail
work=$1 seconds=$2
export HOME=$work/home XDG_DATA_HOME=$work/home/.local/share XDG_CONFIG_HOME=$work/home/.config
"$work/quib" >"$work/quib.log" 2>&1 &
pid=$!
hz=$(getconf CLK_TCK)
cpu() { awk '{print $14 + $15}' "/proc/$pid/stat"; }
# The library file of whichever data folder the game uses.
library() { find "$work" -name levels.txt -newer "$work/measure.sh" 2>/dev/null | head -n 1; }
stable=0 last=
for ((i = 0; i < 600 && stable < 5; i++)); do
    sleep 1
    f=$(library)
    now=$([[ -n $f ]] && stat -c %Y.%s "$f" || echo none)
    if [[ $now == "$last" && $now != none ]]; then ((stable++)) || true; else stable=0; fi
    last=$now
done
measure() {
    local a b
    a=$(cpu); sleep "$seconds"; b=$(cpu)
    awk -v d=$((b - a)) -v hz="$hz" -v s="$seconds" -v what="$1" \
        'BEGIN { printf "%-32s %5.2f %% of a core (%d ticks of 1/%d s in %d s)\n", what, 100 * d / hz / s, d, hz, s }'
}
sleep 2
measure "at rest on the start screen:"
# "New Game" > "Easy": the menu bar stands at the top left of the screen,
# since Xvfb has no window manager.
xdotool mousemove 36 10 click 1
sleep 1
xdotool mousemove 40 36 click 1
sleep 2
xdotool search --name "Mode: Easy" >/dev/null || echo "warning: no game started (caption has no mode)" >&2
measure "in play, nobody clicking:"
kill "$pid"
wait "$pid" 2>/dev/null || true
INNER
xvfb-run -a -s "-screen 0 1024x768x24" bash "$work/measure.sh" "$work" "$seconds"
