#!/bin/sh
# Builds data/standard.txt and data/extended.txt (see data/sources/README.md).
#   standard: ENABLE (data/sources/enable1.txt), plus SCOWL's english and
#             american words of sizes up to 50
#   extended: the standard list, plus SCOWL's english, american, british and
#             canadian words of sizes up to 80
# SCOWL comes from Debian's scowl package. Only its *-words files are read, so
# no abbreviations, contractions or proper names come in; of those, only words
# of two or more letters a-z are kept. Each list is deduplicated, sorted
# bytewise, one word per line with CR LF line ends, and must fit the program's
# 265,062 words.
#
# "make-word-lists.sh --language CODE DIR" builds the list of another language
# instead, DIR/CODE.txt with its summary DIR/CODE.summary (how many words were
# kept and left out, and why), from Debian's tanglet-data and witalian with the
# alphabet data/alphabets/CODE.txt (see data/sources/README.md). The build makes
# these lists in the build tree; "--languages DIR" makes all of them.
set -eu
here=$(dirname "$0")/..
languages="es fr de pl ca nl pt pt-BR it"

# language CODE DIR: the list of one language other than English.
language() {
  tanglet=${TANGLET_DIR:-/usr/share/tanglet/gamedata}
  case $1 in
    fr | de | nl) source=$tanglet/$1/words kind=spellings ;;
    es | pl | ca | pt) source=$tanglet/$1/words kind=game ;;
    pt-BR) source=$tanglet/pt_BR/words kind=game ;;
    it) source=${ITALIAN_WORDS:-/usr/share/dict/italian} kind=dictionary ;;
    *) echo "no word list for language \"$1\"; known: $languages" >&2; exit 2 ;;
  esac
  [ -f "$source" ] || { echo "$source not found (apt-get install tanglet-data witalian)" >&2; exit 1; }
  mkdir -p "$2"
  "${PYTHON:-python3}" "$here/tools/make-language-list.py" "$here/data/alphabets/$1.txt" "$source" "$kind" \
    "$2/$1.txt.part" "$2/$1.summary"
  mv "$2/$1.txt.part" "$2/$1.txt"
}
case "${1:-}" in
  --language) language "$2" "$3"; exit 0 ;;
  --languages) for code in $languages; do language "$code" "$2"; done; exit 0 ;;
esac

enable=$here/data/sources/enable1.txt
enable_sha256=3f16130220645692ed49c7134e24a18504c2ca55b3c012f7290e3e77c63b1a89
scowl=${SCOWL_DIR:-/usr/share/dict/scowl}
out=${1:-$here/data}
cap=265062

[ -d "$scowl" ] || { echo "scowl word lists not found in $scowl (apt-get install scowl)" >&2; exit 1; }
echo "$enable_sha256  $enable" | sha256sum -c --quiet - ||
  { echo "$enable is not the expected ENABLE list" >&2; exit 1; }

# scowl_words MAXSIZE REGION...: the words files of those regions up to that size.
scowl_words() {
  max=$1
  shift
  for region in "$@"; do
    for f in "$scowl/$region-words".*; do
      size=${f##*.}
      case $size in '' | *[!0-9]*) continue ;; esac
      if [ "$size" -le "$max" ]; then cat "$f"; fi
    done
  done
}

# write FILE: the words on standard input as a list the program reads.
write() {
  LC_ALL=C grep -E '^[a-z][a-z]+$' | LC_ALL=C sort -u | sed 's/$/\r/' >"$1"
  words=$(wc -l <"$1")
  [ "$words" -le "$cap" ] || { echo "$1: $words words, more than $cap" >&2; exit 1; }
  echo "$1: $words words"
}

{ cat "$enable"; scowl_words 50 english american; } | write "$out/standard.txt"
{ tr -d '\r' <"$out/standard.txt"; scowl_words 80 english american british canadian; } |
  write "$out/extended.txt"
