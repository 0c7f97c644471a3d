#!/usr/bin/env bash
# Measures the game's start against a bare Qt window with the same modules
# (quib_bare_window: a menu bar over a 21 x 14 grid), side by side under one
# Xvfb: the time from exec to the first mapped window, and the resident
# memory 1.5 s after mapping. The two programs take turns, the first of each
# pair alternating, and the medians are compared.
# Usage: scripts/measure_start.sh [runs per program] [build folder] [game]
#   15 runs each by default; the build folder defaults to build/release and
#   the two programs are built there when missing or out of date. A third
#   argument measures another build of the game (an older one, say) against
#   the same bare window; its help text and sound are taken from beside it.
# The game runs from a copy in a temporary folder with a data folder of its
# own; one run of each program that is not counted comes first, so that the
# game's level library is built and the caches are warm.
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-15}
build=${2:-build/release}
[[ -f $build/build.ninja ]] || cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build" -j 2 --target quib quib_bare_window >/dev/null

game=$(realpath "${3:-$build/quib}")
[[ -x $game ]] || { echo "No program at $game" >&2; exit 1; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp "$game" "$work/quib"
cp "$build/quib_bare_window" "$work/"
src=$(dirname "$game")
[[ -f $src/help.txt ]] && cp "$src/help.txt" "$work/"
[[ -d $src/Sounds ]] && cp -r "$src/Sounds" "$work/"
mkdir -p "$work/home"
echo "game: $game"
echo "load before: $(cut -d' ' -f1-3 /proc/loadavg) on $(nproc) cores"

cat >"$work/measure.py" <<'INNER'
import ctypes, os, select, signal, statistics, subprocess, sys, time

work, runs = sys.argv[1], int(sys.argv[2])
x = ctypes.CDLL("libX11.so.6")
x.XOpenDisplay.restype = ctypes.c_void_p
x.XOpenDisplay.argtypes = [ctypes.c_char_p]
x.XDefaultRootWindow.restype = ctypes.c_ulong
x.XDefaultRootWindow.argtypes = [ctypes.c_void_p]
x.XSelectInput.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_long]
x.XConnectionNumber.argtypes = [ctypes.c_void_p]
x.XPending.argtypes = [ctypes.c_void_p]
x.XNextEvent.argtypes = [ctypes.c_void_p, ctypes.c_void_p]
x.XFlush.argtypes = [ctypes.c_void_p]

class MapEvent(ctypes.Structure):  # XMapEvent, padded to the size of XEvent
    _fields_ = [("type", ctypes.c_int), ("serial", ctypes.c_ulong), ("send_event", ctypes.c_int),
                ("display", ctypes.c_void_p), ("event", ctypes.c_ulong), ("window", ctypes.c_ulong),
                ("override_redirect", ctypes.c_int), ("pad", ctypes.c_long * 24)]

MAP_NOTIFY, SUBSTRUCTURE_NOTIFY = 19, 1 << 19
display = x.XOpenDisplay(None)
if not display:
    sys.exit("no X display")
# Without a window manager every top-level window is a child of the root,
# whose substructure events tell when it is mapped.
x.XSelectInput(display, x.XDefaultRootWindow(display), SUBSTRUCTURE_NOTIFY)
x.XFlush(display)
fd = x.XConnectionNumber(display)
event = MapEvent()

def drain():
    while x.XPending(display):
        x.XNextEvent(display, ctypes.byref(event))

def wait_for_map(deadline):
    while time.monotonic() < deadline:
        while x.XPending(display):
            x.XNextEvent(display, ctypes.byref(event))
            if event.type == MAP_NOTIFY and not event.override_redirect:
                return time.monotonic()
        select.select([fd], [], [], 0.05)
    return None

def rss_mb(pid):
    with open(f"/proc/{pid}/status") as f:
        for line in f:
            if line.startswith("VmRSS:"):
                return int(line.split()[1]) / 1024
    return float("nan")

def one_run(program, settle=1.5):
    drain()
    env = dict(os.environ, HOME=f"{work}/home", XDG_DATA_HOME=f"{work}/home/.local/share",
               XDG_CONFIG_HOME=f"{work}/home/.config")
    with open(f"{work}/{os.path.basename(program)}.log", "a") as log:
        start = time.monotonic()
        proc = subprocess.Popen([program], env=env, stdout=log, stderr=log, cwd=work)
        mapped = wait_for_map(start + 20)
        if mapped is None:
            proc.kill()
            proc.wait()
            sys.exit(f"{program}: no window within 20 s")
        time.sleep(settle)
        rss = rss_mb(proc.pid)
        proc.send_signal(signal.SIGTERM)
        try:
            proc.wait(timeout=10)
        except subprocess.TimeoutExpired:
            proc.kill()
            proc.wait()
    time.sleep(0.3)
    return (mapped - start) * 1000, rss

game, bare = f"{work}/quib", f"{work}/quib_bare_window"
# Not counted: the game builds its level library on its first start.
one_run(game, settle=8)
one_run(bare)
times = {game: [], bare: []}
memory = {game: [], bare: []}
for i in range(runs):
    for program in ((game, bare) if i % 2 == 0 else (bare, game)):
        ms, mb = one_run(program)
        times[program].append(ms)
        memory[program].append(mb)

def row(name, values, unit):
    q = statistics.quantiles(values, n=4)
    return f"{name:<12} median {statistics.median(values):6.1f} {unit}  (quartiles {q[0]:.1f}-{q[2]:.1f}, min {min(values):.1f})"

print(f"{runs} runs each, alternating")
print("time from exec to the first mapped window:")
print(row("  game", times[game], "ms"))
print(row("  bare", times[bare], "ms"))
print("resident memory 1.5 s after mapping:")
print(row("  game", memory[game], "MB"))
print(row("  bare", memory[bare], "MB"))
tr = statistics.median(times[game]) / statistics.median(times[bare])
mr = statistics.median(memory[game]) / statistics.median(memory[bare])
print(f"ratios (game / bare window): start {tr:.3f}x, memory {mr:.3f}x")
INNER
xvfb-run -a -s "-screen 0 1024x768x24" python3 "$work/measure.py" "$work" "$runs"
echo "load after: $(cut -d' ' -f1-3 /proc/loadavg)"
