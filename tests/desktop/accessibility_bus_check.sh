#!/bin/sh
# A screen reader must never crash the game: starts Quib on a private session
# bus with an accessibility bus, makes the calls that crashed Qt's bridge
# (GetAll and a Get without a property name), introspects the accessible
# objects, reads a property the normal way, and checks that the game is still
# running after each call. Exits 77 (skipped) without the D-Bus and AT-SPI
# tools or an X server to run on.
# Usage: accessibility_bus_check.sh <quib executable>
set -u
launcher=/usr/libexec/at-spi-bus-launcher

if [ "${1:-}" = "--inside" ]; then
    quib=$2
    address=""
    for _ in 1 2 3 4 5 6 7 8 9 10; do
        address=$(gdbus call --session --dest org.a11y.Bus --object-path /org/a11y/bus \
            --method org.a11y.Bus.GetAddress 2>/dev/null | sed -e "s/^('//" -e "s/',)\$//")
        [ -n "$address" ] && break
        sleep 0.5
    done
    [ -n "$address" ] || { echo "no accessibility bus"; exit 77; }

    QT_QPA_PLATFORM=xcb QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 "$quib" >quib.log 2>&1 &
    pid=$!
    # The game's own name on the accessibility bus, found by its process id.
    name=""
    for _ in $(seq 1 40); do
        for n in $(gdbus call --address "$address" --dest org.freedesktop.DBus --object-path /org/freedesktop/DBus \
                --method org.freedesktop.DBus.ListNames 2>/dev/null | grep -o "':1\.[0-9]*'" | tr -d "'"); do
            owner=$(gdbus call --address "$address" --dest org.freedesktop.DBus --object-path /org/freedesktop/DBus \
                --method org.freedesktop.DBus.GetConnectionUnixProcessID "$n" 2>/dev/null | sed -n 's/^(uint32 \([0-9]*\),)$/\1/p')
            [ "$owner" = "$pid" ] && name=$n
        done
        [ -n "$name" ] && break
        sleep 0.25
    done
    [ -n "$name" ] || { echo "FAIL: the game never appeared on the accessibility bus"; cat quib.log; kill "$pid"; exit 1; }
    sleep 1  # the bridge registers its objects once the game's window is up

    root=/org/a11y/atspi/accessible/root
    call() {  # path method [arguments...]
        path=$1
        shift
        timeout 10 gdbus call --address "$address" --dest "$name" --object-path "$path" --method "$@" 2>&1
    }
    alive() {
        sleep 0.3
        if ! kill -0 "$pid" 2>/dev/null; then
            echo "FAIL: the game died after $1"
            cat quib.log
            exit 1
        fi
        echo "ok: $1"
    }
    call / org.freedesktop.DBus.Introspectable.Introspect >/dev/null; alive "Introspect /"
    call $root org.freedesktop.DBus.Introspectable.Introspect >/dev/null; alive "Introspect of the application"
    call $root org.freedesktop.DBus.Properties.GetAll org.a11y.atspi.Accessible >/dev/null; alive "GetAll"
    call $root org.freedesktop.DBus.Properties.Get org.a11y.atspi.Accessible >/dev/null; alive "Get without a name"
    appName=$(call $root org.freedesktop.DBus.Properties.Get org.a11y.atspi.Accessible Name)
    alive "Get Name"
    case $appName in *Quib*) ;; *) echo "FAIL: the application's name reads '$appName'"; kill "$pid"; exit 1 ;; esac
    window=$(call $root org.a11y.atspi.Accessible.GetChildAtIndex 0 | grep -o "/org/a11y/atspi/accessible/[0-9]*")
    alive "GetChildAtIndex"
    [ -n "$window" ] || { echo "FAIL: the application has no window"; kill "$pid"; exit 1; }
    call "$window" org.freedesktop.DBus.Introspectable.Introspect >/dev/null; alive "Introspect of the window"
    call "$window" org.freedesktop.DBus.Properties.GetAll org.a11y.atspi.Accessible >/dev/null; alive "GetAll of the window"
    call "$window" org.freedesktop.DBus.Properties.GetAll org.a11y.atspi.Component >/dev/null; alive "GetAll of another interface"
    # A walk through the accessible objects, ours among them (the board, the
    # cell under the cursor, the start screen's labels), reading each one's
    # name and role as a screen reader does.
    queue=$window
    seen=0
    names=""
    while [ -n "$queue" ] && [ $seen -lt 80 ]; do
        path=${queue%% *}
        [ "$path" = "$queue" ] && queue="" || queue=${queue#* }
        seen=$((seen + 1))
        names="$names|$(call "$path" org.freedesktop.DBus.Properties.Get org.a11y.atspi.Accessible Name)"
        call "$path" org.a11y.atspi.Accessible.GetRole >/dev/null
        count=$(call "$path" org.freedesktop.DBus.Properties.Get org.a11y.atspi.Accessible ChildCount | tr -dc '0-9')
        i=0
        while [ $i -lt "${count:-0}" ] && [ $i -lt 40 ]; do
            child=$(call "$path" org.a11y.atspi.Accessible.GetChildAtIndex $i | grep -o "/org/a11y/atspi/accessible/[0-9]*")
            [ -n "$child" ] && queue="$queue $child"
            queue=${queue# }
            i=$((i + 1))
        done
    done
    alive "a walk through $seen accessible objects"
    case $names in *"'Board'"*"'Easy'"*) ;; *) echo "FAIL: no board or start screen choice among: $names"; kill "$pid"; exit 1 ;; esac
    kill "$pid"
    echo "the game survived every call"
    exit 0
fi

for tool in dbus-run-session gdbus xvfb-run "$launcher"; do
    command -v "$tool" >/dev/null 2>&1 || [ -x "$tool" ] || { echo "skipped: $tool is missing"; exit 77; }
done
[ -x "${1:-}" ] || { echo "usage: $0 <quib executable>"; exit 2; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# The game keeps its files beside the program: a copy of its own keeps the
# build's data folder out of it.
cp "$1" "$work/quib"
cd "$work" || exit 1
HOME=$work XDG_DATA_HOME=$work/share XDG_CACHE_HOME=$work/cache XDG_RUNTIME_DIR=$work \
    dbus-run-session -- xvfb-run -a -s "-screen 0 1024x768x24" sh "$0" --inside "$work/quib"
