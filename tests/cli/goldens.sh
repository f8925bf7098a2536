#!/bin/sh
# goldens.sh [--record] ANAGROVE_FIND VERSION: runs ANAGROVE_FIND with each
# command line of cases.txt and compares what it prints, byte for byte, with
# cases.golden: the line, standard output as written, each line of standard
# error after "2> ", and the exit status after "-> ". The version is written
# as @VERSION@. With --record, or ANAGROVE_RECORD_GOLDENS set, rewrites
# cases.golden from this run instead. ANAGROVE_FIND_RUNNER, when set, runs the
# program (wine, for the Windows build), whose lines must then end in CR LF and
# are compared without the CR and without the line of --help that says so.
set -eu
record=${ANAGROVE_RECORD_GOLDENS:-}
runner=${ANAGROVE_FIND_RUNNER:-}
# wine reads the arguments in the locale's encoding, which LC_ALL=C makes ASCII.
[ -n "$runner" ] && runner="env LC_ALL=C.UTF-8 $runner"
cr=$(printf '\r')
[ "$1" = --record ] && { record=1; shift; }
find=$(cd "$(dirname "$1")" && pwd)/$(basename "$1") version=$2
here=$(cd "$(dirname "$0")" && pwd) work=$(mktemp -d)
[ -x "$find" ] || { echo "no program $find"; exit 1; }
trap 'rm -rf "$work"' EXIT
export LC_ALL=C
cd "$here"
grep -v '^#\|^$' cases.txt | while IFS= read -r line; do
    printf '$ %s\n' "$line"
    status=0
    sh -c "$runner \"\$0\" $line" "$find" </dev/null >"$work/out" 2>"$work/err" || status=$?
    if [ -n "$runner" ]; then
        grep -q -v "$cr\$" "$work/out" "$work/err" && echo "(a line without CR LF)"
        sed -i -e "s/$cr\$//" -e '/^Every line written ends in CR LF\.$/d' "$work/out" "$work/err"
    fi
    sed "s/^anagrove-find $version\$/anagrove-find @VERSION@/" "$work/out"
    sed 's/^/2> /' "$work/err"
    echo "-> $status"
done >"$work/run"
if [ -n "$record" ]; then
    cp "$work/run" cases.golden
else
    diff -u --text cases.golden "$work/run"
fi
