"""Fill clue digits as drawn, at the digit size of each shipped Fill level:
a dimmed digit (0.3 of its alpha over the empty cell) must still stand out
from the cell, by its fill or by its outline; and the lit digits of a
level's colours, each seen whole (fill and outline mixed as the eye mixes a
small figure), must stay apart for colour-blind players under each simulated
dichromacy at full severity. Each rule gives figures (name, value, limit)."""

import itertools

import colour
import fill_colours
import formats
import pixels

DIMMED_CONTRAST = 1.5
CVD_APART = 10.0
DIMMED_ALPHA = fill_colours.DIMMED_ALPHA
SHARE = 0.1  # a digit's fill and outline: its brightest and darkest tenth


def _mean(px):
    return tuple(sum(p[i] for p in px) / len(px) for i in range(3))


class Digits:
    """The opaque pixels (alpha at least half) of the ten digit pictures of
    one size."""

    def __init__(self, pics):
        self.px = [p for pic in pics for row in pic.rows for p in row if p[3] >= 128]
        self.memo = {}

    def seen(self, ground, tint, alpha):
        return [pixels.over(ground, p, tint, alpha) for p in self.px]

    def whole(self, ground, tint):
        """The lit digit as a small figure reads: its mean colour."""
        if ("whole", tint) not in self.memo:
            self.memo[("whole", tint)] = _mean(self.seen(ground, tint, 1.0))
        return self.memo[("whole", tint)]

    def dimmed_contrast(self, ground, tint):
        """The stronger of the dimmed fill and dimmed outline against the
        ground."""
        if ("dimmed", tint) not in self.memo:
            px = sorted(self.seen(ground, tint, DIMMED_ALPHA), key=colour.luminance)
            k = max(1, int(len(px) * SHARE))
            self.memo[("dimmed", tint)] = max(colour.contrast(_mean(px[:k]), ground),
                                              colour.contrast(_mean(px[-k:]), ground))
        return self.memo[("dimmed", tint)]


def figures(name, ids, tints, digits, empty):
    """(figure name, value, limit) of one level: its colour ids, their digit
    tints, the Digits of its size and the empty cell's colour."""
    known = [i for i in ids if i in tints]
    out = [("%s dimmed digit of colour %d on the empty cell" % (name, i),
            digits.dimmed_contrast(empty, tints[i]), DIMMED_CONTRAST) for i in known]
    whole = {i: digits.whole(empty, tints[i]) for i in known}
    for kind in fill_colours.DEFICIENCIES:
        pairs = [(colour.ciede2000(colour.simulate(whole[a], kind), colour.simulate(whole[b], kind)), a, b)
                 for a, b in itertools.combinations(known, 2)]
        if pairs:
            v, a, b = min(pairs)
            out.append(("%s lit digits apart, %s (colours %d, %d)" % (name, kind, a, b), v, CVD_APART))
    return out


def shipped(read, level_files):
    """The figures of every Fill level among level_files; read(rel) gives a
    file's bytes or None."""
    table, _ = formats.read_datafile(read("data/colors.dat") or b"")
    tints = {cid: tint for cid, (_group, tint) in fill_colours.colour_table(table).items()}
    empty_pic = pixels.read_png(read("gfx/tiles/empty1.png") or b"")
    if not empty_pic:
        return [("Fill digits: empty cell picture", 0.0, 1.0)]
    empty = pixels.mean_colour(empty_pic, 4)
    sizes = {}
    out = []
    for rel in level_files:
        level, _ = formats.read_datafile(read(rel) or b"")
        if formats.get(level, "level::data::tryb").strip() != "0":
            continue
        size = max(1, int(float(formats.get(level, "level::data::size") or 1)))  # size 0 draws size 1's digits
        if size not in sizes:
            pics = [pixels.read_png(read("gfx/numbers/%d_%d.png" % (d, size)) or b"") for d in range(10)]
            sizes[size] = Digits([p for p in pics if p]) if all(pics) else None
        if sizes[size] is None:
            out.append(("Fill digits of size %d: pictures" % size, 0.0, 1.0))
            continue
        name = rel.rsplit("/", 1)[-1][:-4]
        out += figures(name, fill_colours.level_colours(level), tints, sizes[size], empty)
    return out
