#!/usr/bin/env bash
# The translations are complete: lupdate, run over the sources as the build
# runs it, finds nothing to add to or take from any .ts file (every text the
# game shows is in each of them), and no entry is left unfinished.
#   tests/translations_check.sh LUPDATE SOURCE_FOLDER "LUPDATE OPTIONS" FILE.ts...
set -uo pipefail
lupdate=$1 sources=$2 options=$3
shift 3
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
status=0
for ts in "$@"; do
    name=$(basename "$ts")
    cp "$ts" "$work/$name"
    # shellcheck disable=SC2086  # the options are words
    "$lupdate" $options "$sources" -ts "$work/$name" >"$work/log" 2>&1 || { cat "$work/log"; exit 1; }
    if ! cmp -s "$ts" "$work/$name"; then
        echo "FAIL: $name is not up to date with the sources (build the target update_translations):"
        diff "$ts" "$work/$name" | head -40
        status=1
    fi
    if grep -nE 'type="(unfinished|vanished|obsolete)"' "$ts"; then
        echo "FAIL: $name has entries without a finished translation"
        status=1
    fi
done
exit $status
