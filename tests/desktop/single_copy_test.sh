#!/usr/bin/env bash
# One game per data folder, with the real program: a second copy leaves the
# running game's lock alone and brings it to the front; when the running game
# cannot answer, the second copy says so in one line; the lock of a killed game
# does not keep the next game out.
#   single_copy_test.sh QUIB_EXECUTABLE ASSETS_FOLDER
set -uo pipefail
work=$(mktemp -d)
pids=()
trap 'exec 2>/dev/null; kill -CONT "${pids[@]}"; kill -9 "${pids[@]}"; wait; rm -rf "$work"' EXIT
cp "$1" "$work/quib" && cp -r "$2"/. "$work/" || exit 1
export QT_QPA_PLATFORM=offscreen HOME=$work/home XDG_DATA_HOME=$work/home/share XDG_RUNTIME_DIR=$work/run
mkdir -m 700 "$work/run"
lock=$work/data/quib.lock
fail() { echo "FAIL: $*"; exit 1; }
lock_holder() { head -n 1 "$lock" 2>/dev/null; }
# start NAME: starts a game in the background; its process id in $started.
start() { "$work/quib" >"$work/$1.out" 2>&1 & started=$!; pids+=("$started"); }
# Waits until the lock names process $1 and the game has had time to listen.
wait_holder() {
    for _ in $(seq 200); do [[ $(lock_holder) == "$1" ]] && { sleep 1; return 0; }; sleep 0.1; done
    fail "the game ($1) never took the lock; lock holds '$(lock_holder)'"
}
# second NAME: a copy started while a game runs must end by itself.
second() { timeout 30 "$work/quib" >"$work/$1.out" 2>&1 || fail "$1 did not end by itself (status $?)"; }

start first; first=$started
wait_holder "$first"

second second
kill -0 "$first" 2>/dev/null || fail "the first game ended when the second copy started"
[[ $(lock_holder) == "$first" ]] || fail "the second copy took over the lock"
! grep -q "already running" "$work/second.out" || fail "the running game was reachable, yet: $(cat "$work/second.out")"

kill -STOP "$first"
second third
kill -CONT "$first"
grep -qx "Quib is already running." "$work/third.out" ||
    fail "a running game that cannot answer: expected one line, got '$(cat "$work/third.out")'"

kill -9 "$first"; wait "$first" 2>/dev/null
[[ $(lock_holder) == "$first" ]] || fail "the killed game's lock is gone, nothing left to test"
start after_crash; after=$started
wait_holder "$after"
kill -0 "$after" 2>/dev/null || fail "the game after the killed one did not keep running: $(cat "$work/after_crash.out")"
echo "second copy, unanswered second copy and killed game: as expected"
