#!/usr/bin/env bash
# Builds the file readers' fuzzers (fuzz/build.sh) and runs each of them for
# the given number of seconds, one after the other. Each starts from the
# minimised corpus kept in the repository (fuzz/corpus/NAME) and the seeds
# (fuzz/seeds/NAME), and puts what it finds in build/fuzz/corpus/NAME, so
# that a long run goes on where the last one stopped. With --keep, the
# corpora are then minimised (libFuzzer's -merge) back into fuzz/corpus/NAME,
# for the next runs anywhere to go on from.
#   scripts/fuzz.sh [--keep] [seconds per fuzzer, default 60] [NAME ...]
#   nice scripts/fuzz.sh 3600            all six for an hour each
#   scripts/fuzz.sh 600 startup items    only these two
# Prints each fuzzer's executions; a fault stops that fuzzer, keeps its input
# as build/fuzz/NAME-crash-* (or leak-, timeout-, oom-), and makes the script
# fail once the others have run. Needs clang and libclang-rt-14-dev.
set -euo pipefail
cd "$(dirname "$0")/.."
keep=false
[[ ${1:-} == --keep ]] && { keep=true; shift; }
seconds=${1:-60}
shift || true
[[ $seconds =~ ^[0-9]+$ ]] || { echo "usage: scripts/fuzz.sh [--keep] [seconds] [NAME ...]" >&2; exit 2; }

bash fuzz/build.sh build/fuzz
names=("$@")
if [[ ${#names[@]} -eq 0 ]]; then
    for source in fuzz/fuzz_*.cpp; do
        name=${source##*/fuzz_}
        names+=("${name%.cpp}")
    done
fi

failed=()
for name in "${names[@]}"; do
    target=build/fuzz/fuzz_$name
    [[ -x $target ]] || { echo "no fuzzer $target" >&2; exit 2; }
    corpus=("build/fuzz/corpus/$name")
    mkdir -p "${corpus[0]}"
    [[ -d fuzz/corpus/$name ]] && corpus+=("fuzz/corpus/$name")
    [[ -d fuzz/seeds/$name ]] && corpus+=("fuzz/seeds/$name")
    options=()  # the target's own libFuzzer flags, one line in fuzz/fuzz_NAME.options
    [[ -f fuzz/fuzz_$name.options ]] && read -ra options <"fuzz/fuzz_$name.options"
    log=build/fuzz/$name.log
    if "$target" -max_total_time="$seconds" "${options[@]}" -artifact_prefix="build/fuzz/$name-" "${corpus[@]}" \
        </dev/null >"$log" 2>&1; then
        runs=$(sed -n 's/^Done \([0-9]*\) runs in \([0-9]*\) second.*/\1 \2/p' "$log")
        read -r count taken <<<"${runs:-0 0}"
        echo "fuzz_$name: $count runs in $taken s ($((count / (taken > 0 ? taken : 1))) per second), corpus $(ls "${corpus[0]}" | wc -l) inputs"
        if $keep; then
            # The smallest set of inputs that covers what the seeds do not:
            # libFuzzer's merge takes what is in its first folder (the seeds)
            # as given and adds only inputs that reach further.
            merged=build/fuzz/merged-$name
            rm -rf "$merged" && mkdir -p "$merged"
            [[ -d fuzz/seeds/$name ]] && cp fuzz/seeds/"$name"/* "$merged"/
            if "$target" -merge=1 "${options[@]}" "$merged" "${corpus[@]}" </dev/null >>"$log" 2>&1; then
                [[ -d fuzz/seeds/$name ]] && (cd fuzz/seeds/"$name" && for seed in *; do rm -f "../../../$merged/$seed"; done)
                rm -rf "fuzz/corpus/$name" && mkdir -p fuzz/corpus && mv "$merged" "fuzz/corpus/$name"
                echo "fuzz_$name: kept $(ls "fuzz/corpus/$name" | wc -l) inputs in fuzz/corpus/$name"
            fi
        fi
    else
        tail -n 40 "$log" >&2
        echo "fuzz_$name found a fault; the input is saved as build/fuzz/$name-*, the log is $log" >&2
        failed+=("$name")
    fi
done
if [[ ${#failed[@]} -gt 0 ]]; then
    echo "Faults found by: ${failed[*]}" >&2
    exit 1
fi
