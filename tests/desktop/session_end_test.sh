#!/usr/bin/env bash
# How the real program ends, from outside.
#   session_end_test.sh CASE QUIB_EXECUTABLE ASSETS_FOLDER
# interrupt     Ctrl+C (SIGINT) and SIGQUIT save the game as a logout does, and
#               leave no lock or socket behind; SIGQUIT then ends as it always
#               does (a core dump where they are kept)
# nothing-kept  with no folder the game's files can be written in, the game runs
#               and tells the player so, once, also on standard error
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

*) fail "no case '$case_name'" ;;
esac
