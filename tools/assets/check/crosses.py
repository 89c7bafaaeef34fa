"""A crossed Fill clue stays readable: at every cell size the cross picture
(drawn over a crossed clue's digit, and under a zero clue's 0) leaves every
opaque pixel of the digit's ink proper (its outline's core, at least 6:1
against the plain cell; the soft edge does not count) at least 3:1 against
what lies under the digit there, the cross over the empty cell; and the
cross itself reads at a glance on the empty cell and on every paint: its
dark core or its light halo keeps 3:1 against the cell. Figures are
(name, value, limit)."""

import colour
import fill_colours
import formats
import pixels

CONTRAST = 3.0
INK = 2 * CONTRAST  # a digit pixel this far from the plain cell is its ink proper
SIZES = range(5)


def _centred(pic, w, h):
    """A picture's pixel getter placed centred on a w x h cell, as the game
    draws images with centred handles (transparent outside it)."""
    ox, oy = (w - pic.w) // 2, (h - pic.h) // 2

    def at(x, y):
        x, y = x - ox, y - oy
        return pic.at(x, y) if 0 <= x < pic.w and 0 <= y < pic.h else (0, 0, 0, 0)
    return at


def least_contrast(empty, cross, digit):
    """The lowest contrast of the digit's opaque outline pixels against the
    crossed cell under them, with the cross drawn over the digit and under it."""
    d, x = _centred(digit, empty.w, empty.h), _centred(cross, empty.w, empty.h)
    worst = 21.0
    for y in range(empty.h):
        for xx in range(empty.w):
            dp, cell = d(xx, y), empty.at(xx, y)[:3]
            if dp[3] <= 250 or colour.contrast(dp[:3], cell) < INK:
                continue
            under = pixels.over(cell, x(xx, y))
            above = pixels.over(pixels.over(cell, dp), x(xx, y))
            below = pixels.over(under, dp)
            worst = min(worst, colour.contrast(above, under), colour.contrast(below, under))
    return worst


def on_ground(cross, ground):
    """The stronger of the cross's darkest and lightest tenth of opaque
    pixels against a flat ground."""
    px = sorted((p[:3] for row in cross.rows for p in row if p[3] > 250), key=colour.luminance)
    if not px:
        return 1.0
    k = max(1, len(px) // 10)
    mean = lambda q: tuple(sum(p[i] for p in q) / len(q) for i in range(3))  # noqa: E731
    return max(colour.contrast(mean(px[:k]), ground), colour.contrast(mean(px[-k:]), ground))


def grounds(read):
    """(name, colour) of the plain cell and of every paint."""
    empty = pixels.read_png(read("gfx/tiles/empty1.png") or b"")
    out = [("the empty cell", pixels.mean_colour(empty, 4))] if empty else []
    table, _ = formats.read_datafile(read("data/colors.dat") or b"")
    for cid, (group, _tint) in sorted(fill_colours.colour_table(table).items()):
        face = pixels.read_png(read(formats.get(table, group + "::img0") + "1.png") or b"")
        if face and cid > 1:
            out.append(("paint %d" % cid, pixels.mean_colour(face, 4)))
    return out


def figures(read):
    out = []
    cross = pixels.read_png(read("gfx/tiles/x1.png") or b"")
    for name, ground in grounds(read):
        out.append(("cross on %s" % name, on_ground(cross, ground) if cross else 0.0, CONTRAST))
    for s in SIZES:
        empty = pixels.read_png(read("gfx/tiles/empty%d.png" % s) or b"")
        cross = pixels.read_png(read("gfx/tiles/x%d.png" % s) or b"")
        if not (empty and cross):
            out.append(("crossed clue, size %d: cell or cross picture" % s, 0.0, CONTRAST))
            continue
        worst, which = 21.0, ""
        for kind in ("", "b"):
            for d in range(10):
                digit = pixels.read_png(read("gfx/numbers/%s%d_%d.png" % (kind, d, max(1, s))) or b"")
                v = least_contrast(empty, cross, digit) if digit else 0.0
                if v < worst:
                    worst, which = v, "%s%d" % (kind, d)
        out.append(("crossed clue digit, size %d (worst: %s)" % (s, which), worst, CONTRAST))
    return out
