#!/usr/bin/python3
"""Builds the game's text font, graphisme/CHOWFUN_.TTF, and its licence file.

The font is Comic Neue Bold (SIL Open Font License 1.1, no Reserved Font
Name) from the Debian package fonts-comic-neue: its cubic CFF outlines are
turned into the quadratic TrueType outlines of a glyf table and its family is
renamed "CHOW FUN", the family the game asks for. The licence, taken from the
package's copyright file, is written beside it.

usage: make_font.py SOURCE.otf DEBIAN_COPYRIGHT OUTPUT.ttf OUTPUT_LICENSE.txt
"""
import sys
import textwrap

from fontTools.pens.cu2quPen import Cu2QuPen
from fontTools.pens.ttGlyphPen import TTGlyphPen
from fontTools.ttLib import TTFont, newTable

FAMILY = "CHOW FUN"
STYLE = "Bold"
POSTSCRIPT_NAME = "CHOWFUN-Bold"
# Largest distance, in font units (1000 per em), between a cubic curve and
# the quadratic curves that replace it.
MAX_ERROR = 1.0


def to_truetype(font):
    order = font.getGlyphOrder()
    cubic = font.getGlyphSet()
    glyf = newTable("glyf")
    glyf.glyphOrder = order
    glyf.glyphs = {}
    for name in order:
        pen = TTGlyphPen(cubic)
        # CFF contours run counter-clockwise, TrueType ones clockwise.
        cubic[name].draw(Cu2QuPen(pen, MAX_ERROR, reverse_direction=True))
        glyf.glyphs[name] = pen.glyph()
    del font["CFF "]
    if "VORG" in font:
        del font["VORG"]
    font["glyf"] = glyf
    font["loca"] = newTable("loca")
    glyf.compile(font)

    hmtx = font["hmtx"]
    for name, glyph in glyf.glyphs.items():
        if hasattr(glyph, "xMin"):
            hmtx[name] = (hmtx[name][0], glyph.xMin)

    maxp = newTable("maxp")
    maxp.tableVersion = 0x00010000
    maxp.maxZones = 1
    for field in ("maxTwilightPoints", "maxStorage", "maxFunctionDefs", "maxInstructionDefs",
                  "maxStackElements", "maxSizeOfInstructions"):
        setattr(maxp, field, 0)
    maxp.maxComponentElements = max(
        (len(getattr(g, "components", [])) for g in glyf.glyphs.values()), default=0)
    font["maxp"] = maxp
    maxp.compile(font)

    post = font["post"]
    post.formatType = 2.0
    post.extraNames = []
    post.mapping = {}
    post.glyphOrder = order
    font["head"].glyphDataFormat = 0
    font.sfntVersion = "\x00\x01\x00\x00"


def rename(font):
    name = font["name"]
    version = font["head"].fontRevision
    for record in list(name.names):
        if record.nameID in (1, 3, 4, 6, 16, 17, 18, 21, 22):
            name.removeNames(nameID=record.nameID)
    values = {
        1: FAMILY,
        2: STYLE,
        3: "%.3f;%s" % (version, POSTSCRIPT_NAME),
        4: "%s %s" % (FAMILY, STYLE),
        6: POSTSCRIPT_NAME,
        10: "Comic Neue Bold with TrueType outlines, renamed %s for the Sudoku game." % FAMILY,
        16: FAMILY,
        17: STYLE,
    }
    for name_id, text in values.items():
        name.setName(text, name_id, 3, 1, 0x409)
    for record in name.names:
        text = record.toUnicode()
        if record.nameID not in (0, 8, 9, 10, 11, 12, 13, 14) and "Comic" in text:
            raise SystemExit("make_font.py: name %d still says %r" % (record.nameID, text))


def licence_text(copyright_path):
    """The Copyright and License fields of the 'Files: *' paragraph."""
    with open(copyright_path, encoding="utf-8") as f:
        paragraphs = f.read().split("\n\n")
    fonts = next((p for p in paragraphs if p.startswith("Files: *")), None)
    if fonts is None or "SIL OPEN FONT LICENSE" not in fonts:
        raise SystemExit("make_font.py: no SIL Open Font License found in " + copyright_path)
    holders, licence, field = [], [], None
    for line in fonts.splitlines():
        if not line.startswith(" "):
            field, _, value = line.partition(":")
            if field == "Copyright":
                holders.append(value.strip())
            continue
        if field == "Copyright":
            holders.append(line.strip())
        elif field == "License":
            licence.append("" if line.strip() == "." else line)
    body = textwrap.dedent("\n".join(licence))
    return "\n".join(
        [
            "%s (graphisme/CHOWFUN_.TTF)" % FAMILY,
            "",
            "This font is Comic Neue Bold, converted from CFF to TrueType outlines",
            "and renamed \"%s\" for this game. Comic Neue declares no Reserved" % FAMILY,
            "Font Name. The font stays under the SIL Open Font License 1.1 below.",
            "",
        ]
        + ["Copyright " + h for h in holders]
        + ["", body.strip(), ""]
    )


def main(argv):
    if len(argv) != 5:
        raise SystemExit(__doc__)
    source, copyright_path, out_font, out_licence = argv[1:]
    font = TTFont(source)
    if "CFF " not in font:
        raise SystemExit("make_font.py: %s has no CFF outlines" % source)
    to_truetype(font)
    rename(font)
    font.save(out_font)
    with open(out_licence, "w", encoding="utf-8") as f:
        f.write(licence_text(copyright_path))


if __name__ == "__main__":
    main(sys.argv)
