#!/usr/bin/env bash
# One game per data folder, with the real program.
#   single_copy_test.sh CASE QUIB_EXECUTABLE ASSETS_FOLDER [SOCKET_PROBE]
# second-copy    a second copy leaves the running game's lock alone and brings it
#                to the front; when the running game cannot answer, the second
#                copy says so in one line; the lock of a killed game does not keep
#                the next game out, and its socket does not change where the next
#                game listens
# hostile-locks  a named pipe, a folder, a dangling symlink, an empty or a garbage
#                file as the lock neither hangs the start nor stops it
# odd-locks      for a player (not root): whatever lies at quib.lock, where earlier
#                games kept their lock (a file the player cannot open, root's, a hard
#                link to the player's file, a folder with files in it), is left as it
#                is, and the game keeps a second copy out
# held-lock      another program that holds the lock on the data folder is named to
#                the player, and its lock never taken over; another program's lock
#                on its own file at quib.lock keeps no game out and is left in place
# moved-folder   the data folder moved away under a running game, and a second copy
#                started on a new one: the first writes nothing into the second's
#                folder at its end, and names the folder in saying so
# no-inodes      a data folder where no file can be made (out of inodes) keeps a
#                second copy out all the same, and the first saves once there is room
# ending-game    a copy started while the game writes its files at a logout (a slow
#                disk) runs once that game has ended
# stale-sockets  files and links left at both of the game's socket places are
#                cleared away (a link's target untouched): the game can be reached
# squatted       another user who binds the socket name first sees no launch, cannot
#                talk to the game and is not believed; no socket is left behind
# flood          1,100 connections and 100 MiB sent leave the game's descriptors
#                and memory flat, and it still answers
set -uo pipefail
case_name=$1 quib=$2 assets=$3 probe=${4:-}
source "$(dirname "$0")/program_helpers.sh"
sockets() { (cd "$work" && find . -type s | sort); }

case $case_name in
second-copy)
    start first; first=$started
    wait_holder "$first"
    clean_sockets=$(sockets)

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
    start after_crash; after=$started
    wait_holder "$after"
    kill -0 "$after" 2>/dev/null || fail "the game after the killed one did not keep running: $(cat "$work/after_crash.out")"
    [[ $(sockets) == "$clean_sockets" ]] ||
        fail "after a killed game the sockets are '$(sockets)', after a clean start '$clean_sockets'"
    second fourth
    kill -0 "$after" 2>/dev/null || fail "the game after the killed one ended when a second copy started"
    ! grep -q "already running" "$work/fourth.out" ||
        fail "the game after the killed one was not reachable: $(cat "$work/fourth.out")"
    echo "second copy, unanswered second copy and killed game: as expected"
    ;;

hostile-locks)
    for kind in pipe folder dangling-link empty garbage; do
        rm -rf "$work/game/data" && mkdir "$work/game/data"
        case $kind in
        pipe) mkfifo "$lock" "$lock.rmlock" ;;
        folder) mkdir "$lock" ;;
        dangling-link) ln -s "$work/nowhere" "$lock" ;;
        empty) : >"$lock" ;;
        garbage) printf 'garbage\n\0\377\n' >"$lock" ;;
        esac
        start "$kind"; game=$started
        wait_holder "$game"
        ! grep -q "already running" "$work/$kind.out" || fail "a $kind as the lock: $(cat "$work/$kind.out")"
        kill -TERM "$game"
        ends "$game" 20
    done
    echo "a pipe, a folder, a dangling link, an empty and a garbage lock: the game starts"
    ;;

odd-locks)
    as_player
    notes=$work/home/notes.txt
    for kind in read-only root-owned hard-link full-folder; do
        rm -rf "$work/game/data" && "${player[@]}" mkdir "$work/game/data"
        "${player[@]}" sh -c "printf 'my notes\n' >'$notes' && chmod 644 '$notes'"
        case $kind in
        read-only) "${player[@]}" sh -c "printf '1\n' >'$lock' && chmod 400 '$lock'" ;;
        root-owned) printf '1\n' >"$lock" && chmod 600 "$lock" ;;
        hard-link) ln "$notes" "$lock" ;;
        full-folder) mkdir "$lock" && : >"$lock/kept" ;;
        esac
        start "$kind" "${player[@]}"; game=$started
        wait_holder "$game"
        timeout 30 "${player[@]}" "$work/game/quib" >"$work/$kind-second.out" 2>&1 || fail "a $kind lock: the second copy did not end"
        kill -0 "$game" 2>/dev/null && [[ $(lock_holder) == "$game" ]] ||
            fail "a $kind lock: the second copy took the lock or ended the game: $(cat "$work/$kind-second.out")"
        [[ $(cat "$notes") == "my notes" && $(stat -c %a "$notes") == 644 ]] ||
            fail "a $kind lock: the player's file linked to it now holds '$(cat "$notes")', mode $(stat -c %a "$notes")"
        [[ $kind != full-folder || -e $lock/kept ]] || fail "the folder with files at quib.lock was touched"
        kill -TERM "$game"
        ends "$game" 20
    done
    echo "a read-only, a root's, a hard-linked lock file and a folder at quib.lock: left alone, one copy runs"
    ;;

held-lock)
    mkdir "$work/game/data"
    cp "$probe" "$work/socket_probe"
    # hold: another program holds the lock on the file or folder $1; its output in $2.out.
    hold() {
        "$work/socket_probe" hold "$1" >"$work/$2.out" 2>&1 &
        pids+=($!)
        holder=$!
        for _ in $(seq 50); do grep -q ready "$work/$2.out" && return 0; sleep 0.1; done
        fail "could not hold $1: $(cat "$work/$2.out")"
    }
    hold "$work/game/data" holder
    timeout 5 "$work/game/quib" >"$work/held.out" 2>&1 && fail "the game started on a folder another program holds"
    grep -q "^Quib cannot start: another program, socket_probe (process $holder), holds the lock on the folder of your game and scores ($work/game/data/)" \
        "$work/held.out" || fail "the holder was not named: '$(cat "$work/held.out")'"
    [[ $(lock_holder) == "$holder" ]] || fail "the game took over the held lock"
    kill "$holder"

    # Another program's lock on its own file at quib.lock: no game runs, so
    # the game starts, and leaves that file as it is.
    hold "$lock" other
    held=$(stat -c %i "$lock")
    start game; game=$started
    wait_holder "$game"
    ! grep -q "already running" "$work/game.out" || fail "a lock on quib.lock was taken for a running game"
    kill -TERM "$game"
    ends "$game" 20
    [[ $(stat -c %i "$lock" 2>/dev/null) == "$held" ]] || fail "the game removed another program's file"
    echo "the holder of the data folder is named; another program's quib.lock is left alone"
    ;;

moved-folder)
    data=$work/game/data
    start first; first=$started
    wait_holder "$first"
    # (held still, so that the first game does not take the new folder first,
    # as it may where no other copy holds it)
    kill -STOP "$first"
    mv "$data" "$work/game/data.moved"
    start second; second=$started
    wait_holder "$second"
    kill -CONT "$first"
    kill -0 "$first" 2>/dev/null || fail "the first game ended"
    sleep 2  # the second game's start-up writes are done
    before=$(cd "$data" && find . -type f -exec md5sum {} + | sort)
    kill -TERM "$first"
    ends "$first" 20
    after=$(cd "$data" && find . -type f -exec md5sum {} + | sort)
    [[ $before == "$after" ]] || fail "the first game wrote into the second's folder: $(diff <(echo "$before") <(echo "$after"))"
    grep -q "^Quib could not save your game: in $data/, .*another copy of Quib uses the folder at that place now" \
        "$work/first.out" || fail "the first game did not say that nothing was saved: $(cat "$work/first.out")"
    [[ $(lock_holder) == "$second" ]] || fail "the second game lost its lock"
    kill -TERM "$second"
    ends "$second" 20
    echo "the data folder moved under a running game: nothing written into the next game's folder, and told"
    ;;

no-inodes)
    [[ $(id -u) == 0 ]] || { echo "skipped: mounting a file system needs root"; exit 77; }
    data=$work/game/data
    mkdir "$data"
    mount -t tmpfs -o size=4m,nr_inodes=16 tmpfs "$data" 2>/dev/null || { echo "skipped: cannot mount a tmpfs here"; exit 77; }
    trap 'exec 2>/dev/null; kill -CONT "${pids[@]}"; kill -9 "${pids[@]}"; wait; umount "$work/game/data"; rm -rf "$work"' EXIT
    for n in $(seq 40); do : >"$data/fill$n" 2>/dev/null || break; done
    : >"$work/not-a-folder"
    export XDG_DATA_HOME=$work/not-a-folder
    start first; first=$started
    wait_holder "$first"
    second second
    kill -0 "$first" 2>/dev/null || fail "the first game ended"
    [[ $(lock_holder) == "$first" ]] || fail "the second copy took the lock"
    grep -q "already running" "$work/second.out" && fail "the running game was not reached: $(cat "$work/second.out")"
    rm -f "$data"/fill*
    kill -TERM "$first"
    ends "$first" 20
    [[ -s $data/data.txt ]] || fail "the game did not save once there was room"
    echo "a folder out of inodes: one copy runs, and it saves once there is room"
    ;;

ending-game)
    strace -f -o /dev/null true 2>/dev/null || { echo "skipped: strace cannot trace here"; exit 77; }
    # A slow disk: each flush of a file to the disk takes half a second.
    start slow strace -f -qq --seccomp-bpf -o /dev/null -e trace=fsync -e inject=fsync:delay_enter=500000
    tracer=$started
    for _ in $(seq 200); do [[ -n $(lock_holder) ]] && break; sleep 0.1; done
    game=$(lock_holder)
    [[ -n $game ]] || fail "the game never took the lock: $(cat "$work/slow.out")"
    wait_holder "$game"
    sleep 2
    kill -TERM "$game"
    # The next copy starts while the game writes data.txt.
    for _ in $(seq 200); do compgen -G "$work/game/data/.data.txt.quib-tmp-*" >/dev/null && break; sleep 0.02; done
    compgen -G "$work/game/data/.data.txt.quib-tmp-*" >/dev/null || fail "the game was not seen writing data.txt"
    start next; next=$started
    ends "$tracer" 40
    wait_holder "$next"
    kill -0 "$next" 2>/dev/null || fail "the copy started while the game ended did not run: $(cat "$work/next.out")"
    echo "a copy started while the game wrote its files runs after it"
    ;;

stale-sockets)
    mkdir "$work/game/data"
    runtime_socket=$work/run/quib-$(printf %s "$(realpath "$work/game/data")" | sha256sum | cut -c1-24).sock
    : >"$runtime_socket" && : >"$work/game/data/quib.sock"
    for left in files link; do
        start "$left"; game=$started
        wait_holder "$game"
        second "$left-second"
        ! grep -q "already running" "$work/$left-second.out" ||
            fail "with $left at the socket places the game cannot be reached: $(cat "$work/$left.out")"
        [[ -S $runtime_socket ]] || fail "with $left at the socket places the game does not listen at its own"
        kill -TERM "$game"
        ends "$game" 20
        : >"$work/home/target"
        ln -s "$work/home/target" "$runtime_socket"
    done
    [[ -f $work/home/target ]] || fail "the link's target was removed"
    echo "files and a link at the socket places cleared away"
    ;;

squatted)
    [[ $(id -u) == 0 ]] || { echo "skipped: acting as two other users needs root"; exit 77; }
    player=65533 squatter=65534
    as() { setpriv --reuid="$1" --regid="$1" --clear-groups "${@:2}"; }
    # squat PATH: the other user binds PATH and answers "raised" to everyone.
    squat() {
        setpriv --reuid="$squatter" --regid="$squatter" --clear-groups "$work/socket_probe" squat "$1" \
            "$work/squat/log" >"$work/squat/out" 2>&1 &
        pids+=($!)
        for _ in $(seq 50); do grep -q ready "$work/squat/out" && return 0; sleep 0.1; done
        fail "the other user could not bind $1: $(cat "$work/squat/out")"
    }
    cp "$probe" "$work/socket_probe" && chmod 755 "$work/socket_probe"
    mkdir -p "$work/squat" "$work/game/data"
    chown -R "$player:$player" "$work/game" "$work/home" "$work/run"
    chown "$squatter" "$work/squat"
    # Where a socket named after the data folder lands without a folder of its
    # own, and where the player's data folder and runtime folder would take one.
    hash=$(printf %s "$work/game/data" | sha256sum | cut -c1-24)
    squat "$work/tmp/quib-$hash"

    start first setpriv --reuid="$player" --regid="$player" --clear-groups; first=$started
    wait_holder "$first"
    timeout 30 setpriv --reuid="$player" --regid="$player" --clear-groups "$work/game/quib" >"$work/second.out" 2>&1 ||
        fail "the second copy did not end by itself"
    [[ ! -e $work/squat/log ]] || fail "the other user's socket saw the second copy's launch"
    ! grep -q "already running" "$work/second.out" || fail "the running game was not reachable: $(cat "$work/second.out")"

    # Even where the other user can reach the game's socket, it gets no answer.
    socket=$(find "$work/run" "$work/game/data" -type s | head -n 1)
    [[ -n $socket ]] || fail "the game has no socket in its runtime or data folder"
    chmod 711 "$work/run" "$work/game/data" && chmod 777 "$socket"
    answer=$(as "$squatter" "$work/socket_probe" ask "$socket")
    [[ -z $answer ]] || fail "the game answered another user: '$answer'"

    kill -TERM "$first"
    ends "$first" 20
    left=$(find "$work" -type s -user "$player")
    [[ -z $left ]] || fail "the game left its socket behind: $left"

    # No runtime folder, and a data folder everyone may write in: the other
    # user's socket there is not believed.
    chown root:root "$work/game/data" && chmod 1777 "$work/game/data"
    squat "$work/game/data/quib.sock"
    start lone env -u XDG_RUNTIME_DIR setpriv --reuid="$player" --regid="$player" --clear-groups; lone=$started
    wait_holder "$lone"
    timeout 30 env -u XDG_RUNTIME_DIR setpriv --reuid="$player" --regid="$player" --clear-groups "$work/game/quib" \
        >"$work/second.out" 2>&1 || fail "the second copy without a runtime folder did not end by itself"
    [[ ! -e $work/squat/log ]] || fail "the other user's socket in the data folder saw the second copy's launch"
    grep -qx "Quib is already running." "$work/second.out" ||
        fail "the second copy believed the other user's socket: '$(cat "$work/second.out")'"
    echo "another user's socket saw nothing, got no answer and was not believed; nothing left behind"
    ;;

flood)
    start game; game=$started
    wait_holder "$game"
    socket=$(find "$work/run" -type s | head -n 1)
    [[ -n $socket ]] || fail "the game has no socket in the runtime folder"
    fds() { ls "/proc/$game/fd" | wc -l; }
    rss() { awk '/^VmRSS/ { print $2 }' "/proc/$game/status"; }
    # The start-up (the level library made and written) is over first.
    rss_before=$(rss)
    for _ in $(seq 20); do
        sleep 1
        now=$(rss)
        ((now - rss_before < 1024)) && break
        rss_before=$now
    done
    fds_before=$(fds)
    "$probe" flood "$socket" 1100 100 >"$work/flood.out" 2>&1 &
    flood=$!; pids+=("$flood")
    for _ in $(seq 600); do grep -q ready "$work/flood.out" && break; sleep 0.1; done
    grep -q ready "$work/flood.out" || fail "the flood did not finish: $(cat "$work/flood.out")"
    sleep 1
    fds_after=$(fds) rss_after=$(rss)
    echo "descriptors $fds_before -> $fds_after, resident memory $rss_before -> $rss_after kB; $(head -n 1 "$work/flood.out")"
    ((fds_after <= fds_before + 16)) || fail "the connections took $((fds_after - fds_before)) descriptors"
    ((rss_after <= rss_before + 25600)) || fail "the data sent took $(((rss_after - rss_before) / 1024)) MiB"
    second after_flood
    ! grep -q "already running" "$work/after_flood.out" || fail "the game stopped answering: $(cat "$work/after_flood.out")"
    ;;

*) fail "no case '$case_name'" ;;
esac
