"""The asset check checks itself first: small files made here, sound and
broken, must be judged the way the game would judge them. Returns a list of
failures (empty when the checker is sound)."""

import base64
import struct
import zlib

import cell_marks
import colour
import decode
import fill_colours
import formats
import frame_continuity
import help_pages
import jpeg_means
import map_rules
import pixels
import puzzle
import story_rules
import text_reads


def _png(w=2, h=2, bad_crc=False, short=False):
    def chunk(kind, body):
        crc = zlib.crc32(kind + body) & 0xFFFFFFFF
        return struct.pack(">I", len(body)) + kind + body + struct.pack(">I", crc ^ (1 if bad_crc and kind == b"IDAT" else 0))
    raw = b"".join(b"\x00" + b"\x80" * (w * 4) for _ in range(h - (1 if short else 0)))
    return (decode.PNG_SIG + chunk(b"IHDR", struct.pack(">IIBBBBB", w, h, 8, 6, 0, 0, 0)) +
            chunk(b"IDAT", zlib.compress(raw)) + chunk(b"IEND", b""))


def _wav(frames=10):
    fmt = struct.pack("<HHIIHH", 1, 1, 44100, 88200, 2, 16)
    data = b"\x00\x00" * frames
    body = b"WAVE" + b"fmt " + struct.pack("<I", len(fmt)) + fmt + b"data" + struct.pack("<I", len(data)) + data
    return b"RIFF" + struct.pack("<I", len(body)) + body


# A 32 x 16 baseline JPEG (4:2:0) of two squares: (200, 40, 60) and (20, 90, 230).
_TWO_SQUARES = (
    "/9j/4AAQSkZJRgABAQAAAQABAAD/2wBDAAQDAwMDAgQDAwMEBAQFBgoGBgUFBgwICQcKDgwPDg4MDQ0PERYTDxAVEQ0NExoTFRcY"
    "GRkZDxIbHRsYHRYYGRj/2wBDAQQEBAYFBgsGBgsYEA0QGBgYGBgYGBgYGBgYGBgYGBgYGBgYGBgYGBgYGBgYGBgYGBgYGBgYGBgY"
    "GBgYGBgYGBj/wAARCAAQACADASIAAhEBAxEB/8QAFgABAQEAAAAAAAAAAAAAAAAAAAQH/8QAFBABAAAAAAAAAAAAAAAAAAAAAP/E"
    "ABUBAQEAAAAAAAAAAAAAAAAAAAgG/8QAFBEBAAAAAAAAAAAAAAAAAAAAAP/aAAwDAQACEQMRAD8AzMBOk4lAMYB3/9k="
)


def run():
    failures = []

    def expect(cond, what):
        if not cond:
            failures.append("self-test: " + what)

    expect(decode.check_png(_png()) is None, "a sound PNG passes")
    expect(decode.check_png(_png(bad_crc=True)) is not None, "a PNG with a bad CRC fails")
    expect(decode.check_png(_png(short=True)) is not None, "a PNG with missing rows fails")
    expect(decode.check_png(b"GIF89a") is not None, "a GIF is no PNG")
    expect(decode.check_wav(_wav()) is None, "a sound WAV passes")
    expect(decode.check_wav(_wav(0)) is not None, "a WAV without samples fails")
    expect(decode.check_jpeg(b"\xff\xd8\xff\xd9") is not None, "a JPEG without a frame fails")
    expect(decode.check_ogg(b"OggS" + b"\x00" * 40) is not None, "a broken Ogg page fails")
    expect(decode.check_text("caf\u00e9".encode("utf-8")) is not None, "UTF-8 without a mark is flagged")
    expect(decode.check_text(b"\xef\xbb\xbf" + "caf\u00e9".encode("utf-8")) is None, "UTF-8 with a mark passes")

    # data files: the game's own writer layout reads back; quirks as in the game
    root, err = formats.read_datafile(b'g {\n\tn = 2\n\ts = "a b", "c"\n\tsub {\n\t\tk = 1\n\t}\n\n\tafter = 3\n}\n')
    expect(err is None and formats.get(root, "G::N").strip() == "2", "number entry read back")
    expect(formats.get(root, "g::s", 1) == "c" and formats.get(root, "g::s") == "a b", "string values read back")
    expect(formats.get(root, "g::sub::k").strip() == "1" and formats.get(root, "g::after").strip() == "3",
           "entries after a subgroup stay in the outer group")
    expect(formats.read_datafile(b"g {\n\tn = 1\n")[1] is not None, "unbalanced braces are reported")
    root, _ = formats.read_datafile(b"g {\n\tlost = 1 }\n")
    expect(formats.get(root, "g::lost") == "", "an entry before its closing brace on one line is lost")

    # layouts: tokens, errors and declarations as the game reads them
    toks = [t for t, _ in formats.gui_tokens('TXT = "Hello world"\nA = 1;B = 2')]
    expect(toks == ["TXT", "=", "Hello world", "A", "=", "1", "B", "=", "2"], "layout tokens")
    widgets, _c, _s, errors = formats.read_layout("OBJECT btn x GFX = a.png }")
    expect(errors == [] and [w for w, _ in widgets] == ["BTN"], "any token serves as the opening brace")
    widgets, _c, _s, errors = formats.read_layout("OBJECT a {\n TXT = Hello world\n GFX = b.png\n}")
    expect(widgets == [] and any("Expected" in e and "GFX" in e for e in errors), "an unquoted caption breaks the body")
    widgets, _c, _s, _e = formats.read_layout("\ufeffOBJECT a { GFX = b.png }".encode("utf-8").decode("latin-1"))
    expect(widgets == [], "a byte-order mark hides the first declaration")
    _w, _c, _s, errors = formats.read_layout("OBJECT a { OVER = nothing }")
    expect(any("Couldn't find properties class" in e for e in errors), "an unknown state class is reported")

    # puzzle tables: the game's guards must never be needed by shipped content
    def colours(*ids):
        body = "".join('\tcolor%d {\n\t\tid = %d\n\t\trgb = 1, 2, 3\n\t\tshowRGB = 1, 2, 3\n'
                       '\t\timg0 = "a"\n\t\timg1 = "b"\n\t}\n\n' % (n + 1, i) for n, i in enumerate(ids))
        return formats.read_datafile(("colors {\n\ti = %d\n%s}\n" % (len(ids), body)).encode())[0]
    problems, images = puzzle.colour_table(colours(1, 2, 7))
    expect(problems == [] and len(images) == 30 and images[0] == (0, "a0.png"), "a sound colour table passes")
    for ids, what in (((2, 7), "a colour table without id 1 fails"), ((1, 20), "a colour id above 19 fails"),
                      ((1, 0), "a colour id 0 fails"), ((1, 2, 2), "a repeated colour id fails")):
        expect(puzzle.colour_table(colours(*ids))[0] != [], what)
    root = formats.read_datafile(b"colors {\n\ti = 2\n\tcolor1 {\n\t\tid = 1\n\t}\n\n}\n")[0]
    expect(len(puzzle.colour_table(root)[0]) >= 3, "a colour without values or a counted colour missing fails")

    def tiles(*ids):
        body = "".join("\ttile%d {\n\t\tid = %d\n%s\t}\n\n" % (n + 1, i, "".join(
            '\t\tgfx%d = "p%d.png"\n' % (s, s) for s in range(5))) for n, i in enumerate(ids))
        return formats.read_datafile(("tiles {\n\ti = %d\n%s}\n" % (len(ids), body)).encode())[0]
    expect(puzzle.tile_table(tiles(1, 2))[0] == [] and len(puzzle.tile_table(tiles(1, 2))[1]) == 10,
           "a sound piece table passes")
    expect(any("id 0" in p for p in puzzle.tile_table(tiles(1, 0))[0]), "a picture piece of id 0 fails")
    root = formats.read_datafile(b'particles {\n\ti = 9\n' + b"".join(
        b'\tp%d = "x.png"\n' % k for k in range(9)) + b"}\n")[0]
    expect(any("p9" in p for p in puzzle.particle_table(root)[0]), "a particle list short of image 9 fails")

    # layouts, frame handles and picture sizes
    expect(puzzle.missing_widgets("l.gui", ["RESTART"], ["restart", "mainMenu"]) ==
           ["l.gui: no widget named mainMenu, which the code looks up"], "a missing widget is reported")
    expect(puzzle.handle_fits("c", (21, 20), (21, 20)) == [] and puzzle.handle_fits("c", (20, 20), (21, 20)) != [],
           "a frame piece smaller than its handle fails")
    good = [(45, 45), (42, 42), (34, 34), (28, 28), (22, 22)]
    expect(puzzle.cell_sizes(good, good) == [], "cells shrinking from size 0 to 4 pass")
    expect(puzzle.cell_sizes([(40, 40)] + good[1:], good) != [], "a cross of another size than its cell fails")
    expect(puzzle.cell_sizes(good[:2] + [(42, 42)] + good[3:], good[:2] + [(42, 42)] + good[3:]) != [],
           "cells that do not shrink fail")
    expect(puzzle.alike("d", {1: (32, 32), 2: (32, 32), 3: None}) == [] and
           puzzle.alike("d", {1: (32, 32), 2: (30, 32)}) != [], "digits of one size index must match")
    button = [("PLAY", 800, 600, 172, 62)]
    expect(map_rules.clear_of_markers(button, [(1, 700, 650, 80, 80)], (64, 108)) == [] and
           map_rules.clear_of_markers(button, [(1, 760, 650, 80, 80)], (64, 108)) != [] and
           map_rules.clear_of_markers(button, [(1, 820, 720, 80, 80)], (64, 108)) != [],
           "a map button over a marker's icon or flag fails")
    sizes = {"back.jpg": (1024, 768), "flaga0.png": (64, 104), "flaga1.png": (64, 104)}
    expect(map_rules.pictures(sizes.get) == [], "flags holding their pole's foot pass")
    sizes["flaga1.png"] = (64, 103)
    expect(map_rules.pictures(sizes.get) != [], "a flag too short for its pole's foot fails")

    # story: captions over their scenes, phrases said once, texts that agree
    outro = story_rules.OUTRO
    expect(story_rules.caption_problems(outro, [4300, 26000, 14000, 22000, 20500], [0, 1, 2, 3, 4]) == [],
           "one caption per outro scene, each ending a little before it, passes")
    expect(story_rules.caption_problems(outro, [8000, 23000, 14000, 22000, 20000], [0, 1, 2, 3, 4]) != [],
           "a caption a scene late fails")
    expect(story_rules.caption_problems(outro, [4300, 26000], [0, 1, 2]) != [], "a short scene table fails")
    expect(story_rules.caption_problems(story_rules.INTRO, [9300, 8000, 12000, 9000, 11000, 9000, 36000],
                                        list(range(7))) == [], "the intro's scenes wait for the first caption")
    expect(story_rules.repeated_phrases([("a", "The land is whole again."), ("b", "Square by square, whole again.")])
           != [], "\"whole again\" said twice fails")
    expect(story_rules.repeated_phrases([("a", "The Dusk Stone woke."), ("b", "Then the Dusk Stone slept.")]) == [],
           "a name said twice passes")
    expect(story_rules.agreement_problems([("a", "the lore of four lands")], ["A"] * 10) != [] and
           story_rules.agreement_problems([("a", "the lore of ten lands, in Willowmere")], ["Willowmere"] * 10) == [],
           "a count of lands must be the campaign's")
    expect(story_rules.agreement_problems([("a", "a ship from Stonehaven")], ["Stonecircle Downs"]) != [],
           "a name that is no stage title fails")
    # legibility maths: published CIEDE2000 pairs (Sharma, Wu and Dalal 2005) and WCAG's extremes
    for lab1, lab2, want in (((50, 2.6772, -79.7751), (50, 0, -82.7485), 2.0425),
                             ((50, 2.5, 0), (73, 25, -18), 27.1492),
                             ((2.0776, 0.0795, -1.135), (0.9033, -0.0636, -0.5514), 0.9082)):
        expect(abs(colour.lab_difference(lab1, lab2) - want) < 1e-3, "CIEDE2000 of %s and %s is %g" % (lab1, lab2, want))
    expect(abs(colour.contrast((0, 0, 0), (255, 255, 255)) - 21) < 1e-9, "black on white is 21:1")
    white = ((255, 255, 255), (28, 28, 28))
    for tint, paint, fails in (((145, 52, 16), (180, 75, 26), False), ((137, 23, 7), (180, 75, 26), True),
                               ((137, 119, 152), (116, 127, 130), True), ((116, 127, 130), (116, 127, 130), False),
                               ((117, 123, 148), (116, 127, 130), True), ((1, 146, 109), (54, 132, 71), True)):
        found = fill_colours.swatches({9: fill_colours.Look(tint, paint)}, white)
        expect(any(v < limit for _n, v, limit in found) == fails, "a digit tint %s over a swatch %s %s" % (tint, paint, "fails" if fails else "passes"))
    # board frames: pieces 3 px apart leave a gap of 3; an edge stretched 30
    # times from half a pixel, and a piece drawn by its handle, leave none
    solid = pixels.Picture(4, 2, [[(9, 9, 9, 255)] * 4] * 2)
    for pieces, want in ((((0, (0, 0), 1), (7, (0, 0), 1)), 3),
                         (((0.5, (0, 0), 30), (120, (0, 0), 1)), 0), (((0, (0, 0), 1), (8, (4, 0), 1)), 0)):
        canvas = frame_continuity.Canvas((0,), ())
        for x, handle, stretch in pieces:
            canvas.draw(solid, x, 0, handle, (stretch, 1))
        expect(canvas.gaps(0, True) == want, "frame pieces %s leave a gap of %d" % (pieces, want))
    squares = jpeg_means.square_means(base64.b64decode(_TWO_SQUARES))
    expect(squares is not None and squares[:2] == (2, 1) and
           all(abs(a - b) < 3 for got, want in zip(squares[2][0], ((200, 40, 60), (20, 90, 230))) for a, b in zip(got, want)),
           "a JPEG's squares read as their colours")
    # cell marks: four corner ticks are four pieces, an x one; diagonal neighbours touch
    ticks = {(0, 0), (1, 1), (8, 0), (7, 1), (0, 8), (1, 7), (8, 8), (7, 7)}
    expect(cell_marks.pieces(ticks) == 4 and cell_marks.pieces(ticks | {(x, x) for x in range(9)} |
                                                               {(x, 8 - x) for x in range(9)}) == 1, "a cross's pieces")
    expect([cell_marks._gap({(0, 0)}, {q}) for q in ((0, 0), (1, 1), (3, 0))] == [0, 1, 3], "gaps between marks")
    for page, html, fails in (("fill.html", "<main>One move too many loses the level.", True),
                              ("fill.html", "<main>Fill counts no mistakes. Hints do not charge again.", False),
                              ("picross.html", "<main>A mistake loses. Hints charge as you play.", True),
                              ("about.html", "<main>Press <strong>Play</strong> in the ten lands.", False),
                              ("about.html", "<main>Press <strong>Go</strong>.", True),
                              ("about.html", "<main>The nine lands.", True)):
        expect(bool(help_pages.page_problems(page, html, {"Play"}, 10)) == fails,
               "the help page %r %s" % (html, "fails" if fails else "passes"))
    # text reads: each line the code reads, followed to the file it names
    load = 'loadTxtFile(bDir + "txt/#LANG#/a.txt")'
    for src, want in (("x = readTxtData(%s, 3);" % load, [("txt/#LANG#/a.txt", [3])]),
                      ("auto t = %s;\ny = readTxtData(t, 2);" % load, [("txt/#LANG#/a.txt", [2])]),
                      ('x = readTxtData(loadTxtFile(bDir + "txt/" + lang + "/b.txt"), 1);', [("txt/#LANG#/b.txt", [1])]),
                      ('const char kB[] = "txt/#LANG#/b.txt";\nx = readTxtData(loadTxtFile(bDir + kB), 5);',
                       [("txt/#LANG#/b.txt", [5])]),
                      ("void f(const std::shared_ptr<TTxtFile>& t) { x = readTxtData(t, 19); }\n"
                       "void g() {\n  auto t = %s;\n  f(t);\n  y = readTxtData(t, 6);\n}" % load,
                       [("txt/#LANG#/a.txt", [19]), ("txt/#LANG#/a.txt", [6])]),
                      ("auto t = %s;\nconstexpr int kN = 2;\nfor (int i = 0; i < kN; ++i) x = readTxtData(t, i + 1);" % load,
                       [("txt/#LANG#/a.txt", [1, 2])]),
                      ("auto t = %s;\nx = readTxtData(t, data->getFloat(key));  // readTxtData(t, 4)" % load,
                       [("txt/#LANG#/a.txt", None)]),
                      ("x = readTxtData(somewhere(), 4);", [(None, [4])])):
        got = [(r.text, r.lines) for r in text_reads.reads({"src/a.cpp": src})]
        expect(got == want, "text reads of %r are %s, not %s" % (src, got, want))
    return failures
