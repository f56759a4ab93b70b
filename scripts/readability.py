#!/usr/bin/env python3
# SPDX-License-Identifier: Apache-2.0
"""Flesch-Kincaid grade level of the Self-report item wordings.

Reads src/model/ItemWordings.cpp (or the file named on the command line; "-" reads
standard input, e.g. `git show HEAD:src/model/ItemWordings.cpp | scripts/readability.py -`),
decodes the C string literals as Windows-1252 and prints the grade level of the 111
Self wordings taken together as one text, and the mean of the per-item grades.
With --list it also prints each Self wording with its grade, hardest first.

Standard library only. Syllables are counted with the usual vowel-group rule, which
is an estimate; compare figures from this script with each other, not with figures
from other tools.
"""

import argparse
import re
import sys
from pathlib import Path

DEFAULT_SOURCE = Path(__file__).resolve().parent.parent / "src" / "model" / "ItemWordings.cpp"

_ENTRY = re.compile(r"/\*\s*(\d+)\s*\*/\s*\{")
_SIMPLE_ESCAPES = {"n": "\n", "t": "\t", "\\": "\\", '"': '"', "'": "'", "?": "?", "0": "\0"}


def _read_literal(text, pos):
    """Decode the C string literal starting at text[pos] == '"'; return (bytes, end)."""
    assert text[pos] == '"'
    out = bytearray()
    i = pos + 1
    while True:
        c = text[i]
        if c == '"':
            return bytes(out), i + 1
        if c == "\\":
            nxt = text[i + 1]
            if nxt == "x":
                m = re.match(r"[0-9A-Fa-f]+", text[i + 2:])
                if not m:
                    raise ValueError(f"bad \\x escape at offset {i}")
                value = int(m.group(0), 16)
                if value > 0xFF:
                    raise ValueError(f"hex escape runs on past one byte at offset {i}: \\x{m.group(0)}")
                out.append(value)
                i += 2 + len(m.group(0))
                continue
            if nxt in _SIMPLE_ESCAPES:
                out.extend(_SIMPLE_ESCAPES[nxt].encode("latin-1"))
                i += 2
                continue
            raise ValueError(f"unsupported escape \\{nxt} at offset {i}")
        out.extend(c.encode("cp1252"))
        i += 1


def extract_wordings(source):
    """Return {item: (self, other)} from the C++ source text."""
    wordings = {}
    for m in _ENTRY.finditer(source):
        item = int(m.group(1))
        fields = [bytearray()]
        i = m.end()
        while True:
            c = source[i]
            if c == '"':
                lit, i = _read_literal(source, i)
                fields[-1].extend(lit)
            elif c == ",":
                fields.append(bytearray())
                i += 1
            elif c == "}":
                break
            elif c.isspace():
                i += 1
            else:
                raise ValueError(f"item {item}: unexpected {c!r} in entry")
        if len(fields) != 2:
            raise ValueError(f"item {item}: expected two wordings, found {len(fields)}")
        wordings[item] = tuple(bytes(f).decode("cp1252") for f in fields)
    return wordings


def syllables(word):
    w = re.sub(r"[^a-z]", "", word.lower())
    if not w:
        return 0
    count = len(re.findall(r"[aeiouy]+", w))
    if w.endswith("e") and not w.endswith(("le", "ee", "ye")) and count > 1:
        count -= 1  # silent final e: "make", "these"
    if w.endswith("ed") and not w.endswith(("ted", "ded")) and count > 1:
        count -= 1  # "-ed" said without a vowel: "asked", "stressed"
    return max(count, 1)


def words(text):
    # A word holds at least one letter; signs such as "+" or "÷" are not words.
    return [t for t in re.split(r"[\s\u2013\u2014/]+", text) if re.search(r"[A-Za-z]", t)]


def sentence_count(text):
    return max(len([s for s in re.split(r"[.!?]+", text) if words(s)]), 1)


def grade(text):
    ws = words(text)
    if not ws:
        return 0.0
    syl = sum(syllables(w) for w in ws)
    return 0.39 * len(ws) / sentence_count(text) + 11.8 * syl / len(ws) - 15.59


def main(argv=None):
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("source", nargs="?", default=str(DEFAULT_SOURCE),
                        help="ItemWordings.cpp, or - for standard input")
    parser.add_argument("--list", action="store_true", help="also list each Self wording with its grade")
    args = parser.parse_args(argv)

    source = sys.stdin.read() if args.source == "-" else Path(args.source).read_text(encoding="utf-8")
    wordings = extract_wordings(source)
    if sorted(wordings) != list(range(1, 112)):
        print(f"expected items 1..111, found {len(wordings)} items", file=sys.stderr)
        return 1

    selfs = [wordings[i][0] for i in range(1, 112)]
    whole = grade(" ".join(selfs))
    per_item = [grade(s) for s in selfs]
    mean = sum(per_item) / len(per_item)
    n_words = sum(len(words(s)) for s in selfs)
    print(f"Self items: {len(selfs)}, words: {n_words}, words per item: {n_words / len(selfs):.2f}")
    print(f"Flesch-Kincaid grade, all Self items as one text: {whole:.2f}")
    print(f"Flesch-Kincaid grade, mean per Self item:         {mean:.2f}")
    if args.list:
        for g, item, s in sorted(zip(per_item, range(1, 112), selfs), reverse=True):
            print(f"{g:6.2f}  {item:3d}  {s}")
    return 0


if __name__ == "__main__":
    sys.exit(main())
