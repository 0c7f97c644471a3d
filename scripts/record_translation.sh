#!/usr/bin/env bash
# Keeps the translated help files and metainfo in step with the English.
# Each language records, in translations/made_from_<lang>.txt, checksums of
# the English texts its help file (assets/help.<lang>.txt) and its metainfo
# paragraphs were translated from.
#
#   scripts/record_translation.sh de fr      after bringing the German and
#                                            French help files and metainfo
#                                            up to date with today's English:
#                                            records them as made from it
#   scripts/record_translation.sh --check    for every language with a
#                                            catalogue (translations/quib_*.ts):
#                                            fails when its help file, desktop
#                                            entry or metainfo is missing, or
#                                            when the English changed since
#                                            the translation was made
set -uo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
metainfo=$root/dist/quib.metainfo.xml.in
desktop=$root/dist/quib.desktop.in

# The English summary and description of the metainfo.
english_metainfo() {
    awk '/<summary>/ { print }
         /^[[:space:]]*<p>[[:space:]]*$/ { inside = 1 }
         inside { print }
         /<\/p>/ { inside = 0 }' "$metainfo"
}
help_sum() { sha256sum "$root/assets/help.txt" | cut -d' ' -f1; }
metainfo_sum() { english_metainfo | sha256sum | cut -d' ' -f1; }

record() {
    local lang=$1 file=$root/translations/made_from_$1.txt
    [[ -f $root/translations/quib_$lang.ts ]] || { echo "no catalogue translations/quib_$lang.ts" >&2; return 1; }
    {
        echo "# The English texts the $lang help file and metainfo were translated from:"
        echo "# written by scripts/record_translation.sh $lang once they say what the English says."
        echo "help.txt $(help_sum)"
        echo "metainfo $(metainfo_sum)"
    } >"$file"
    echo "recorded ${file#"$root"/}"
}

check() {
    local lang=$1 file=$root/translations/made_from_$1.txt status=0
    local fix="bring it up to date with the English, then run scripts/record_translation.sh $lang"
    [[ -s $root/assets/help.$lang.txt ]] || { echo "FAIL: $lang: assets/help.$lang.txt is missing"; status=1; }
    for key in Name GenericName Comment Keywords; do
        grep -q "^$key\[$lang\]=." "$desktop" || { echo "FAIL: $lang: the desktop entry has no $key[$lang]"; status=1; }
    done
    grep -q "<summary xml:lang=\"$lang\">" "$metainfo" ||
        { echo "FAIL: $lang: the metainfo has no summary in $lang"; status=1; }
    [[ $(grep -c "<p xml:lang=\"$lang\">" "$metainfo") == $(english_metainfo | grep -c '<p>') ]] ||
        { echo "FAIL: $lang: the metainfo's description has not every paragraph in $lang"; status=1; }
    if [[ ! -f $file ]]; then
        echo "FAIL: $lang: translations/made_from_$lang.txt is missing: $fix"
        return 1
    fi
    grep -qx "help.txt $(help_sum)" "$file" ||
        { echo "FAIL: $lang: help.txt changed since assets/help.$lang.txt was made: $fix"; status=1; }
    grep -qx "metainfo $(metainfo_sum)" "$file" ||
        { echo "FAIL: $lang: the metainfo's English changed since its $lang paragraphs were made: $fix"; status=1; }
    return $status
}

if [[ ${1:-} == --check ]]; then
    status=0 count=0
    for ts in "$root"/translations/quib_*.ts; do
        [[ -e $ts ]] || continue
        lang=${ts##*/quib_}
        lang=${lang%.ts}
        check "$lang" || status=1
        count=$((count + 1))
    done
    ((count > 0)) || { echo "FAIL: no catalogues in translations/"; exit 1; }
    ((status == 0)) && echo "$count languages in step with the English"
    exit $status
fi
(($# > 0)) || { sed -n '2,16p' "$0" | sed 's/^# \{0,1\}//'; exit 2; }
for lang in "$@"; do record "$lang" || exit 1; done
