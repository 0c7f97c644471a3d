#!/usr/bin/env bash
# Validates the desktop entry and the AppStream metainfo; any remark of the
# validators, even a warning or a hint, fails the check.
#   dist/check_metadata.sh FILE.desktop FILE.metainfo.xml
set -uo pipefail
status=0
out=$(desktop-file-validate "$1" 2>&1) || status=1
[[ -n $out ]] && { echo "$out"; status=1; }
out=$(appstreamcli validate --no-net "$2" 2>&1) || status=1
echo "$out"
grep -qE '^[EWI]: ' <<<"$out" && status=1
exit $status
