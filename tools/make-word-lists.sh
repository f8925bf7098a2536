#!/bin/sh
# Builds data/standard.txt and data/extended.txt from Debian's scowl package.
#   standard: the english, american, british and canadian lists of sizes up to 70
#   extended: the same lists of sizes up to 80
# Only words made of lower-case a-z are kept (no proper names, abbreviations or
# possessives); the result is deduplicated, sorted bytewise, one word per line,
# CR LF line ends.
set -eu
scowl=${SCOWL_DIR:-/usr/share/dict/scowl}
out=${1:-$(dirname "$0")/../data}
[ -d "$scowl" ] || { echo "scowl word lists not found in $scowl (apt-get install scowl)" >&2; exit 1; }

build() { # build MAXSIZE FILE
  max=$1
  for f in "$scowl"/english-* "$scowl"/american-* "$scowl"/british-* "$scowl"/canadian-*; do
    size=${f##*.}
    case $size in *[!0-9]*) continue ;; esac
    [ "$size" -le "$max" ] && cat "$f"
  done | LC_ALL=C grep -E '^[a-z]+$' | LC_ALL=C sort -u | sed 's/$/\r/' >"$2"
  echo "$2: $(wc -l <"$2") words"
}

build 70 "$out/standard.txt"
build 80 "$out/extended.txt"
