#!/usr/bin/python3
"""Extracts the course's word and character tables from three Debian word lists.

    extract_course_data.py --words american-english-small --blocklist word-blocklist.txt
                           --pinyin pinyin_simp.dict.yaml --wubi wubi86.dict.yaml
                           --output <folder> [--characters 3000] [--two 2000] [--phrases 1000]

Writes three UTF-8 files into the folder, tab-separated, with no header:

  words.txt    the lower-case English words of 2 to 12 letters, blocklist removed, by length
               then alphabetically, one a line;
  pinyin.tsv   字 char pinyin / 词 word syllables / 句 phrase syllables: the commonest
               characters of GB2312 level 1, two-character words and three- and four-character
               phrases, heaviest first by the pinyin table's weights;
  wubi86.tsv   字 char codes / 词 word codes: the Wubi 86 codes that commit each of those
               characters and words (shortest first), then the characters outside the list
               typed with one or two keys or with their key struck four times.

One frequency order serves both input methods: the pinyin table's weights keep web-count
artefacts and traditional characters of the Wubi table's weights out of the lessons.
"""
import argparse
import os
import re
import sys

WORD = re.compile(r"[a-z]{2,12}")
BLOCKED_SUFFIXES = ("", "s", "es", "ed", "ing")


def write_lines(path, lines):
    """Writes the file complete under a temporary name, then renames it, so that a reader
    never meets half a table."""
    temporary = path + ".part"
    try:
        with open(temporary, "w", encoding="utf-8", newline="\n") as f:
            f.writelines(line + "\n" for line in lines)
        os.replace(temporary, path)
    finally:
        # A failed write leaves nothing behind to be shipped with the tables.
        if os.path.exists(temporary):
            os.remove(temporary)


def read_blocklist(path):
    with open(path, encoding="utf-8") as f:
        roots = [line.strip() for line in f]
    return {root + suffix for root in roots if root and not root.startswith("#")
            for suffix in BLOCKED_SUFFIXES}


def english_words(path, blocked):
    with open(path, encoding="utf-8") as f:
        words = {line.rstrip("\n") for line in f}
    return sorted((w for w in words if WORD.fullmatch(w) and w not in blocked),
                  key=lambda w: (len(w), w))


def dictionary_entries(path):
    """Yields (text, code, weight) for every entry of a Rime dict.yaml: the body after the
    line "...", commented lines skipped, a missing weight counting 0."""
    with open(path, encoding="utf-8") as f:
        in_body = False
        for number, line in enumerate(f, 1):
            line = line.rstrip("\r\n")
            if not in_body:
                in_body = line == "..."
                continue
            if not line or line.startswith("#"):
                continue
            fields = line.split("\t")
            if len(fields) < 2:
                sys.exit(f"{path}:{number}: an entry needs a text and a code: {line!r}")
            weight = fields[2] if len(fields) > 2 and fields[2] else "0"
            try:
                value = float(weight)
            except ValueError:
                sys.exit(f"{path}:{number}: the weight is not a number: {line!r}")
            yield fields[0], fields[1], value
    if not in_body:
        sys.exit(f"{path}: no line '...' opens the table's body")


def is_common_hanzi(character):
    """GB2312 level 1: the 3755 commonest characters, two bytes with a first byte B0..D7.
    Traditional forms do not encode at all; level 2 starts at D8."""
    try:
        encoded = character.encode("gb2312")
    except UnicodeEncodeError:
        return False
    return len(encoded) == 2 and 0xB0 <= encoded[0] <= 0xD7


def pinyin_tables(path, characters, two, phrases):
    """The commonest characters with their commonest reading, then the heaviest words and
    phrases with their heaviest reading, each list heaviest first."""
    total = {}  # character: weight summed over its readings
    reading = {}  # text: (weight, syllables) of its heaviest reading, the first on a tie
    for text, code, weight in dictionary_entries(path):
        if not all(is_common_hanzi(c) for c in text):
            continue
        if len(text) == 1:
            total[text] = total.get(text, 0) + weight
        if text not in reading or weight > reading[text][0]:
            reading[text] = (weight, code)

    def heaviest(texts, weight_of, count):
        return sorted(texts, key=lambda t: (-weight_of(t), t))[:count]

    chars = heaviest(total, total.get, characters)
    words = heaviest([t for t in reading if len(t) == 2], lambda t: reading[t][0], two)
    longer = heaviest([t for t in reading if len(t) in (3, 4)], lambda t: reading[t][0], phrases)
    lines = [f"字\t{c}\t{reading[c][1]}" for c in chars]
    lines += [f"词\t{w}\t{reading[w][1]}" for w in words]
    lines += [f"句\t{p}\t{reading[p][1]}" for p in longer]
    return chars, words, lines


def code_order(code):
    return (len(code), code)


def is_key_name_code(code):
    return len(code) == 4 and len(set(code)) == 1


def is_simplified(character):
    """A character a simplified-Chinese input method offers: one of GB2312 (either level)."""
    try:
        return len(character.encode("gb2312")) == 2
    except UnicodeEncodeError:
        return False


def wubi_table(path, chars, words):
    """For each code, the character an input method commits with it: the heaviest of the
    characters with that code, the first on a tie; and the word it commits: the heaviest of the
    words with that code. Only GB2312 characters compete, so that a traditional or variant form
    whose web counts weigh more (顔 beside 颜) takes no code from the character a learner of
    simplified Chinese types. Codes with z (the wildcard key) are left out."""
    winner = {}  # (is a word, code): (weight, text)
    for text, code, weight in dictionary_entries(path):
        if "z" in code:
            continue
        if len(text) == 1 and not is_simplified(text):
            continue
        key = (len(text) > 1, code)
        if key not in winner or weight > winner[key][0]:
            winner[key] = (weight, text)
    codes = {}  # text: the codes it commits
    for (_word, code), (_weight, text) in winner.items():
        codes.setdefault(text, []).append(code)
    for committed in codes.values():
        committed.sort(key=code_order)

    def line(kind, text):
        return f"{kind}\t{text}\t{' '.join(codes[text])}"

    listed = set(chars)
    lines = [line("字", c) for c in chars if c in codes]

    # The lessons of short codes and key names also need the characters outside the common
    # list: 一级简码 and 二级简码 (one or two keys), 键名字 (the key four times, as 纟 xxxx).
    def drilled(code):
        return len(code) <= 2 or is_key_name_code(code)

    extra = {}
    for text, committed in codes.items():
        if len(text) == 1 and text not in listed:
            short = [c for c in committed if drilled(c)]
            if short:
                extra[text] = short[0]
    lines += [line("字", c) for c in sorted(extra, key=lambda c: code_order(extra[c]))]
    lines += [line("词", w) for w in words if w in codes]
    return lines


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("--words", required=True, help="wamerican-small's word list")
    parser.add_argument("--blocklist", required=True, help="words never to drill, one a line")
    parser.add_argument("--pinyin", required=True, help="pinyin_simp.dict.yaml")
    parser.add_argument("--wubi", required=True, help="wubi86.dict.yaml")
    parser.add_argument("--output", required=True, help="the folder to write the tables into")
    parser.add_argument("--characters", type=int, default=3000)
    parser.add_argument("--two", type=int, default=2000, help="two-character words")
    parser.add_argument("--phrases", type=int, default=1000, help="three- and four-character")
    args = parser.parse_args()

    os.makedirs(args.output, exist_ok=True)
    words = english_words(args.words, read_blocklist(args.blocklist))
    chars, two, pinyin = pinyin_tables(args.pinyin, args.characters, args.two, args.phrases)
    wubi = wubi_table(args.wubi, chars, two)
    write_lines(os.path.join(args.output, "words.txt"), words)
    write_lines(os.path.join(args.output, "pinyin.tsv"), pinyin)
    write_lines(os.path.join(args.output, "wubi86.tsv"), wubi)


if __name__ == "__main__":
    main()
