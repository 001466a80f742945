#!/usr/bin/python3
"""Writes the Mincho subset the page draws its texts with.

Usage: font_subset.py SOURCE_ROOT FONT OUTPUT_WOFF2 OUTPUT_CHARACTERS

The subset holds printable ASCII and every other character of the engine's sources and of
the translations, which hold every text the graphs and the printed class sets show. Under the
font's licence a subset is a derived font: it must carry a name of its own, so its family
becomes "Tessaly Mincho Subset".
"""
import pathlib
import sys

from fontTools import subset
from fontTools.ttLib import TTFont

ROOMS = ("complex", "core", "surface", "graph", "programs", "resources", "tools", "po")
# The texts a printed class set adds: its header and its answer key's heading.
FILES = ("interaction/class_set.cpp",)
FAMILY = "Tessaly Mincho Subset"


def translations(path):
    """The translated texts of a .po file (its msgstr strings), without the sources beside them."""
    out, in_msgstr = [], False
    for line in path.read_text(encoding="utf-8").splitlines():
        if line.startswith("msgstr"):
            in_msgstr = True
        elif not line.startswith('"'):
            in_msgstr = False
        if in_msgstr:
            out.append(line)
    return "\n".join(out)


def engine_characters(root):
    chars = {chr(c) for c in range(0x20, 0x7F)}
    paths = [path for room in ROOMS for path in sorted((root / room).rglob("*"))]
    for path in paths + [root / name for name in FILES]:
        if path.suffix in (".cpp", ".h"):
            text = path.read_text(encoding="utf-8")
        elif path.suffix == ".po":
            text = translations(path)
        else:
            continue
        chars.update(c for c in text if ord(c) > 0x7F)
    return "".join(sorted(chars))


def rename(font):
    for record in font["name"].names:
        if record.nameID in (1, 16):
            record.string = FAMILY
        elif record.nameID in (3, 4):
            record.string = FAMILY
        elif record.nameID == 6:
            record.string = FAMILY.replace(" ", "")
        elif record.nameID == 2:
            record.string = "Regular"


def main():
    root, font_path, output, characters_path = sys.argv[1:5]
    text = engine_characters(pathlib.Path(root))
    options = subset.Options()
    options.flavor = "woff2"
    options.name_IDs = [0, 1, 2, 3, 4, 5, 6, 7, 13, 14, 16]
    options.name_languages = ["*"]
    options.notdef_outline = True
    options.layout_features = []
    # Without the TrueType hinting instructions: two fifths of the file. Chromium on Linux
    # (FreeType's light hinting) draws every glyph of the subset the same without them.
    options.hinting = False
    font = TTFont(font_path)
    subsetter = subset.Subsetter(options)
    subsetter.populate(text=text)
    subsetter.subset(font)
    rename(font)
    font.flavor = "woff2"
    font.save(output)
    pathlib.Path(characters_path).write_text(text, encoding="utf-8")


if __name__ == "__main__":
    main()
