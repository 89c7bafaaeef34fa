"""A broken Picross cell reads at a glance as "not part of the picture": it
draws nothing, so it shows the window's back (okno_s.png, at half alpha)
over the land's ground. On every shipped Picross board, at every cell where
a broken cell can stand (an empty one), that look must stay apart from every
picture colour of the board, from the covered cell and from the covered cell
that a tutorial demonstration shades (half black), for normal vision and
under each simulated dichromacy (CIEDE2000). The board is laid out as the
play screen lays it out; the ground under a cell is the mean of the
background's 16 x 16 squares there. Figures are (name, value, limit)."""

import functools

import colour
import formats
import jpeg_means
import pixels

APART = 20.0
CVD_APART = 12.0
WINDOW_BACK = "gfx/gui/game/frame/okno_s.png"
CENTRE = (420, 384)  # where the play screen centres a board with its clues
BLOCK_GAP = 2  # px after every five cells


def _runs(line):
    runs, inside = 0, False
    for pid in line:
        runs += 1 if pid and not inside else 0
        inside = bool(pid)
    return max(1, runs)  # a line without picture shows one zero clue


def cell_centres(level, tile_w, tile_h):
    """{(row, col): (x, y)} of a Picross level's cells on the screen."""
    get = lambda k, i=0: formats.get(level, "level::data::" + k, i)  # noqa: E731
    scale = float(get("scale") or 1)
    cx, cy = CENTRE[0] + float(get("modXY", 1) or 0), CENTRE[1] + float(get("modXY", 0) or 0)
    grid = ids(level)
    rows, cols = len(grid), max((len(r) for r in grid), default=0)
    num_w = int(15 + max((_runs(r) for r in grid), default=1) * tile_w)
    num_h = int(15 + max((_runs([r[c] for r in grid if c < len(r)]) for c in range(cols)), default=1) * tile_h * 0.7)
    x0 = int(cx - int((cols * tile_w + num_w) * scale * 0.5)) + num_w
    y0 = int(cy - int((rows * tile_h + num_h) * scale * 0.5)) + num_h
    return {(r, c): (x0 + int(c * tile_w * scale) + (c // 5) * BLOCK_GAP,
                     y0 + int(r * tile_h * scale) + (r // 5) * BLOCK_GAP)
            for r in range(rows) for c in range(len(grid[r]))}, scale


def ids(level):
    """The picture ids of a level's cells, row by row (0: an empty cell)."""
    tiles = level.group("level").group("tiles") if level.group("level") else None
    grid = []
    for key, values in (tiles.entries if tiles else []):
        if key.startswith("row"):
            grid.append([int(float(v.split("|")[0] or 0)) for v in values])
    return grid


def ground_under(squares, x, y, half):
    """The mean of the background's squares whose centres lie in the cell."""
    cols, rows, means = squares
    span = lambda c, n: range(max(0, int((c - half - 8) // 16)), min(n, int((c + half - 8) // 16) + 1))  # noqa: E731
    picked = [means[j][i] for j in span(y, rows) for i in span(x, cols)
              if abs(16 * i + 8 - x) <= half and abs(16 * j + 8 - y) <= half]
    if not picked:
        picked = [means[min(rows - 1, max(0, y // 16))][min(cols - 1, max(0, x // 16))]]
    return tuple(sum(p[k] for p in picked) / len(picked) for k in range(3))


def _back(pic):
    """The window back's mean colour and mean alpha."""
    px = [p for row in pic.rows for p in row]
    a = sum(p[3] for p in px) / len(px)
    rgb = tuple(sum(p[k] * p[3] for p in px) / max(1.0, a * len(px)) for k in range(3))
    return rgb + (a,)


@functools.lru_cache(maxsize=None)
def _apart(a, b):
    """(normal, worst dichromacy) differences of two colours."""
    return colour.ciede2000(a, b), min(colour.ciede2000(colour.simulate(a, k), colour.simulate(b, k))
                                       for k in colour.CVD_MATRICES)


class Faces:
    """The mean faces of the covered cell and of the picture pieces, by size."""

    def __init__(self, read):
        self.read, self.cache = read, {}
        table, _ = formats.read_datafile(read("data/atiles.dat") or b"")
        tiles = table.group("tiles")
        self.pieces = {int(float(g.entry("id")[0])): g for g in (tiles.groups if tiles else []) if g.entry("id")}

    def _face(self, key, path):
        if key not in self.cache:
            pic = pixels.read_png(self.read(path) or b"") if path else None
            self.cache[key] = (pic, pixels.mean_colour(pic, pic.w // 5)) if pic else (None, None)
        return self.cache[key]

    def covered(self, size):
        """(picture, mean face) of the covered cell."""
        return self._face(("empty", size), "gfx/tiles/empty%d.png" % size)

    def piece(self, pid, size):
        """(name, mean face) of a picture piece, its name its file's."""
        path = formats.get(self.pieces[pid], "gfx%d" % size) if pid in self.pieces else ""
        return path.rsplit("/", 1)[-1].rsplit("_", 1)[0] or str(pid), self._face(("piece", pid, size), path)[1]


def board(name, level, ground, faces, back):
    """The two figures of one board: its broken cells' nearest look apart
    from what stands beside them, for normal vision and for dichromats."""
    size = int(float(formats.get(level, "level::data::size") or 0))
    empty, covered = faces.covered(size)
    if not ground or not empty:
        return [("broken cells on %s: ground or covered cell unreadable" % name, 0.0, 1.0)]
    beside = {"the covered cell": covered, "a demonstration's shaded cell": tuple(v * 0.5 for v in covered)}
    grid = ids(level)
    for pid in sorted({p for row in grid for p in row if p}):
        piece, face = faces.piece(pid, size)
        if face is None:
            return [("broken cells on %s: piece %d unreadable" % (name, pid), 0.0, 1.0)]
        beside["the %s piece" % piece] = face
    centres, scale = cell_centres(level, empty.w, empty.h)
    half = empty.w * scale / 2
    looks = {tuple(round(v) for v in pixels.over(ground_under(ground, x, y, half), back, alpha=0.5))
             for (r, c), (x, y) in centres.items() if not grid[r][c]}
    worst = [(99.0, ""), (99.0, "")]
    for look in looks:
        for what, face in beside.items():
            for k, v in enumerate(_apart(look, face)):
                worst[k] = min(worst[k], (v, what))
    if not looks:
        return []
    return [("broken cells on %s apart from %s" % (name, worst[0][1]), worst[0][0], APART),
            ("broken cells on %s apart from %s, dichromat" % (name, worst[1][1]), worst[1][0], CVD_APART)]


def shipped(read, level_files):
    """The figures of every Picross level among level_files; read(rel) gives
    a file's bytes or None. Prints the nearest looks."""
    back_pic = pixels.read_png(read(WINDOW_BACK) or b"")
    if not back_pic:
        return [("broken cells: %s" % WINDOW_BACK, 0.0, 1.0)]
    back, faces, grounds, out = _back(back_pic), Faces(read), {}, []
    for rel in level_files:
        level, _ = formats.read_datafile(read(rel) or b"")
        if formats.get(level, "level::data::tryb").strip() != "1":
            continue
        bg = formats.get(level, "level::data::background") or "gfx/backgrounds/background_1.jpg"
        if bg not in grounds:
            grounds[bg] = jpeg_means.square_means(read(bg) or b"")
        out += board(rel.rsplit("/", 1)[-1][:-4], level, grounds[bg], faces, back)
    for limit, cvd in ((APART, False), (CVD_APART, True)):
        least = min((f for f in out if f[0].endswith(", dichromat") == cvd), key=lambda f: f[1], default=None)
        if least:
            print("broken cells: nearest look %.1f apart (%s; at least %g)" % (least[1], least[0], limit))
    return out
