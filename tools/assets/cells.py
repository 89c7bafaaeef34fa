"""Board cells in the five cell sizes: the empty cell, the cross, the paint
of every colour (data/colors.dat), the picture pieces of Picross
(data/atiles.dat), the clue digits and the marks of satisfied clues.
Everything is drawn at 4x and reduced, so the small sizes stay crisp."""

import colorsys

import numpy as np
from PIL import Image, ImageDraw, ImageFont

import tables
from kit import INK, QUICKSAND, hexrgb, save_png

# Cell sizes by index (index 0 the largest). Index 1 is 42 px: the
# tutorial's row demonstration is drawn for clues 42 px apart.
CELL = [45, 42, 34, 28, 26]
# Digit images by size index 1..4 (index 0 reuses 1): box and cap height.
DIGIT_BOX = {1: 32, 2: 26, 3: 22, 4: 18}
# Size 3's digits stand a little lower than the others' share of the cell,
# so that the cross fits beside them (cell_cross).
DIGIT_CAP = {1: 23.0, 2: 19.0, 3: 15.0, 4: 12.5}
DIGIT_OUTLINE = {1: 2.3, 2: 2.07, 3: 1.725, 4: 1.495}
# The digits' outline: a neutral dark grey, so that tinted it stays a deep shade
# of the digit's own colour and a faded digit keeps a ring that reads (1.5:1
# at 0.3 on the cell and on every paint but black, where only the digit's
# own light fill can carry it). Darker, the whole digits of red and green
# would run together for deuteranopes.
DIGIT_INK = "#2A2A2A"
SS = 4  # supersampling

EMPTY = "#BFB095"
# The Fill palette: id, name, paint, clue digit tint. Ids 1 (cross) and 7
# (black) have fixed roles; 6 is light because the code marks wrong cells of
# it with a black blink. Chosen so that, in every shipped Fill level, each
# pair of colours stays 20 apart (CIEDE2000) as paint and as lit digits, 10
# as digits dimmed over the empty cell and 10 under each simulated
# dichromacy, and each digit reads on the empty cell and on its own paint
# (dark paints get darker digits, so the light ground and the ink outline
# carry them). The digit tints also keep each level's digits 10 apart under
# each dichromacy when seen whole, fill and outline mixed as the eye mixes a
# small figure. Each digit tint stays within 14.5 (CIEDE2000) of its paint as
# the palette shows it and nearer it than any other paint, and keeps its
# hue (within 20 degrees of CIELAB hue; a grey swatch's digit stays grey),
# so a clue reads as its swatch's colour; tools/legibility prints the figures.
COLOURS = [
    (2, "red", "#FF044E", "#FF084B"), (3, "green", "#348446", "#26A378"),
    (4, "blue", "#0068F0", "#044FF1"), (5, "yellow", "#FFEF2F", "#FFEB28"),
    (6, "white", "#F7FFF6", "#FBFFFB"), (7, "black", "#120E0B", "#0A0806"),
    (8, "orange", "#FF9027", "#FF8F2F"), (9, "brown", "#B54A18", "#842000"),
    (10, "purple", "#9B55A2", "#8A4A87"), (11, "sky", "#53B7E9", "#84D0FA"),
    (12, "pink", "#EA9DB8", "#E4ADB6"), (13, "grey", "#747F82", "#768291"),
]
BLACK_ID = 7
# The cross entry's tint draws the zero clues, always dimmed on a crossed
# cell: a violet no palette colour takes, so a zero stays apart from every
# dimmed digit beside it (white and grey ones included).
ZERO_TINT = "#6E00FF"


# ---- shapes at 4x ------------------------------------------------------

def _grid(n):
    y, x = np.mgrid[0:n, 0:n].astype(np.float32)
    return x + 0.5, y + 0.5


def _rounded_mask(n, inset, radius):
    x, y = _grid(n)
    lo, hi = inset + radius, n - inset - radius
    dx = np.maximum(np.maximum(lo - x, x - hi), 0)
    dy = np.maximum(np.maximum(lo - y, y - hi), 0)
    d = np.sqrt(dx * dx + dy * dy) - radius
    return np.clip(0.5 - d, 0, 1)


def _reduce(a, size):
    img = Image.fromarray(np.clip(a, 0, 255).astype(np.uint8), "RGBA")
    return img.resize((size, size), Image.LANCZOS)


def _noise(n, seed, amp):
    rnd = np.random.RandomState(seed)
    small = rnd.normal(0, 1, (max(2, n // 6), max(2, n // 6))).astype(np.float32)
    big = np.asarray(Image.fromarray(small).resize((n, n), Image.BICUBIC))
    return big * amp


def tile(size, colour, raised=True, seed=1, pattern=None):
    """A square cell face: raised for paint and picture pieces (light top
    left edge, dark bottom right), recessed for the empty cell. A darker
    rim at the edge makes neighbouring cells read as a grid."""
    n = size * SS
    x, y = _grid(n)
    base = np.array(hexrgb(colour), np.float32)
    lum = (0.299 * base[0] + 0.587 * base[1] + 0.114 * base[2]) / 255.0
    rgb = np.ones((n, n, 3), np.float32) * base
    # soft light from the top left across the face
    t = (x + y) / (2.0 * n)
    shade = (0.07 - 0.14 * t) if raised else (-0.05 + 0.08 * t)
    bevel = max(1.6, 0.07 * n)
    top = np.clip(1 - np.minimum(x, y) / bevel, 0, 1)
    bottom = np.clip(1 - np.minimum(n - x, n - y) / bevel, 0, 1)
    k = 0.22 if raised else -0.16
    shade = shade + k * top - k * 1.1 * bottom
    light = np.array([255, 250, 235], np.float32)
    dark = np.array(hexrgb(INK), np.float32) * 0.6
    s = shade[..., None]
    rgb = np.where(s > 0, rgb + (light - rgb) * s * (1.3 - 0.6 * lum), rgb + (dark - rgb) * (-s) * (0.8 + 0.5 * lum))
    rgb += _noise(n, seed, 3.0 if raised else 4.0)[..., None]
    if pattern is not None:
        m = pattern(x / n, y / n)[..., None]
        rgb = rgb * (1 - m) + (rgb * 0.7 + 255 * 0.3) * m
    # rim: one output pixel of the colour mixed with ink
    rim_w = SS * 1.0
    inner = _rounded_mask(n, rim_w, 0.1 * n)
    rim = base * 0.45 + np.array(hexrgb(INK), np.float32) * 0.55
    rgb = rgb * inner[..., None] + rim * (1 - inner[..., None])
    alpha = _rounded_mask(n, 0, 0.14 * n) * 255
    return _reduce(np.dstack([rgb, alpha]), size)


def cross(size, fill=INK, outline=None, opacity=0.85):
    """An inked cross with round ends; with an outline it reads on any
    colour (the palette's cross entry)."""
    n = size * SS
    img = Image.new("RGBA", (n, n), (0, 0, 0, 0))
    d = ImageDraw.Draw(img)
    a, b = 0.30 * n, 0.70 * n
    w = max(SS * 2.2, 0.11 * n)

    def strokes(width, colour):
        for (x0, y0, x1, y1) in ((a, a, b, b), (a, b, b, a)):
            d.line((x0, y0, x1, y1), fill=colour, width=int(round(width)))
            for (cx, cy) in ((x0, y0), (x1, y1)):
                r = width / 2.0
                d.ellipse((cx - r, cy - r, cx + r, cy + r), fill=colour)
    if outline:
        strokes(w + 2 * SS * 1.2, hexrgb(outline) + (255,))
    strokes(w, hexrgb(fill) + (int(255 * (1 if outline else opacity)),))
    return img.resize((size, size), Image.LANCZOS)


def _stroke_pic(n, polylines, width, halo, halo_px=0.7):
    """Ink strokes with round ends (and joins), each ringed by a light halo,
    at 4x on an n x n transparent square."""
    img = Image.new("RGBA", (n, n), (0, 0, 0, 0))
    d = ImageDraw.Draw(img)

    def draw(w, colour):
        r = w / 2.0
        for line in polylines:
            d.line(line, fill=colour, width=int(round(w)))
            for cx, cy in line:
                d.ellipse((cx - r, cy - r, cx + r, cy + r), fill=colour)
    if halo:
        draw(width + 2 * SS * halo_px, hexrgb(halo) + (255,))
    draw(width, hexrgb(INK) + (255,))
    return img


def digit_area(s):
    """The cell pixels (1x, cell s) that some clue digit covers (its fill and
    outline, at least half opaque; the soft shadow left out), as the game
    centres the digit either way of rounding."""
    n, box = CELL[s], DIGIT_BOX[max(1, s)]
    area = np.zeros((n, n), bool)
    for dgt in range(10):
        pic = np.asarray(glyph(str(dgt), box, DIGIT_CAP[max(1, s)], "#FFFFFF", outline=DIGIT_INK,
                               outline_px=DIGIT_OUTLINE[max(1, s)])).astype(np.int32)
        a = pic[..., 3] >= 128
        for o in {(n - box) // 2, (n - box + 1) // 2}:
            area[o:o + box, o:o + box] |= a
    return area


def _grow(mask, r=1):
    out = mask.copy()
    for dy in range(-r, r + 1):
        for dx in range(-r, r + 1):
            out[max(0, dy):mask.shape[0] + min(0, dy), max(0, dx):mask.shape[1] + min(0, dx)] |= \
                mask[max(0, -dy):mask.shape[0] - max(0, dy), max(0, -dx):mask.shape[1] - max(0, dx)]
    return out


def _face(n):
    """The cell's face one pixel in from its rounded edge (1x)."""
    whole = np.asarray(_reduce(np.dstack([np.zeros((n * SS, n * SS, 3)), _rounded_mask(n * SS, 0, 0.14 * n * SS) * 255]),
                               n))[..., 3] >= 250
    return ~_grow(~np.pad(whole, 1))[1:-1, 1:-1]


def _fits(pic, allowed):
    a = np.asarray(pic)[..., 3] >= 32
    return not (a & ~allowed).any()


def cell_cross(size):
    """The cross on a cell: one small inked x with a light halo, as large as
    fits in the cell's lower left corner clear of every clue digit (with a
    pixel to spare) and inside the cell's face, so that it reads as a cross
    on the empty cell and on every paint, stays in its own cell and never
    joins a crossed neighbour's."""
    n = CELL[size]
    face = _face(n)
    allowed = face & ~_grow(digit_area(size))
    for k in np.arange(0.45 * n, 3.0, -0.5):
        w = max(SS * (1.2 if size < 3 else 1.0), 0.2 * k * SS)
        spots = [(x, y) for x in np.arange(k / 2.0, n / 3.0, 0.5) for y in np.arange(n - k / 2.0, n * 0.6, -0.5)]
        for x, y in sorted(spots, key=lambda p: p[0] + n - p[1]):  # nearest the corner first
            ends = [((x - k / 2 + 0.1 * k) * SS, (y - k / 2 + 0.1 * k) * SS),
                    ((x + k / 2 - 0.1 * k) * SS, (y + k / 2 - 0.1 * k) * SS)]
            (x0, y0), (x1, y1) = ends
            pic = _stroke_pic(n * SS, [[(x0, y0), (x1, y1)], [(x0, y1), (x1, y0)]], w, "#F3E3C0",
                              0.7 if size < 3 else 0.5)
            pic = pic.resize((n, n), Image.LANCZOS)
            if _fits(pic, allowed):
                return pic
    raise ValueError("no cross fits beside the digits of cell size %d" % size)


def mark_places(s):
    """The top-left corners (cell pixels) where the game draws the satisfied
    mark of a clue, beside the digit's picture, either way of rounding."""
    n, box = CELL[s], DIGIT_BOX[max(1, s)]
    x, y = n / 2.0 + 0.26 * box, n / 2.0 - 0.4 * box
    return [(int(x) + dx, int(y) + dy) for dx in (0, 1) for dy in (0, 1)]


def done_mark(s, fill):
    """The satisfied clue's mark: a tick with an ink outline, right of the
    digit and off it in every place the game may draw it, inside the cell,
    as large as fits there. The game tints it in the clue's
    colour, so its fill takes the colour and its outline keeps it apart
    from the cell."""
    n = CELL[s]
    face = _face(n)
    cell_ok = face & ~digit_area(s)
    places = mark_places(s)
    m = n - min(p[0] for p in places)
    allowed = np.ones((m, m), bool)
    for px, py in places:
        sub = np.zeros((m, m), bool)
        h, w = min(m, n - py), min(m, n - px)
        sub[:h, :w] = cell_ok[py:py + h, px:px + w]
        allowed &= sub
    rim = 0.9 if s < 2 else 0.6 if s < 3 else 0.45  # the ink outline's width, px
    for k in np.arange(0.4 * n, 2.5, -0.25):  # the tick's width; it stands 1.25 times as tall
        w = max(SS * (1.2 if s < 3 else 1.0), 0.22 * k * SS)
        for oy in np.arange(0.0, m - 1.25 * k, 0.25):
            for ox in np.arange(0.0, m - k, 0.25):
                pts = [(ox + 0.08 * k, oy + 0.7 * k), (ox + 0.38 * k, oy + 1.15 * k), (ox + 0.92 * k, oy + 0.1 * k)]
                line = [[(a * SS, b * SS) for a, b in pts]]
                outer = np.asarray(_stroke_pic(m * SS, line, w + 2 * SS * rim, None)).astype(np.float32)
                core = np.asarray(_stroke_pic(m * SS, line, w, None))[..., 3:4].astype(np.float32) / 255.0
                rgb = np.array(hexrgb(INK), np.float32) * (1 - core) + np.array(hexrgb(fill), np.float32) * core
                out = _reduce(np.dstack([rgb, outer[..., 3]]), m)
                if _fits(out, allowed):
                    return out
    raise ValueError("no mark fits beside the digits of cell size %d" % s)


# ---- digits --------------------------------------------------------------

def _disk_dilate(mask, r):
    out = mask.copy()
    ir = int(np.ceil(r))
    for dy in range(-ir, ir + 1):
        for dx in range(-ir, ir + 1):
            if dx * dx + dy * dy <= r * r:
                out = np.maximum(out, np.roll(np.roll(mask, dy, 0), dx, 1))
    return out


def glyph(text, box, cap, fill, outline=INK, outline_px=2.0):
    """A digit centred in a box x box image: a fill with an ink outline and
    a faint drop shadow, drawn at 4x."""
    n = box * SS
    font = ImageFont.truetype(QUICKSAND, int(round(cap * SS / 0.70)))
    layer = Image.new("L", (n, n), 0)
    d = ImageDraw.Draw(layer)
    x0, y0, x1, y1 = d.textbbox((0, 0), text, font=font)
    d.text(((n - (x1 - x0)) / 2.0 - x0, (n - (y1 - y0)) / 2.0 - y0), text, font=font, fill=255)
    m = np.asarray(layer).astype(np.float32) / 255.0
    ring = _disk_dilate(m, outline_px * SS)
    shadow = np.roll(np.roll(ring, SS, 0), SS // 2, 1) * 0.35
    f = np.array(hexrgb(fill), np.float32)
    o = np.array(hexrgb(outline), np.float32)
    alpha = np.maximum(np.maximum(ring, m), shadow)
    col = np.where(m[..., None] > 0, f * m[..., None] + o * (1 - m[..., None]), o)
    return _reduce(np.dstack([col, alpha * 255]), box)


# ---- tables --------------------------------------------------------------

def _stripes(u, v):
    return ((np.floor((u + v) * 6) % 2) * 0.35).astype(np.float32)


def make_colours():
    entries = [("i", len(COLOURS) + 1)]
    # the cross entry: a cross that reads on whatever colour lies under it
    for s in range(5):
        save_png(cross(CELL[s], fill="#F3E3C0", outline=INK), "gfx/tiles/colors/cross_a%d.png" % s)
        save_png(cross(CELL[s], fill="#F3E3C0", outline=INK), "gfx/tiles/colors/cross_b%d.png" % s)
    groups = [("color1", [("id", 1), ("rgb", list(hexrgb(ZERO_TINT))), ("showRGB", [255, 255, 255]),
                          ("img0", "gfx/tiles/colors/cross_a"), ("img1", "gfx/tiles/colors/cross_b")])]
    for k, (cid, name, paint, tint) in enumerate(COLOURS):
        for s in range(5):
            save_png(tile(CELL[s], paint, True, seed=100 + cid), "gfx/tiles/colors/%s_a%d.png" % (name, s))
            # the second style, which the settings could pick: striped paint
            save_png(tile(CELL[s], paint, True, seed=100 + cid, pattern=_stripes),
                     "gfx/tiles/colors/%s_b%d.png" % (name, s))
        groups.append(("color%d" % (k + 2), [
            ("id", cid), ("rgb", list(hexrgb(tint))), ("showRGB", list(hexrgb(paint))),
            ("img0", "gfx/tiles/colors/%s_a" % name), ("img1", "gfx/tiles/colors/%s_b" % name)]))
    tables.write("data/colors.dat", "colors", entries + groups)


# Picture pieces: twelve hue families in four shades, then six greys.
HUES = [("red", 2, 0.72), ("orange", 24, 0.80), ("yellow", 47, 0.85), ("lime", 80, 0.55),
        ("green", 120, 0.45), ("teal", 170, 0.50), ("sky", 200, 0.70), ("blue", 222, 0.60),
        ("violet", 270, 0.45), ("magenta", 315, 0.55), ("pink", 345, 0.75), ("brown", 25, 0.45)]
SHADES = [0.80, 0.63, 0.46, 0.30]
GREYS = ["#F4F1EA", "#C8C4BC", "#9A958D", "#6C6861", "#45413B", "#22201D"]


def piece_colours():
    out = []
    for name, hue, sat in HUES:
        for k, l in enumerate(SHADES):
            ll = l * (0.85 if name == "brown" else 1.0)
            r, g, b = colorsys.hls_to_rgb(hue / 360.0, ll, sat)
            out.append(("%s%d" % (name, k + 1), "#%02X%02X%02X" % tuple(int(round(c * 255)) for c in (r, g, b))))
    for k, g in enumerate(GREYS):
        out.append(("grey%d" % (k + 1), g))
    return out


def make_pieces():
    pieces = piece_colours()
    groups = []
    for k, (name, colour) in enumerate(pieces):
        pid = k + 1
        for s in range(5):
            save_png(tile(CELL[s], colour, True, seed=300 + pid), "gfx/tiles/pieces/%s_%d.png" % (name, s))
        groups.append(("tile%d" % pid, [("id", pid)] +
                       [("gfx%d" % s, "gfx/tiles/pieces/%s_%d.png" % (name, s)) for s in range(5)]))
    tables.write("data/atiles.dat", "tiles", [("i", len(pieces))] + groups)


def make_cells():
    for s in range(5):
        save_png(tile(CELL[s], EMPTY, raised=False, seed=7), "gfx/tiles/empty%d.png" % s)
        save_png(cell_cross(s), "gfx/tiles/x%d.png" % s)


def make_digits():
    for s in range(1, 5):
        for dgt in range(10):
            save_png(glyph(str(dgt), DIGIT_BOX[s], DIGIT_CAP[s], "#FFFFFF", outline=DIGIT_INK,
                           outline_px=DIGIT_OUTLINE[s]), "gfx/numbers/%d_%d.png" % (dgt, s))
            save_png(glyph(str(dgt), DIGIT_BOX[s], DIGIT_CAP[s], "#FFF4DC", outline="#120C08",
                           outline_px=DIGIT_OUTLINE[s]),
                     "gfx/numbers/b%d_%d.png" % (dgt, s))
    for s in range(5):
        save_png(done_mark(s, "#FFFFFF"), "gfx/gui/game/point%d.png" % s)
        save_png(done_mark(s, "#FFF4DC"), "gfx/gui/game/bpoint%d.png" % s)


def make_all():
    make_cells()
    make_digits()
    make_colours()
    make_pieces()


if __name__ == "__main__":
    make_all()
