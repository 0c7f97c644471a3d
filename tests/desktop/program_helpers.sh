# Shared by the tests that run the real program from outside; sourced, not run.
# Sets up a copy of the game in a temporary folder $work (readable by every
# user, so that a test can run it as another user) with its own home, data
# location and runtime folder, and gives helpers to start and watch it.
#   needs: $quib (the executable) and $assets (the program's own files)
work=$(mktemp -d)
chmod 755 "$work"
pids=()
trap 'exec 2>/dev/null; kill -CONT "${pids[@]}"; kill -9 "${pids[@]}"; wait; rm -rf "$work"' EXIT
mkdir "$work/game" && cp "$quib" "$work/game/quib" && cp -r "$assets"/. "$work/game/" || exit 1
export QT_QPA_PLATFORM=offscreen HOME=$work/home XDG_DATA_HOME=$work/home/share XDG_RUNTIME_DIR=$work/run
export TMPDIR=$work/tmp
mkdir -m 700 "$work/run" && mkdir -m 1777 "$work/tmp" && mkdir "$work/home"
lock=$work/game/data/quib.lock  # where earlier games kept their lock
fail() { echo "FAIL: $*"; exit 1; }
# The process holding the lock on the data folder $1 (default the game's), from /proc/locks.
lock_holder() {
    local inode
    inode=$(stat -c %i "${1:-$work/game/data}" 2>/dev/null) || return 0
    awk -v inode="$inode" '$2 == "FLOCK" { n = split($6, id, ":"); if (id[n] == inode) { print $5; exit } }' /proc/locks
}
# start NAME [COMMAND PREFIX...]: starts a game in the background, its output
# in $work/NAME.out; its process id in $started.
start() {
    local name=$1
    shift
    "$@" "$work/game/quib" >"$work/$name.out" 2>&1 &
    started=$!
    pids+=("$started")
}
# Waits until the lock names process $1 and the game has had time to listen.
wait_holder() {
    for _ in $(seq 200); do [[ $(lock_holder) == "$1" ]] && { sleep 1; return 0; }; sleep 0.1; done
    fail "the game ($1) never took the lock; lock holds '$(lock_holder)'; it said: $(cat "$work"/*.out)"
}
# second NAME: a copy started while a game runs must end by itself.
second() { timeout 30 "$work/game/quib" >"$work/$1.out" 2>&1 || fail "$1 did not end by itself (status $?)"; }
# ends PID SECONDS: waits for the game to end; its exit status in $status.
ends() {
    for _ in $(seq $((10 * $2))); do kill -0 "$1" 2>/dev/null || { wait "$1"; status=$?; return 0; }; sleep 0.1; done
    fail "the game ($1) did not end within $2 seconds"
}
# as_player: the game's copy, home and runtime folder become the files of a
# player who is not root (nobody), and ${player[@]} runs a command as that
# player. Skips the test when not run as root.
as_player() {
    [[ $(id -u) == 0 ]] || { echo "skipped: acting as a player who is not root needs root"; exit 77; }
    player=(setpriv --reuid=65534 --regid=65534 --clear-groups)
    chown -R 65534:65534 "$work/game" "$work/home" "$work/run"
}
