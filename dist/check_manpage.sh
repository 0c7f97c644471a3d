#!/usr/bin/env bash
# Checks the manual page against the game: every environment variable that
# the program reads (a getenv or qEnvironmentVariable call in the source) and
# every one the README tells the player to set is named under ENVIRONMENT, and
# groff finds nothing to warn about. A variable read through anything but a
# quoted name cannot be checked, so it fails the check too.
#   dist/check_manpage.sh MANPAGE SOURCE_DIR README
set -uo pipefail
page=$1 src=$2 readme=$3
status=0

readers='\b(secure_getenv|getenv|qgetenv|qEnvironmentVariable(IsSet|IsEmpty|IntValue)?)\s*\('
unnamed=$(grep -rnE --include='*.cpp' --include='*.h' "$readers" "$src" | grep -vE "$readers\"[A-Za-z_][A-Za-z0-9_]*\"")
if [[ -n $unnamed ]]; then
    echo "read without a quoted name, so not checked against the manual page:"
    echo "$unnamed"
    status=1
fi
read_by_program=$(grep -rhoE --include='*.cpp' --include='*.h' "$readers\"[A-Za-z_][A-Za-z0-9_]*\"" "$src" |
    grep -oE '"[^"]+"' | tr -d '"')
# `$NAME` or `NAME=value` in the README: a variable the player is told about.
promised=$(grep -oE '`\$[A-Z][A-Z0-9_]*|`[A-Z][A-Z0-9_]*=' "$readme" | tr -d '`$=')
names=$(printf '%s\n' $read_by_program $promised | sort -u)
[[ -n $read_by_program ]] || { echo "no environment read found under $src"; status=1; }

# The ENVIRONMENT section without font escapes, so that names stand as words.
section=$(awk '/^\.SH/ { on = ($2 == "ENVIRONMENT") } on' "$page" | sed 's/\\f[BIRP]//g')
[[ -n $section ]] || { echo "$page has no ENVIRONMENT section"; status=1; }
for name in $names; do
    grep -qw -- "$name" <<<"$section" || { echo "$name is not named under ENVIRONMENT in $page"; status=1; }
done

warnings=$(groff -ww -z -man "$page" 2>&1)
[[ -z $warnings ]] || { echo "$warnings"; status=1; }
((status == 0)) && echo "$page names $(wc -w <<<"$names") environment variables:" $names
exit $status
