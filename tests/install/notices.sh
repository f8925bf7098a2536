#!/bin/sh
# Every language that anagrove-find lists beside English has its notices: the
# Debian copyright file gives its files (languages/CODE.*) the licence that
# --list-languages prints, and COPYING.word-lists, the sources' notes and the
# Windows notices name its list.
#   notices.sh SOURCE_DIR FIND
set -u
src=${1:?usage: notices.sh SOURCE_DIR FIND} find=${2:?no FIND} status=0 list=$(mktemp)
trap 'rm -f "$list"' EXIT
fail() { echo "$*"; status=1; }
# DEP-5 names GPL-2 what the program calls GPL-2.0.
dep5() { sed 's/GPL-\([0-9]\)\.0/GPL-\1/g'; }
# licence_of CODE: the License line of the copyright paragraph whose files hold languages/CODE.*
licence_of() {
    awk -v RS= -v files="languages/$1.*" '{
        n = split($0, lines, "\n")
        for (i = 1; i <= n; ++i) if (lines[i] ~ /^Files:/) split(lines[i], names, " ")
        for (j in names) if (names[j] == files)
            for (i = 1; i <= n; ++i) if (lines[i] ~ /^License:/) print substr(lines[i], 10)
        delete names }' "$src/dist/debian/copyright"
}
languages=$("$find" --list-languages) || { echo "anagrove-find --list-languages failed"; exit 1; }
[ "$(echo "$languages" | wc -l)" -gt 1 ] || fail "anagrove-find lists no language beside English"
echo "$languages" | awk -F '\t' '$1 != "en" { print $1 "\t" $6 }' >"$list"
while IFS="$(printf '\t')" read -r code licence; do
    got=$(licence_of "$code")
    want=$(echo "$licence" | dep5)
    [ "$got" = "$want" ] ||
        fail "$code: the Debian copyright file gives languages/$code.* '$got', the program '$licence'"
    grep -q "[ (]$code\.txt\b" "$src/data/COPYING.word-lists" || fail "$code: not in COPYING.word-lists"
    [ "$(grep -c "^| $code |" "$src/data/sources/README.md")" -eq 2 ] ||
        fail "$code: not in both tables of data/sources/README.md"
    grep -q "\b$code\.txt\b" "$src/dist/windows/NOTICES.txt.in" || fail "$code: not in the Windows notices"
done <"$list"
exit $status
