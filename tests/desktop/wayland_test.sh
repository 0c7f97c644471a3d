#!/usr/bin/env bash
# The game on a Wayland desktop: starts a Weston compositor (headless, with
# its desktop shell), runs the real program on it through Qt's Wayland
# plug-in, and checks that the window is shown (its title, the compositor's
# configure, a drawn buffer), that a second copy ends at once and leaves the
# first running, and that SIGTERM (a logout) saves and ends the game.
# Exits 77 (skipped) without weston or Qt's Wayland plug-in (qt6-wayland).
#   wayland_test.sh QUIB_EXECUTABLE ASSETS_FOLDER QT_PLUGIN_FOLDER
set -uo pipefail
[[ -f $3/platforms/libqwayland-generic.so ]] || { echo "Qt's Wayland plug-in is not installed"; exit 77; }
command -v weston >/dev/null || { echo "weston is not installed"; exit 77; }

work=$(mktemp -d)
pids=()
trap 'exec 2>/dev/null; kill -9 "${pids[@]}"; wait; rm -rf "$work"' EXIT
cp "$1" "$work/quib" && cp -r "$2"/. "$work/" || exit 1
mkdir -m 700 "$work/run"
fail() { echo "FAIL: $*"; tail -n 20 "$work/weston.log"; grep -v "^\[ *[0-9.]*\]" "$work/first.err" | tail -n 40; exit 1; }
export XDG_RUNTIME_DIR=$work/run HOME=$work/home XDG_DATA_HOME=$work/home/share XDG_CONFIG_HOME=$work/home/config
unset DISPLAY

weston --backend=headless-backend.so --socket=wayland-quib --width=1024 --height=768 --idle-time=0 \
    --log="$work/weston.log" >/dev/null 2>&1 &
pids+=($!)
for _ in $(seq 100); do [[ -S $XDG_RUNTIME_DIR/wayland-quib ]] && break; sleep 0.1; done
[[ -S $XDG_RUNTIME_DIR/wayland-quib ]] || fail "weston did not start"
export WAYLAND_DISPLAY=wayland-quib QT_QPA_PLATFORM=wayland
# In a sanitizer build: leaks are the other tests' to find. Qt's Wayland
# plug-in leaves allocations behind in libraries it has unloaded by then,
# which no suppression can name.
export ASAN_OPTIONS=${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0

# The client's side of the protocol shows what the game asked for and got.
WAYLAND_DEBUG=client "$work/quib" >"$work/first.out" 2>"$work/first.err" &
first=$!
pids+=("$first")
shown() {
    grep -q 'xdg_toplevel@[0-9]*\.set_title(" QUIB   ")' "$work/first.err" &&
        grep -q 'xdg_toplevel@[0-9]*\.configure(' "$work/first.err" &&
        grep -q 'wl_surface@[0-9]*\.attach(wl_buffer@' "$work/first.err"
}
for _ in $(seq 100); do shown && break; sleep 0.1; done
shown || fail "the game's window was not shown on the compositor"
sleep 1  # the game's lock and its answer to a second copy are up
kill -0 "$first" 2>/dev/null || fail "the game ended on its own"
[[ -e $work/data/data.txt ]] && fail "data.txt was written before the game ended: nothing to test"

timeout 10 "$work/quib" >"$work/second.out" 2>&1 || fail "a second copy did not end at once (status $?): $(head -c 3000 "$work/second.out")"
kill -0 "$first" 2>/dev/null || fail "the first game ended when the second copy started"

kill -TERM "$first"
for _ in $(seq 100); do kill -0 "$first" 2>/dev/null || break; sleep 0.1; done
kill -0 "$first" 2>/dev/null && fail "the game did not end at SIGTERM"
wait "$first" || fail "the game ended with status $? at SIGTERM"
[[ -s $work/data/data.txt ]] || fail "the game did not save its options at SIGTERM"
echo "Wayland: window shown, second copy ended at once, saved and ended at SIGTERM"
