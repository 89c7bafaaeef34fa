"""The cross and the satisfied clue's mark on a Fill cell, at every cell size,
placed as the game draws them (centred cross, the mark's corner beside the
digit's picture, either way of rounding): the cross is one piece that stays
inside its own cell, a pixel clear of the cell's edge, so that crossed
neighbours never join into other shapes, and leaves a free pixel around
every clue digit (fill and ink outline; the faint drop shadow does not
count); the mark stays inside the cell, off every digit and off the cross,
and, tinted by each clue colour, keeps 3:1 (its fill or its ink) on the
empty cell and on that colour's paint. Figures are (name, value, limit)."""

import colour
import crosses
import fill_colours
import formats
import pixels

CELL = (45, 42, 34, 28, 26)  # cell sizes by index; digits of size 0 are size 1's pictures
SEEN = 32  # a mark's or cross's pixel counts from this alpha
DIGIT = 128  # a digit's pixel from this one (fill and ink outline, not the soft shadow)
CONTRAST = 3.0


def _mask(pic, ox, oy, least):
    """The cell pixels (x, y) where the picture, its top-left corner at
    (ox, oy) of the cell, reaches the alpha least."""
    return {(x + ox, y + oy) for y in range(pic.h) for x in range(pic.w) if pic.at(x, y)[3] >= least}


def _gap(a, b):
    """The Chebyshev distance between two pixel sets (0: they share a pixel,
    1: they touch); 9 when they lie farther apart or either is empty."""
    if not a or not b:
        return 9
    best = 9
    for x, y in a:
        for dx in range(-3, 4):
            for dy in range(-3, 4):
                if (x + dx, y + dy) in b:
                    best = min(best, max(abs(dx), abs(dy)))
    return best


def pieces(px):
    """The number of 8-connected pieces of a pixel set."""
    left, count = set(px), 0
    while left:
        count += 1
        todo = [left.pop()]
        while todo:
            x, y = todo.pop()
            for dx in (-1, 0, 1):
                for dy in (-1, 0, 1):
                    q = (x + dx, y + dy)
                    if q in left:
                        left.remove(q)
                        todo.append(q)
    return count


def _outside(cell):
    """The pixels of and around the cell picture that are not its opaque face."""
    out = set()
    for y in range(-1, cell.h + 1):
        for x in range(-1, cell.w + 1):
            if not (0 <= x < cell.w and 0 <= y < cell.h) or cell.at(x, y)[3] < 250:
                out.add((x, y))
    return out


def _offsets(n, w):
    return sorted({(n - w) // 2, (n - w + 1) // 2})


def size_figures(s, cell, cross, mark, digits):
    """The figures of one cell size: its empty cell, cross and mark pictures
    and the ten digit pictures."""
    n = cell.w
    outside = _outside(cell)
    area = set()
    for d in digits:
        for o in _offsets(n, d.w):
            area |= _mask(d, o, o, DIGIT)
    cx = _offsets(n, cross.w)[0]
    xs = _mask(cross, cx, cx, SEEN)
    box = digits[0].w
    places = [(int(n / 2.0 + 0.26 * box) + dx, int(n / 2.0 - 0.4 * box) + dy) for dx in (0, 1) for dy in (0, 1)]
    marks = [_mask(mark, px, py, SEEN) for px, py in places]
    return [
        ("cross of size %d in one piece (pieces: %d)" % (s, pieces(xs)), 2 - pieces(xs), 1),
        ("cross of size %d clear of its cell's edge, px" % s, _gap(xs, outside), 2),
        ("cross of size %d clear of the clue digits, px" % s, _gap(xs, area), 2),
        ("satisfied mark of size %d inside its cell, px" % s, min(_gap(m, outside) for m in marks), 1),
        ("satisfied mark of size %d off the clue digits, px" % s, min(_gap(m, area) for m in marks), 1),
        ("satisfied mark of size %d off the cross, px" % s, min(_gap(m, xs) for m in marks), 1),
    ]


def mark_contrast(mark, black_mark, looks, empty):
    """The lit mark of each colour, tinted as the game tints it, on the empty
    cell and on its own paint (black on black paint: the untinted black
    override): the stronger of its fill and its ink."""
    out = []
    fill, ink = fill_colours.ink_and_fill(mark)
    bfill, bink = fill_colours.ink_and_fill(black_mark)
    for cid, look in sorted(looks.items()):
        if cid < 2:
            continue
        t = lambda c: tuple(c[i] * look.tint[i] / 255.0 for i in range(3))  # noqa: E731
        seen = [(t(fill), t(ink), empty, "the empty cell"),
                ((bfill, bink) if cid == fill_colours.BLACK_ID else (t(fill), t(ink))) + (look.paint, "its paint")]
        for f, k, ground, where in seen:
            v = max(colour.contrast(f, ground), colour.contrast(k, ground))
            out.append(("satisfied mark of colour %d on %s" % (cid, where), v, CONTRAST))
    return out


def figures(read):
    pic = lambda rel: pixels.read_png(read(rel) or b"")  # noqa: E731
    out = []
    for s in range(5):
        cell, cross, mark = pic("gfx/tiles/empty%d.png" % s), pic("gfx/tiles/x%d.png" % s), pic(
            "gfx/gui/game/point%d.png" % s)
        black = pic("gfx/gui/game/bpoint%d.png" % s)
        digits = [pic("gfx/numbers/%s%d_%d.png" % (k, d, max(1, s))) for k in ("", "b") for d in range(10)]
        if not (cell and cross and mark and black and all(digits)):
            out.append(("cross and mark of size %d: pictures" % s, 0, 1))
            continue
        out += size_figures(s, cell, cross, mark, digits)
        out += [(n.replace("mark", "mark (black override)", 1), v, l)
                for n, v, l in size_figures(s, cell, cross, black, digits) if "mark" in n]
    table, _ = formats.read_datafile(read("data/colors.dat") or b"")
    looks = {}
    for cid, (group, tint) in fill_colours.colour_table(table).items():
        face = pic(formats.get(table, group + "::img0") + "1.png")
        if face:
            looks[cid] = fill_colours.Look(tint, pixels.mean_colour(face, 4))
    mark, black = pic("gfx/gui/game/point1.png"), pic("gfx/gui/game/bpoint1.png")
    if mark and black:
        out += mark_contrast(mark, black, looks, crosses.grounds(read)[0][1])
    return out
