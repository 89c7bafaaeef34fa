"""The board frames drawn unbroken: both frames composed from their pieces as
the play screen places them (handles, stretched edges, positions cut to whole
pixels), round every board size a shipped level uses, at whole and half pixel
offsets. Along each side the middle line of its edge piece must be covered
from end to end, with no gap wider than a pixel."""

import formats
import pixels

MAX_GAP = 1
CELL = {0: 45, 1: 42, 2: 34, 3: 28, 4: 26}  # the empty cell's width by size index
OFFSETS = (0.0, 0.5)
FILL_PIECES = ["gfx/gui/game/frame_%s.png" % n for n in
               ("LU", "U", "RU", "L", "R", "LD", "D", "RD")]
WINDOW_PIECES = ["gfx/gui/game/frame/okno_%s.png" % n for n in ("lg", "g", "pg", "l", "s", "p", "ld", "d", "pd")]
FILL_HANDLES = [(29, 29), (0, 7), (53, 29), (7, 0), (0, 0), (29, 53), (0, 0), (53, 53)]
WINDOW_HANDLES = [(21, 20), (0, 20), (0, 20), (21, 0), (0, 0), (0, 0), (21, 0), (0, 0), (0, 0)]


class Canvas:
    """Which pixels of the given rows and columns some piece covers (alpha at
    least half), as the renderer places an unturned copy: position and size
    cut to whole pixels, each pixel taking the texel under its centre."""

    def __init__(self, rows, cols):
        self.rows, self.cols = rows, cols
        self.covered = {("row", n): set() for n in rows}
        self.covered.update({("col", n): set() for n in cols})

    def draw(self, pic, x, y, handle, scale=(1.0, 1.0)):
        sx, sy = scale
        x0, y0 = int(x - handle[0] * sx), int(y - handle[1] * sy)
        w, h = int(pic.w * sx), int(pic.h * sy)
        if w <= 0 or h <= 0:
            return
        texel = lambda p, n, size: min(size - 1, int((p + 0.5) * size / n))  # noqa: E731
        for line in self.rows:
            if y0 <= line < y0 + h:
                row = pic.rows[texel(line - y0, h, pic.h)]
                self.covered[("row", line)].update(x0 + px for px in range(w) if row[texel(px, w, pic.w)][3] >= 128)
        for line in self.cols:
            if x0 <= line < x0 + w:
                tx = texel(line - x0, w, pic.w)
                self.covered[("col", line)].update(y0 + py for py in range(h)
                                                   if pic.rows[texel(py, h, pic.h)][tx][3] >= 128)

    def gaps(self, line, horizontal):
        """The widest run of uncovered pixels between the first and the last
        covered one along row (or column) `line`."""
        along = sorted(self.covered[("row" if horizontal else "col", line)])
        return max((b - a - 1 for a, b in zip(along, along[1:])), default=0)


def middle(pic, across_rows):
    """The middle of an edge piece's opaque extent across its side."""
    if across_rows:
        opaque = [y for y in range(pic.h) if any(p[3] >= 128 for p in pic.rows[y])]
    else:
        opaque = [x for x in range(pic.w) if any(pic.rows[y][x][3] >= 128 for y in range(pic.h))]
    return (opaque[0] + opaque[-1]) // 2 if opaque else 0


def fill_frame(p, left, top, width, height):
    """The ornate frame round a board whose edges lie at left, top, left +
    width, top + height (scale 1): (canvas, {side: line}) of its pieces."""
    lu, u, ru, l_, r, ld, d, rd = p
    right, bottom = left + width, top + height
    lines = {"top": int(top - FILL_HANDLES[1][1]) + middle(u, True), "bottom": int(bottom - 1) + middle(d, True),
             "left": int(left - FILL_HANDLES[3][0]) + middle(l_, False), "right": int(right - 1) + middle(r, False)}
    c = Canvas((lines["top"], lines["bottom"]), (lines["left"], lines["right"]))
    c.draw(lu, left, top, FILL_HANDLES[0])
    c.draw(ru, right - 1, top, FILL_HANDLES[2])
    c.draw(ld, left, bottom - 1, FILL_HANDLES[5])
    c.draw(rd, right - 1, bottom - 1, FILL_HANDLES[7])
    fx1, fx2 = left - FILL_HANDLES[0][0] + lu.w - 1, right - FILL_HANDLES[2][0] + 1
    fy3, fy4 = top - FILL_HANDLES[0][1] + lu.h, top + height - FILL_HANDLES[5][1]
    fsx, fsy = (fx2 - fx1) / u.w, (fy4 - fy3) / l_.h
    c.draw(u, fx1, top, FILL_HANDLES[1], (fsx, 1))
    c.draw(d, fx1, bottom - 1, FILL_HANDLES[6], (fsx, 1))
    c.draw(l_, left, fy3, FILL_HANDLES[3], (1, fsy))
    c.draw(r, right - 1, fy3, FILL_HANDLES[4], (1, fsy))
    return c, lines


def window_frame(p, x, y, w, h):
    """The Picross window round the frame rectangle (x, y, w, h)."""
    x, y = int(x), int(y)
    lines = {"top": y - WINDOW_HANDLES[1][1] + middle(p[1], True), "bottom": int(y + h) + middle(p[7], True),
             "left": x - WINDOW_HANDLES[3][0] + middle(p[3], False), "right": int(x + w) + middle(p[5], False)}
    c = Canvas((lines["top"], lines["bottom"]), (lines["left"], lines["right"]))
    for i, at in ((0, (x, y)), (2, (x + w, y)), (6, (x, y + h)), (8, (x + w, y + h))):
        c.draw(p[i], at[0], at[1], WINDOW_HANDLES[i])
    c.draw(p[1], x, y, WINDOW_HANDLES[1], (w / p[1].w, 1))
    c.draw(p[7], x, y + h, WINDOW_HANDLES[7], (w / p[7].w, 1))
    c.draw(p[3], x, y, WINDOW_HANDLES[3], (1, h / p[3].h))
    c.draw(p[5], x + w, y, WINDOW_HANDLES[5], (1, h / p[5].h))
    return c, lines


def board_sizes(read, level_files):
    """{(tryb, size, scale, cols, rows): level name} of the given levels."""
    out = {}
    for rel in level_files:
        root, _ = formats.read_datafile(read(rel) or b"")
        get = lambda k, i=0: formats.get(root, "level::data::" + k, i)  # noqa: E731
        try:
            key = (int(float(get("tryb"))), int(float(get("size"))), float(get("scale") or 1),
                   int(float(get("dims", 0))), int(float(get("dims", 1))))
        except ValueError:
            continue
        out.setdefault(key, rel.rsplit("/", 1)[-1][:-4])
    return out


def widest_gaps(read, level_files):
    """(figure name, widest gap in px, MAX_GAP) for every board size and side."""
    fill = [pixels.read_png(read(n) or b"") for n in FILL_PIECES]
    window = [pixels.read_png(read(n) or b"") for n in WINDOW_PIECES]
    if not all(fill) or not all(window):
        return [("board frames: pieces unreadable", MAX_GAP + 1, MAX_GAP)]
    out = []
    for (tryb, size, scale, cols, rows), name in sorted(board_sizes(read, level_files).items()):
        tile = CELL.get(size, CELL[1])
        worst = {}
        for off in OFFSETS:
            base = 200 + off
            if tryb == 1:
                # cell centres; the frame's rectangle lies 11 px inside the grid's
                # left edge and 10 px inside the others
                last_x, last_y = base + (cols - 1) * tile * scale, base + (rows - 1) * tile * scale
                fx, fy = base - int(tile * 0.5) + 11, base - int(tile * 0.5) + 10
                canvas, lines = window_frame(window, fx, fy, last_x + tile / 2 - 10 - fx, last_y + tile / 2 - 10 - fy)
            else:
                canvas, lines = fill_frame(fill, base, base, cols * tile * scale, rows * tile * scale)
            for side, line in lines.items():
                worst[side] = max(worst.get(side, 0), canvas.gaps(line, side in ("top", "bottom")))
        kind = "Picross" if tryb == 1 else "Fill"
        for side, gap in sorted(worst.items()):
            out.append(("%s frame %dx%d size %d (%s), %s side" % (kind, cols, rows, size, name, side), gap, MAX_GAP))
    return out


def problems(read, level_files):
    return ["board frame: %s: a gap of %d px (at most %d)" % (n, v, limit)
            for n, v, limit in widest_gaps(read, level_files) if v > limit]
