#!/bin/sh
# tools/make-word-lists.sh, run into a scratch directory, makes exactly the
# committed lists of the source tree given. Skipped (77) without scowl.
set -eu
src=$1
[ -d "${SCOWL_DIR:-/usr/share/dict/scowl}" ] || { echo "scowl is not installed"; exit 77; }
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
sh "$src/tools/make-word-lists.sh" "$out"
for list in standard.txt extended.txt; do
  cmp "$out/$list" "$src/data/$list" || {
    echo "$list differs from the script's output; the shipped lists were built with scowl" \
      "2020.12.07-2, this is $(dpkg-query -W -f='${Version}' scowl 2>/dev/null || echo unknown)"
    exit 1
  }
done
