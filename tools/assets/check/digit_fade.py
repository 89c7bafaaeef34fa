"""Fill clue digits as drawn, at the digit size of each shipped Fill level:
a dimmed digit (0.3 of its alpha) must still stand out, by its fill or by
its edge, from every ground it can stand on (the empty cell, a crossed cell,
the paint of each of the level's colours); a dimmed zero (the cross entry's
tint on a crossed cell) must stay apart from the level's dimmed digits; and
the lit digits of a
level's colours, each seen whole (fill and outline mixed as the eye mixes a
small figure), must stay apart for colour-blind players under each simulated
dichromacy at full severity. Each rule gives figures (name, value, limit)."""

import itertools

import colour
import crosses
import fill_colours
import formats
import pixels

DIMMED_CONTRAST = 1.5
CVD_APART = 10.0
ZERO_APART = fill_colours.DIMMED_APART
CROSS_ID = 1  # the cross entry: its tint draws the zero clues, each on a crossed cell
# Digits whose tint at 0.3 cannot reach DIMMED_CONTRAST on a ground without
# leaving its swatch's colour or running into another colour (CIEDE2000, hue,
# colour-blind figures): (colour id, ground) and the figure they do reach,
# which they must keep. On black paint only a digit's own fill can be the
# light ink, and red, blue, brown, purple and grey are dark at 0.3; pink's
# edge on brown paint falls just short at the smallest size.
EXCEPTIONS = {
    (2, "paint 7"): 1.36, (4, "paint 7"): 1.24, (9, "paint 7"): 1.13, (10, "paint 7"): 1.29,
    (13, "paint 7"): 1.48, (12, "paint 9"): 1.49,
}

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

    def dimmed(self, ground, tint):
        """The dimmed digit as a small figure reads: its mean colour."""
        if ("dimmed", ground, tint) not in self.memo:
            self.memo[("dimmed", ground, tint)] = _mean(self.seen(ground, tint, DIMMED_ALPHA))
        return self.memo[("dimmed", ground, tint)]

    def dimmed_contrast(self, ground, tint):
        """The stronger of the dimmed fill and dimmed edge against the
        ground."""
        if ("contrast", ground, tint) not in self.memo:
            px = sorted(self.seen(ground, tint, DIMMED_ALPHA), key=colour.luminance)
            k = max(1, int(len(px) * SHARE))
            self.memo[("contrast", ground, tint)] = max(colour.contrast(_mean(px[:k]), ground),
                                                        colour.contrast(_mean(px[-k:]), ground))
        return self.memo[("contrast", ground, tint)]


def dimmed_figure(name, cid, where, value):
    """A dimmed digit's contrast figure; a named exception keeps its own
    figure as the limit."""
    kept = EXCEPTIONS.get((cid, where))
    limit = DIMMED_CONTRAST if kept is None else kept
    return ("%s dimmed digit of colour %d on %s%s" % (name, cid, where, "" if kept is None else " (exception)"),
            value, limit)


def figures(name, ids, tints, digits, grounds, zeros=False):
    """(figure name, value, limit) of one level: its colour ids, their digit
    tints, the Digits of its size, and the grounds: (name, colour) pairs of
    the empty cell first, then a crossed cell, then paint of each colour id
    by the name "paint N". Zeros: the level shows zero clues."""
    known = [i for i in ids if i in tints]
    empty, crossed = grounds[0][1], grounds[1][1]
    out = []
    for i in known:
        for where, ground in grounds:
            if where.startswith("paint ") and where != "paint %d" % i and int(where[6:]) not in known:
                continue  # only the level's own colours can be painted
            if where == "paint %d" % i and i == fill_colours.BLACK_ID:
                continue  # a black clue on black paint uses its own light pictures
            out.append(dimmed_figure(name, i, where, digits.dimmed_contrast(ground, tints[i])))
    if zeros and CROSS_ID in tints:
        zero = tints[CROSS_ID]
        out.append(dimmed_figure(name, CROSS_ID, grounds[1][0], digits.dimmed_contrast(crossed, zero)))
        apart = [(colour.ciede2000(digits.dimmed(crossed, zero), digits.dimmed(empty, tints[i])), i) for i in known]
        if apart:
            v, i = min(apart)
            out.append(("%s dimmed zeros apart from dimmed digits (colour %d)" % (name, i), v, ZERO_APART))
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
    cross_pic = pixels.read_png(read("gfx/tiles/x1.png") or b"")
    if not (empty_pic and cross_pic):
        return [("Fill digits: empty or crossed cell picture", 0.0, 1.0)]
    grounds = [crosses.grounds(read)[0], ("a crossed cell", crossed_ground(empty_pic, cross_pic))]
    grounds += [g for g in crosses.grounds(read)[1:]]
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
        out += figures(name, fill_colours.level_colours(level), tints, sizes[size], grounds, has_zeros(level))
    return out


def crossed_ground(empty, cross):
    """The mean colour of a crossed cell's middle, where its digit stands:
    the cross picture over the empty cell."""
    acc, n = [0.0, 0.0, 0.0], 0
    for y in range(empty.h // 4, empty.h * 3 // 4):
        for x in range(empty.w // 4, empty.w * 3 // 4):
            p = pixels.over(empty.at(x, y)[:3], cross.at(x, y))
            acc = [acc[k] + p[k] for k in range(3)]
            n += 1
    return tuple(v / n for v in acc)


def has_zeros(level):
    """Whether a Fill level shows a zero clue: a shown clue of the cross entry."""
    tiles = level.group("level").group("tiles") if level.group("level") else None
    for _key, values in (tiles.entries if tiles else []):
        for cell in values:
            fields = cell.split("|")
            if len(fields) > 1 and fields[1].strip() == str(CROSS_ID):
                return True
    return False
