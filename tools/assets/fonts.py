"""The numbers face gfx/fonts/font2.ttf: Quicksand Bold (Debian's
fonts-quicksand, OFL) made taller and narrower, with tight side bearings,
so that clue numbers of small cells stand tall while two digits of one
number sit close and neighbouring numbers keep wide room between them.
Its line box is centred on the digits, so text centred by its height
centres the digits. Renamed, as the licence asks of a modified font."""

import os

from fontTools.ttLib import TTFont
from fontTools.ttLib.tables import ttProgram

from kit import QUICKSAND, out_path

SOURCE = QUICKSAND
SOURCE_LICENCE = "/usr/share/doc/fonts-quicksand/copyright"
FAMILY = "Sorvanta Numerals"
# Digits 7/9 em tall (Quicksand's are 0.70 em): 14 px at 18 px, whole
# pixels from the baseline, so their tops stay crisp.
TALL = (7 / 9) / 0.70
NARROW = 0.80
BEARING = 24  # font units each side of every glyph
MARGIN = 150  # font units of line box above and below the digits


def _scaled(glyph):
    if glyph.isComposite():
        for c in glyph.components:
            c.x, c.y = int(round(c.x * NARROW)), int(round(c.y * TALL))
    elif glyph.numberOfContours > 0:
        glyph.coordinates.scale((NARROW, TALL))
        glyph.coordinates.toInt()
    if hasattr(glyph, "program"):
        glyph.program = ttProgram.Program()
        glyph.program.fromBytecode(b"")


def numbers_face():
    font = TTFont(SOURCE, recalcTimestamp=False)
    glyf, hmtx = font["glyf"], font["hmtx"]
    # hinting programs are written for the unscaled outlines
    for tag in ("fpgm", "prep", "cvt ", "GPOS", "GSUB", "GDEF"):
        if tag in font:
            del font[tag]
    for name in font.getGlyphOrder():
        _scaled(glyf[name])
    for name in font.getGlyphOrder():
        g = glyf[name]
        g.recalcBounds(glyf)
        advance, _lsb = hmtx[name]
        if g.numberOfContours == 0:
            hmtx[name] = (int(round(advance * NARROW)), 0)
            continue
        shift = BEARING - g.xMin
        if g.isComposite():
            for c in g.components:
                c.x += shift
        else:
            g.coordinates.translate((shift, 0))
        g.recalcBounds(glyf)
        hmtx[name] = (g.xMax - g.xMin + 2 * BEARING, g.xMin)
    top = int(round(700 * TALL)) + MARGIN
    hhea, os2 = font["hhea"], font["OS/2"]
    hhea.ascent, hhea.descent, hhea.lineGap = top, -MARGIN, 0
    os2.sTypoAscender, os2.sTypoDescender, os2.sTypoLineGap = top, -MARGIN, 0
    os2.usWinAscent, os2.usWinDescent = top, MARGIN
    os2.sCapHeight = int(round(700 * TALL))
    os2.fsSelection |= 1 << 7  # the typographic metrics above are the ones to use
    names = font["name"]
    names.names = [r for r in names.names if r.nameID in (0, 13, 14)]
    for nid, text in ((1, FAMILY), (2, "Bold"), (3, FAMILY.replace(" ", "") + "-Bold;1.0"),
                      (4, FAMILY + " Bold"), (5, "Version 1.000; made from Quicksand Bold 3.000"),
                      (6, FAMILY.replace(" ", "") + "-Bold")):
        names.setName(text, nid, 3, 1, 0x409)
    font["head"].fontRevision = 1.0
    return font


def make_all():
    if not os.path.exists(SOURCE):
        raise SystemExit("fonts: %s missing (Debian package fonts-quicksand)" % SOURCE)
    font = numbers_face()
    path = out_path("gfx/fonts/font2.ttf")
    font.save(path, reorderTables=True)
    if os.path.exists(SOURCE_LICENCE):
        with open(SOURCE_LICENCE) as src:
            text = src.read()
        with open(out_path("gfx/fonts/font2-LICENSE.txt"), "w") as out:
            out.write("font2.ttf is \"%s\", a modified version of Quicksand Bold made by\n"
                      "tools/assets/fonts.py (taller, narrower glyphs, tight side bearings,\n"
                      "no hinting); it is under the same licence:\n\n" % FAMILY)
            out.write(text)


if __name__ == "__main__":
    make_all()
