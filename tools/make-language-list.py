#!/usr/bin/env python3
"""Builds one language's word list from a Debian word source and its alphabet.

    make-language-list.py ALPHABET SOURCE KIND LIST SUMMARY

ALPHABET is a file of data/alphabets; SOURCE a word file, gzip-compressed or
not; KIND says how SOURCE is laid out:
  game       a playing form in upper case a line (tanglet-data); a line of
             several fields is a phrase with spaces
  spellings  a playing form, then the spellings it stands for, if any
             (tanglet-data's German, French and Dutch)
  dictionary a spelling a line (witalian): proper names (a capital first) and
             entries with an apostrophe are left out
Each word is read in the alphabet's lower case and split into its tiles by the
longest form at each place, as the program splits it. Words of one tile, of
more than 63 tiles, and words that do not split are left out and counted.

LIST is written in the format of data/sources/README.md; SUMMARY counts the
words kept and left out, and why. The output depends on the inputs alone.
"""
import collections
import gzip
import re
import sys
import unicodedata

MOST_TILES = 63


def read_alphabet(path):
    """The alphabet's code, its lower-case table and its forms (text -> tile texts)."""
    code, lower, tiles, forms, folds = None, {}, [], {}, []
    with open(path, encoding="utf-8-sig") as f:
        for line in f:
            fields = line.split()
            if not fields or fields[0].startswith("#"):
                continue
            key = fields[0]
            if key == "language":
                code = fields[1]
            elif key == "tile":
                upper, low = fields[1], fields[2]
                if len(upper) == len(low):
                    lower.update((u, l) for u, l in zip(upper, low) if u != l)
                tiles.append((low, fields[5:]))
            elif key == "case":
                lower[fields[1]] = fields[2]
            elif key == "fold":
                if fields[1] != "-":
                    lower[fields[1]] = fields[2]
                folds.append((fields[2], fields[3]))
    table = str.maketrans(lower)
    for low, aliases in tiles:
        forms[low] = [low]
        for alias in aliases:
            forms[alias.translate(table)] = [low]
    for text, target in folds:
        # A fold's text is read as tiles on its own.
        forms[text] = split_forms(forms, target)
    return code, table, forms


def split_forms(forms, text):
    pattern = tile_pattern(forms)
    return [m.group(1) for m in pattern.finditer(text)]


def tile_pattern(forms):
    # The longest form first: at each place the first alternative that
    # matches is the longest; a character that no form begins with is group 2.
    alternatives = sorted(forms, key=lambda t: (-len(t), t))
    return re.compile("(" + "|".join(map(re.escape, alternatives)) + ")|(.)", re.S)


class Splitter:
    def __init__(self, alphabet_path):
        self.code, self.lower, self.forms = read_alphabet(alphabet_path)
        self.pattern = tile_pattern(self.forms)

    def tiles(self, word):
        """The word's tiles (their lower-case texts), or the character at fault."""
        text = unicodedata.normalize("NFC", word).translate(self.lower)
        tiles = []
        for match in self.pattern.finditer(text):
            if match.group(2) is not None:
                return None, match.group(2)
            tiles.extend(self.forms[match.group(1)])
        return tiles, None


def source_lines(path, counts):
    opener = gzip.open if path.endswith(".gz") or is_gzip(path) else open
    with opener(path, "rb") as f:
        for raw in f:
            counts["lines"] += 1
            try:
                yield raw.rstrip(b"\r\n").decode("utf-8")
            except UnicodeDecodeError:
                counts["left out: not UTF-8"] += 1


def is_gzip(path):
    with open(path, "rb") as f:
        return f.read(2) == b"\x1f\x8b"


def entries(kind, line, counts, capital):
    """The (playing source, spellings) of a source line, or None when it is left out."""
    fields = line.split(" ")
    if not line or "\0" in line:
        counts["left out: empty or NUL"] += 1
        return None
    if kind == "dictionary":
        if "'" in line or "\u2019" in line:
            counts["left out: apostrophe"] += 1
            return None
        if capital(line[0]):
            counts["left out: proper name"] += 1
            return None
        if len(fields) > 1:
            counts["left out: spaces"] += 1
            return None
        return line, [line]
    if kind == "game" and len(fields) > 1:
        counts["left out: spaces"] += 1
        return None
    return fields[0], fields[1:]


def main():
    alphabet_path, source, kind, list_path, summary_path = sys.argv[1:]
    splitter = Splitter(alphabet_path)
    capital = lambda c: c.translate(splitter.lower) != c
    counts = collections.Counter()
    faults = collections.Counter()
    words = collections.defaultdict(set)  # playing form -> spellings
    for line in source_lines(source, counts):
        entry = entries(kind, line, counts, capital)
        if entry is None:
            continue
        playing, spellings = entry
        # A spelling gives its own playing form: German "Häuser" keeps Ä where
        # the source's form has AE.
        for text in spellings or [playing]:
            tiles, fault = splitter.tiles(text)
            if tiles is None:
                counts["left out: not the alphabet's tiles"] += 1
                faults[fault] += 1
            elif len(tiles) < 2:
                counts["left out: one tile"] += 1
            elif len(tiles) > MOST_TILES:
                counts["left out: more than 63 tiles"] += 1
            else:
                counts["kept"] += 1
                form = "".join(tiles)
                words[form].update([unicodedata.normalize("NFC", text)] if spellings else [])
    with open(list_path, "w", encoding="utf-8", newline="\n") as out:
        out.write(f"#alphabet {splitter.code}\n")
        for form in sorted(words, key=lambda w: w.encode("utf-8")):
            spellings = sorted(words[form], key=lambda w: w.encode("utf-8"))
            if spellings and spellings != [form]:
                out.write(form + "\t" + "\t".join(spellings) + "\n")
            else:
                out.write(form + "\n")
    with open(summary_path, "w", encoding="utf-8", newline="\n") as out:
        out.write(f"language\t{splitter.code}\n")
        out.write(f"source lines\t{counts['lines']}\n")
        out.write(f"words\t{len(words)}\n")
        # Spellings that make the playing form of another are one word with it
        # ("perché" and "perchè"; "Aal" and "aal").
        out.write(f"spellings joined to a word\t{counts['kept'] - len(words)}\n")
        for reason in sorted(k for k in counts if k.startswith("left out")):
            out.write(f"{reason}\t{counts[reason]}\n")
        for char, n in sorted(faults.items(), key=lambda kv: (-kv[1], kv[0])):
            out.write(f"not a letter: {char} (U+{ord(char):04X})\t{n}\n")


if __name__ == "__main__":
    main()
