"""Fill colours as a player tells them apart: every pair of colours a level
uses, as its clue digits are drawn lit (picked) and dimmed (0.3 of their
alpha over the empty cell) and as its paint is drawn, in normal vision and
the three simulated dichromacies; every lit digit, outline included,
against the empty cell and against its own paint; and every digit's tint
against its paint, the palette's swatch, which it must resemble. Each rule returns figures
(name, value, limit) so that a script can print them and the check can fail
on the ones below their limit."""

import itertools
import math

import colour
import formats
import pixels

LIT_APART, DIMMED_APART, CVD_APART = 20.0, 10.0, 10.0
DIGIT_CONTRAST = 3.0
SWATCH_NEAR = 14.5  # CIEDE2000 from a lit digit to its swatch: a brown clue reads brown
HUE_NEAR = 20.0  # degrees of CIELAB hue from a lit digit to its swatch: a grey clue reads grey, not blue
NEUTRAL = 10.0  # CIELAB chroma below which a swatch is grey, and its digit must be grey too
DIMMED_ALPHA = 0.3  # an unfocused clue digit
BLACK_ID = 7  # a black clue on black paint uses the black digit pictures, untinted
DEFICIENCIES = ("protan", "deutan", "tritan")


class Look:
    """What the game draws a colour with: its digit tint and its paint's face."""

    def __init__(self, tint, paint):
        self.tint, self.paint = tint, paint


def ink_and_fill(pic):
    """(fill, outline) of a digit picture: the means of its brightest and of
    its darkest tenth of opaque pixels."""
    opaque = sorted((p[:3] for row in pic.rows for p in row if p[3] > 250), key=colour.luminance)
    k = max(1, len(opaque) // 10)
    mean = lambda px: tuple(sum(p[i] for p in px) / len(px) for i in range(3))  # noqa: E731
    return mean(opaque[-k:]), mean(opaque[:k])


def colour_table(table):
    """{id: (entry path, digit tint)} of data/colors.dat's tree."""
    out = {}
    for key, _v in table.walk():
        if key.endswith("::id"):
            group = key[:-len("::id")]
            out[int(float(formats.get(table, key) or 0))] = (group, tuple(
                int(float(formats.get(table, group + "::rgb", k) or 0)) for k in range(3)))
    return out


def shipped(read, level_files):
    """The figures of every Fill level among level_files; read(rel) gives a
    file's bytes or None."""
    table, _ = formats.read_datafile(read("data/colors.dat") or b"")
    looks = {}
    for cid, (group, tint) in colour_table(table).items():
        face = pixels.read_png(read(formats.get(table, group + "::img0") + "1.png") or b"")
        if face:
            looks[cid] = Look(tint, pixels.mean_colour(face, 4))
    empty_pic = pixels.read_png(read("gfx/tiles/empty1.png") or b"")
    digit_pic = pixels.read_png(read("gfx/numbers/0_1.png") or b"")
    black_pic = pixels.read_png(read("gfx/numbers/b0_1.png") or b"")
    if not (empty_pic and digit_pic and black_pic):
        return [("Fill colours: cell or digit pictures", 0.0, 1.0)]
    empty = pixels.mean_colour(empty_pic, 4)
    digit, black = ink_and_fill(digit_pic), ink_and_fill(black_pic)
    out = swatches(looks, digit)
    for rel in level_files:
        level, _ = formats.read_datafile(read(rel) or b"")
        if formats.get(level, "level::data::tryb").strip() == "0":
            name = rel.rsplit("/", 1)[-1][:-4]
            out += figures(name, level_colours(level), looks, empty, digit, black)
    return out


def swatches(looks, digit):
    """How far each colour's lit digit lies from its paint, given as the
    headroom left below SWATCH_NEAR and below its distance to every other
    paint (a figure below 0 fails: the clue would read as another colour)."""
    out = []
    for i, look in sorted(looks.items()):
        if i == BLACK_ID or i < 2:
            continue  # black clues use their own digit pictures; id 1 is the cross entry
        tint = tuple(digit[0][k] * look.tint[k] / 255.0 for k in range(3))
        far = colour.ciede2000(tint, look.paint)
        other = min([colour.ciede2000(tint, o.paint) for j, o in looks.items() if j != i] or [99.0])
        out.append(("digit of colour %d as its swatch (CIEDE2000 %.1f, at most %g, other swatches %.1f): headroom"
                    % (i, far, SWATCH_NEAR, other), min(SWATCH_NEAR - far, other - far), 0.0))
        out.append(hue_kept(i, tint, look.paint))
    return out


def hue_kept(i, tint, paint):
    """The headroom of a lit digit's hue: within HUE_NEAR degrees of a
    coloured swatch's, or, on a grey swatch, a chroma below NEUTRAL."""
    (_l, a, b), (_ld, ad, bd) = colour.lab(paint), colour.lab(tint)
    if math.hypot(a, b) < NEUTRAL:
        chroma = math.hypot(ad, bd)
        return ("digit of colour %d as grey as its swatch (chroma %.1f, below %g): headroom" % (i, chroma, NEUTRAL),
                NEUTRAL - chroma, 0.0)
    hue, hued = (math.degrees(math.atan2(y, x)) % 360 for x, y in ((a, b), (ad, bd)))
    gap = abs((hued - hue + 180) % 360 - 180)
    return ("digit of colour %d in its swatch's hue (%.0f against %.0f degrees, at most %g apart): headroom"
            % (i, hued, hue, HUE_NEAR), HUE_NEAR - gap, 0.0)


def level_colours(root):
    """The ids of the colours a Fill level uses: its clues' and its
    solution's, the cross entry (id 1) left out."""
    used = set()
    tiles = root.group("level").group("tiles") if root.group("level") else None
    for _key, values in (tiles.entries if tiles else []):
        for cell in values:
            fields = cell.split("|")
            for f in fields[1:3]:
                f = f.strip()
                if f.isdigit() and int(f) > 1:
                    used.add(int(f))
    return sorted(used)


def _mix(a, b, k):
    return tuple(a[i] * k + b[i] * (1 - k) for i in range(3))


def _digit_contrast(fill, outline, ground):
    return max(colour.contrast(fill, ground), colour.contrast(outline, ground))


def figures(name, ids, looks, empty, digit, black_digit):
    """(figure name, value, limit) of one level. looks maps colour ids to
    Look; digit and black_digit are (fill, outline) of the digit pictures."""
    out = []
    known = [i for i in ids if i in looks]

    def least(label, limit, value_of):
        pairs = [(value_of(a, b), a, b) for a, b in itertools.combinations(known, 2)]
        if pairs:
            v, a, b = min(pairs)
            out.append(("%s %s (colours %d, %d)" % (name, label, a, b), v, limit))

    tint = {i: tuple(digit[0][k] * looks[i].tint[k] / 255.0 for k in range(3)) for i in known}
    dim = {i: _mix(tint[i], empty, DIMMED_ALPHA) for i in known}
    least("digits lit apart", LIT_APART, lambda a, b: colour.ciede2000(tint[a], tint[b]))
    least("digits dimmed apart", DIMMED_APART, lambda a, b: colour.ciede2000(dim[a], dim[b]))
    least("paints apart", LIT_APART, lambda a, b: colour.ciede2000(looks[a].paint, looks[b].paint))
    for kind in DEFICIENCIES:
        def seen(a, b, kind=kind):
            return min(colour.ciede2000(colour.simulate(tint[a], kind), colour.simulate(tint[b], kind)),
                       colour.ciede2000(colour.simulate(looks[a].paint, kind), colour.simulate(looks[b].paint, kind)))
        least("lit apart, %s" % kind, CVD_APART, seen)
    for i in known:
        on_empty = _digit_contrast(tint[i], digit[1], empty)
        fill, outline = (black_digit if i == BLACK_ID else (tint[i], digit[1]))
        on_paint = _digit_contrast(fill, outline, looks[i].paint)
        out.append(("%s digit of colour %d on the empty cell" % (name, i), on_empty, DIGIT_CONTRAST))
        out.append(("%s digit of colour %d on its paint" % (name, i), on_paint, DIGIT_CONTRAST))
    return out
