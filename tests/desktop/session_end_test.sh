#!/usr/bin/env bash
# How the real program ends, from outside.
#   session_end_test.sh CASE QUIB_EXECUTABLE ASSETS_FOLDER
# interrupt     Ctrl+C (SIGINT) and SIGQUIT save the game as a logout does, and
#               leave no lock or socket behind; SIGQUIT then ends as it always
#               does (a core dump where they are kept)
# nothing-kept  with no folder the game's files can be written in, the game runs
#               and tells the player so, once, also on standard error
# window-conf   a folder at window.conf.lock holds up no exit; a named pipe as
#               window.conf no start; a file of several KiB there is not read, and
#               a remembered size larger than the screen shrinks to it
# told-why      for a player (not root): an unreadable data.txt is told at the start
#               and at the end with its cause, not as a full disk, and high.txt is
#               written; a read-only data folder beside the program: the game says
#               where the files are kept instead
set -uo pipefail
case_name=$1 quib=$2 assets=$3
source "$(dirname "$0")/program_helpers.sh"
ulimit -c 0

case $case_name in
interrupt)
    for signal in INT QUIT; do
        # (a job started in the background by a script ignores both signals)
        start "$signal" env --default-signal=INT,QUIT; game=$started
        wait_holder "$game"
        rm -f "$work/game/data/data.txt"
        kill -"$signal" "$game"
        ends "$game" 20
        expected=0; [[ $signal == QUIT ]] && expected=131
        ((status == expected)) || fail "SIG$signal: exit status $status, expected $expected"
        [[ -s $work/game/data/data.txt ]] || fail "SIG$signal: data.txt was not written"
        [[ ! -e $lock && -z $(find "$work" -type s) ]] || fail "SIG$signal left the lock or the socket behind"
    done
    echo "SIGINT and SIGQUIT: data.txt written, nothing left behind"
    ;;

nothing-kept)
    rm -rf "$work/game/data" && : >"$work/game/data" && : >"$work/not-a-folder"
    export XDG_DATA_HOME=$work/not-a-folder
    start game; game=$started
    for _ in $(seq 200); do grep -q "cannot keep" "$work/game.out" && break; sleep 0.1; done
    grep -q "^Quib cannot keep anything" "$work/game.out" || fail "the player was not told: $(cat "$work/game.out")"
    kill -0 "$game" 2>/dev/null || fail "the game did not run on"
    kill -TERM "$game"
    ends "$game" 20
    [[ $(grep -c "^Quib c" "$work/game.out") == 1 ]] || fail "told more than once: $(cat "$work/game.out")"
    echo "nothing can be kept: told once"
    ;;

window-conf)
    conf=$work/home/.config/Quib
    for kind in lock-folder pipe several-KiB too-large; do
        rm -rf "$conf" && mkdir -p "$conf"
        case $kind in
        lock-folder) mkdir "$conf/window.conf.lock" ;;
        pipe) mkfifo "$conf/window.conf" ;;
        several-KiB)
            { printf '[window]\ngeometry=@Rect(10 10 640 470)\npositioned=true\nstate=normal\n'
              head -c 8192 /dev/zero | tr '\0' '\n'; } >"$conf/window.conf" ;;
        too-large) printf '[window]\ngeometry=@Rect(0 0 4000 3000)\npositioned=true\nstate=normal\n' >"$conf/window.conf" ;;
        esac
        start "$kind"; game=$started
        wait_holder "$game"
        timeout 30 "$work/game/quib" >"$work/$kind-second.out" 2>&1
        ! grep -q "already running" "$work/$kind-second.out" || fail "window.conf as a $kind: the game did not come up"
        kill -TERM "$game"
        ends "$game" 20
        [[ ! -e $lock && -z $(find "$work" -type s) ]] || fail "window.conf as a $kind: the lock or the socket was left"
        read -r _ _ width height < <(sed -n 's/^geometry=@Rect(\(.*\))$/\1/p' "$conf/window.conf")
        [[ -n $height ]] || fail "window.conf as a $kind: the window's place was not kept: $(cat "$conf/window.conf")"
        case $kind in
        several-KiB) [[ "$width $height" != "640 470" ]] || fail "a window.conf of 8 KiB was read" ;;
        too-large) ((width <= 1920 && height <= 1200)) || fail "a remembered 4000×3000 window opened at ${width}×${height}" ;;
        esac
    done
    echo "odd window.conf files: the game starts, ends and keeps a sane place"
    ;;

told-why)
    as_player
    data=$work/game/data
    "${player[@]}" sh -c "mkdir '$data' && printf 'x\n' >'$data/data.txt' && chmod 000 '$data/data.txt'"
    start unreadable "${player[@]}"; game=$started
    wait_holder "$game"
    for _ in $(seq 100); do grep -q "^Quib cannot read" "$work/unreadable.out" && break; sleep 0.1; done
    grep -q "^Quib cannot read $data/data.txt (Permission denied)\." "$work/unreadable.out" ||
        fail "an unreadable data.txt was not told at the start: $(cat "$work/unreadable.out")"
    kill -TERM "$game"
    ends "$game" 20
    grep -q "data.txt could not be read when the game started (Permission denied)" "$work/unreadable.out" &&
        ! grep -q "disk full" "$work/unreadable.out" ||
        fail "the end of the game with an unreadable data.txt said: $(cat "$work/unreadable.out")"
    [[ -s $data/high.txt ]] || fail "high.txt was not written"

    # The same message in the player's language, the locale read as a
    # desktop sets it.
    cp -r "$(dirname "$quib")/translations" "$work/game/" && chown -R 65534:65534 "$work/game/translations"
    start unreadable-de env LC_ALL= LC_MESSAGES= LANGUAGE= LANG=de_DE.UTF-8 "${player[@]}"; game=$started
    wait_holder "$game"
    for _ in $(seq 100); do grep -q "^Quib kann" "$work/unreadable-de.out" && break; sleep 0.1; done
    grep -q "^Quib kann $data/data.txt nicht lesen (.*)\. Die Datei bleibt unverändert" "$work/unreadable-de.out" ||
        fail "under LANG=de_DE.UTF-8 an unreadable data.txt was told as: $(cat "$work/unreadable-de.out")"
    kill -TERM "$game"
    ends "$game" 20
    rm -rf "$work/game/translations"

    rm -rf "$data" && "${player[@]}" sh -c "mkdir '$data' && chmod 555 '$data'"
    start read-only "${player[@]}"; game=$started
    for _ in $(seq 100); do grep -q "^Quib cannot write" "$work/read-only.out" && break; sleep 0.1; done
    grep -q "^Quib cannot write in the folder beside the program ($data/: Permission denied)\. Your game, scores and options are kept in $work/home/share/Quib/ instead" \
        "$work/read-only.out" || fail "a read-only folder beside the program was not told: $(cat "$work/read-only.out")"
    kill -TERM "$game"
    ends "$game" 20
    echo "an unreadable data.txt (in English and in German) and a read-only data folder: told with their causes"
    ;;

*) fail "no case '$case_name'" ;;
esac
