#!/usr/bin/python3
"""Cuts the trainer's own Song font out of a system Song font.

The program draws all its captions in a Song typeface. A full CJK font holds tens of thousands of
glyphs in tens of megabytes, and opening it alone keeps megabytes of it resident. This keeps only
the characters the program itself shows (every non-ASCII character of its sources and resources,
plus printable ASCII), with their embedded bitmaps, under a family name of its own. Characters
outside it, such as those of a web page, fall back to the full font.

    make_song_font.py [--family NAME] <source font> <face index> <output .ttf> <file or folder>...

The course's lessons have a cut of their own (--family "Keyvora Song Course"), added only when
the course window opens: their three thousand characters would make the main window's font
several times larger, and the main window keep more of it resident.
"""
import os
import sys

from fontTools import subset
from fontTools.ttLib import TTFont

FAMILY = "Keyvora Song"
TEXT_SUFFIXES = (".cpp", ".h", ".txt", ".html", ".in")


def characters(paths):
    found = {chr(c) for c in range(0x20, 0x7F)}
    # Punctuation the program builds at run time or a page of its own may use.
    found.update("，。、：；！？“”‘’（）《》【】—…·￥")
    for path in paths:
        files = []
        if os.path.isdir(path):
            for root, _dirs, names in os.walk(path):
                files += [os.path.join(root, n) for n in names if n.endswith(TEXT_SUFFIXES)]
        else:
            files.append(path)
        for name in sorted(files):
            with open(name, encoding="utf-8", errors="ignore") as f:
                found.update(c for c in f.read() if ord(c) > 0x7F and c.isprintable())
    return "".join(sorted(found))


def main():
    args = sys.argv[1:]
    family = FAMILY
    if args[:1] == ["--family"] and len(args) > 1:
        family, args = args[1], args[2:]
    if len(args) < 4:
        sys.exit(__doc__)
    source, index, output, paths = args[0], int(args[1]), args[2], args[3:]
    font = TTFont(source, fontNumber=index, lazy=False)
    options = subset.Options()
    options.layout_features = ["*"]
    options.name_IDs = ["*"]
    options.name_languages = ["*"]
    options.notdef_outline = True
    options.hinting = True
    options.legacy_kern = True
    options.drop_tables = [t for t in options.drop_tables if t not in ("EBDT", "EBLC", "EBSC")]
    options.drop_tables += ["BDF ", "FFTM"]
    subsetter = subset.Subsetter(options)
    subsetter.populate(text=characters(paths))
    subsetter.subset(font)
    for record in font["name"].names:
        if record.nameID in (1, 16):
            record.string = family
        elif record.nameID in (3, 4):
            record.string = family
        elif record.nameID == 6:
            record.string = family.replace(" ", "")
    os.makedirs(os.path.dirname(os.path.abspath(output)), exist_ok=True)
    temporary = output + ".part"
    font.save(temporary)
    os.replace(temporary, output)


if __name__ == "__main__":
    main()
