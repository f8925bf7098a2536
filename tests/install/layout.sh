#!/bin/sh
# Checks an installed prefix: exactly the expected files, and the installed
# anagrove-find, run from another directory, lists what the build's own copy
# lists from each shipped word list.
# Usage: layout.sh PREFIX BUILT_ANAGROVE_FIND
set -u
prefix=${1:?usage: layout.sh PREFIX BUILT_ANAGROVE_FIND}
built=${2:?usage: layout.sh PREFIX BUILT_ANAGROVE_FIND}
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
status=0

(cd "$prefix" && find . -type f | sed 's|^\./||' | LC_ALL=C sort) >"$work/files"
if ! diff -u "$here/expected-files.txt" "$work/files"; then
    echo "the installed files differ from the expected ones"
    status=1
fi

cd "$work"
for args in "tea*" "--dictionary extended --sort score retains*"; do
    # shellcheck disable=SC2086 # the arguments are split on purpose
    "$prefix/bin/anagrove-find" $args >installed.out 2>&1
    "$built" $args >built.out 2>&1
    if ! cmp -s built.out installed.out || [ ! -s built.out ]; then
        echo "anagrove-find $args: the installed copy lists otherwise than the built one"
        diff built.out installed.out | head
        status=1
    fi
done
[ $status -eq 0 ] && echo "the installed files are complete and anagrove-find finds its lists"
exit $status
