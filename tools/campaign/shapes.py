"""The named pictures of the campaigns. Most are hand-drawn pixel pictures
(pixel_art.py), shown at their drawn size; the rest are drawn as layers of
shapes on the unit square so that one drawing renders at every board size:
a name and a list of (part, predicate(u, v)); u runs left to right, v top to
bottom, both 0..1 at cell centres, a later layer painting over an earlier
one. Parts name colours that the campaign maps to pieces (Picross) or paints
(Fill). all_pictures() gives both kinds as Picture records."""

import collections
import math

import pixel_art


def disk(cx, cy, r, sx=1.0, sy=1.0):
    return lambda u, v: ((u - cx) / sx) ** 2 + ((v - cy) / sy) ** 2 <= r * r


def box(x0, y0, x1, y1):
    return lambda u, v: x0 <= u <= x1 and y0 <= v <= y1


def poly(*pts):
    def inside(u, v):
        hit = False
        n = len(pts)
        for i in range(n):
            (x1, y1), (x2, y2) = pts[i], pts[(i + 1) % n]
            if (y1 > v) != (y2 > v) and u < x1 + (v - y1) * (x2 - x1) / (y2 - y1):
                hit = not hit
        return hit
    return inside


def both(a, b):
    return lambda u, v: a(u, v) and b(u, v)


def minus(a, b):
    return lambda u, v: a(u, v) and not b(u, v)


def either(*fs):
    return lambda u, v: any(f(u, v) for f in fs)


def star(cx, cy, r_out, r_in, points=5):
    pts = []
    for k in range(2 * points):
        r = r_out if k % 2 == 0 else r_in
        a = -math.pi / 2 + k * math.pi / points
        pts.append((cx + r * math.cos(a), cy + r * math.sin(a)))
    return poly(*pts)


HEART = either(disk(0.3, 0.33, 0.24), disk(0.7, 0.33, 0.24), poly((0.06, 0.42), (0.94, 0.42), (0.5, 0.96)))

# name, layers. Parts: main, dark, light, accent, green, brown, blue, white.
PICTURES = [
    ("Heart", [("main", HEART)]),
    ("Diamond", [("blue", poly((0.5, 0.02), (0.98, 0.5), (0.5, 0.98), (0.02, 0.5)))]),
    ("Raindrop", [("blue", either(disk(0.5, 0.64, 0.32), poly((0.5, 0.0), (0.2, 0.55), (0.8, 0.55))))]),
    ("Crescent Moon", [("accent", minus(disk(0.5, 0.5, 0.46), disk(0.72, 0.38, 0.38)))]),
    ("Star", [("accent", star(0.5, 0.54, 0.5, 0.22))]),
    ("Fir Tree", [("green", poly((0.5, 0.0), (0.95, 0.8), (0.05, 0.8))), ("brown", box(0.38, 0.78, 0.62, 1.0))]),
    ("Cottage", [("main", poly((0.5, 0.0), (1.0, 0.45), (0.0, 0.45))), ("brown", box(0.12, 0.45, 0.88, 1.0)),
                 ("accent", box(0.4, 0.62, 0.6, 1.0))]),
    ("Mushroom", [("main", both(disk(0.5, 0.55, 0.5, 1.0, 1.0), box(0, 0, 1, 0.55))), ("white", box(0.33, 0.55, 0.67, 1.0)),
                  ("white", disk(0.3, 0.3, 0.1)), ("white", disk(0.68, 0.25, 0.1))]),
    ("Goldfish", [("accent", disk(0.42, 0.5, 0.34, 1.0, 0.7)), ("accent", poly((0.65, 0.5), (1.0, 0.15), (1.0, 0.85))),
                  ("dark", disk(0.25, 0.45, 0.06))]),
    ("Sailing Boat", [("white", poly((0.52, 0.0), (0.52, 0.62), (0.92, 0.62))), ("white", poly((0.46, 0.1), (0.46, 0.62), (0.1, 0.62))),
                      ("brown", poly((0.0, 0.7), (1.0, 0.7), (0.8, 0.95), (0.2, 0.95)))]),
    ("Pennant Flag", [("brown", box(0.1, 0.0, 0.22, 1.0)), ("main", poly((0.22, 0.05), (0.98, 0.3), (0.22, 0.58)))]),
    ("Goblet", [("accent", either(both(disk(0.5, 0.05, 0.45), box(0, 0.05, 1, 0.5)), box(0.42, 0.45, 0.58, 0.85),
                                  box(0.2, 0.85, 0.8, 1.0)))]),
    ("Bell", [("accent", either(poly((0.2, 0.3), (0.8, 0.3), (0.98, 0.85), (0.02, 0.85)), disk(0.5, 0.32, 0.3))),
              ("brown", disk(0.5, 0.92, 0.12))]),
    ("Umbrella", [("main", both(disk(0.5, 0.5, 0.5), box(0, 0, 1, 0.5))), ("brown", box(0.44, 0.5, 0.56, 0.95)),
                  ("brown", box(0.2, 0.85, 0.56, 0.98))]),
    ("Arrow", [("main", either(poly((1.0, 0.5), (0.5, 0.02), (0.5, 0.98)), box(0.0, 0.34, 0.55, 0.66)))]),
    ("Oak Leaf", [("green", either(disk(0.5, 0.45, 0.4, 0.65, 1.1), box(0.45, 0.75, 0.55, 1.0))), ("dark", box(0.47, 0.15, 0.53, 0.85))]),
    ("Watchtower", [("white", box(0.25, 0.25, 0.75, 1.0)), ("main", poly((0.5, 0.0), (0.9, 0.28), (0.1, 0.28))),
                    ("dark", box(0.42, 0.45, 0.58, 0.6)), ("brown", box(0.38, 0.78, 0.62, 1.0))]),
    ("Snowy Mountain", [("white", poly((0.5, 0.05), (1.0, 0.98), (0.0, 0.98))), ("light", poly((0.5, 0.05), (0.72, 0.45), (0.28, 0.45)))]),
    ("Crown", [("accent", either(poly((0.0, 0.15), (0.25, 0.5), (0.5, 0.1), (0.75, 0.5), (1.0, 0.15), (1.0, 0.9), (0.0, 0.9)))),
               ("main", disk(0.5, 0.7, 0.1))]),
    ("Candle", [("accent", poly((0.5, 0.0), (0.65, 0.25), (0.5, 0.35), (0.35, 0.25))), ("white", box(0.32, 0.35, 0.68, 0.9)),
                ("brown", box(0.12, 0.88, 0.88, 1.0))]),
    ("Apple", [("main", either(disk(0.34, 0.6, 0.34), disk(0.66, 0.6, 0.34))), ("brown", box(0.46, 0.05, 0.56, 0.3)),
               ("green", disk(0.7, 0.15, 0.12, 1.4, 0.7))]),
    ("Shield", [("blue", poly((0.05, 0.0), (0.95, 0.0), (0.95, 0.5), (0.5, 1.0), (0.05, 0.5))),
                ("accent", either(box(0.42, 0.05, 0.58, 0.85), box(0.12, 0.28, 0.88, 0.42)))]),
    ("Hourglass", [("brown", either(box(0.05, 0.0, 0.95, 0.1), box(0.05, 0.9, 0.95, 1.0))),
                   ("accent", either(poly((0.15, 0.1), (0.85, 0.1), (0.5, 0.5)), poly((0.5, 0.5), (0.85, 0.9), (0.15, 0.9))))]),
    ("Acorn", [("brown", both(disk(0.5, 0.42, 0.48), box(0, 0, 1, 0.42))), ("accent", disk(0.5, 0.55, 0.38, 0.85, 1.1)),
               ("brown", box(0.45, 0.0, 0.55, 0.15))]),
    ("Key", [("accent", either(minus(disk(0.25, 0.5, 0.24), disk(0.25, 0.5, 0.1)), box(0.45, 0.42, 1.0, 0.58),
                                 box(0.75, 0.58, 0.85, 0.8), box(0.9, 0.58, 1.0, 0.75)))]),
    ("Lantern", [("dark", box(0.35, 0.0, 0.65, 0.12)), ("dark", box(0.2, 0.12, 0.8, 0.22)), ("accent", box(0.25, 0.22, 0.75, 0.85)),
                 ("white", box(0.4, 0.35, 0.6, 0.7)), ("dark", box(0.15, 0.85, 0.85, 1.0))]),
    ("Sun", [("accent", either(disk(0.5, 0.5, 0.3), star(0.5, 0.5, 0.52, 0.3, 8)))]),
    ("Castle", [("white", either(box(0.0, 0.3, 1.0, 1.0), box(0.0, 0.0, 0.2, 0.3), box(0.4, 0.0, 0.6, 0.3), box(0.8, 0.0, 1.0, 0.3))),
                ("brown", either(both(disk(0.5, 0.72, 0.16), box(0, 0.72, 1, 1)), box(0.34, 0.72, 0.66, 1.0)))]),
    ("Clover", [("green", either(disk(0.5, 0.27, 0.2), disk(0.27, 0.55, 0.2), disk(0.73, 0.55, 0.2),
                                 box(0.46, 0.55, 0.56, 1.0)))]),
    ("Mountain Lake", [("k", poly((0.0, 0.7), (0.35, 0.1), (0.6, 0.5), (0.75, 0.3), (1.0, 0.7))),
                       ("l", poly((0.35, 0.1), (0.45, 0.28), (0.25, 0.28))), ("b", box(0.0, 0.7, 1.0, 1.0))]),
    ("Full Moon", [("l", disk(0.5, 0.5, 0.48)), ("w", disk(0.35, 0.35, 0.1)), ("w", disk(0.65, 0.6, 0.13)),
                   ("w", disk(0.4, 0.72, 0.07))]),
    ("Diamond Ring", [("y", minus(disk(0.5, 0.62, 0.36), disk(0.5, 0.62, 0.24))),
                      ("s", poly((0.5, 0.0), (0.7, 0.14), (0.5, 0.3), (0.3, 0.14)))]),
    ("Doughnut", [("n", minus(disk(0.5, 0.5, 0.48), disk(0.5, 0.5, 0.16))),
                  ("i", minus(disk(0.5, 0.45, 0.4), disk(0.5, 0.5, 0.22)))]),
    ("Egg in a Cup", [("l", disk(0.5, 0.38, 0.3, 0.8, 1.0)), ("b", both(box(0.15, 0.5, 0.85, 0.8), disk(0.5, 0.45, 0.4))),
                      ("b", box(0.3, 0.8, 0.7, 1.0))]),
    ("Ringed Planet", [("o", disk(0.5, 0.5, 0.3)), ("y", minus(disk(0.5, 0.5, 0.5, 1.0, 0.3), disk(0.5, 0.48, 0.32, 1.0, 0.3))),
                       ("o", both(disk(0.5, 0.5, 0.3), box(0, 0, 1, 0.5)))]),
    ("Traffic Cone", [("o", poly((0.5, 0.0), (0.85, 0.85), (0.15, 0.85))),
                      ("l", both(poly((0.5, 0.0), (0.85, 0.85), (0.15, 0.85)), box(0.0, 0.3, 1.0, 0.42))),
                      ("l", both(poly((0.5, 0.0), (0.85, 0.85), (0.15, 0.85)), box(0.0, 0.55, 1.0, 0.67))),
                      ("k", box(0.0, 0.85, 1.0, 1.0))]),
    ("Pizza Slice", [("n", poly((0.0, 0.0), (1.0, 0.0), (1.0, 0.12), (0.0, 0.12))),
                     ("y", poly((0.02, 0.12), (0.98, 0.12), (0.5, 1.0))),
                     ("r", either(disk(0.3, 0.3, 0.1), disk(0.65, 0.32, 0.1), disk(0.5, 0.6, 0.09)))]),
    ("Red Balloon", [("r", disk(0.5, 0.36, 0.34, 0.85, 1.0)), ("r", poly((0.5, 0.68), (0.58, 0.78), (0.42, 0.78))),
                     ("k", either(box(0.48, 0.78, 0.54, 0.88), box(0.54, 0.88, 0.6, 1.0)))]),
    ("Lollipop", [("i", disk(0.5, 0.35, 0.33)), ("l", minus(disk(0.5, 0.35, 0.2), disk(0.5, 0.35, 0.1))),
                  ("n", box(0.46, 0.68, 0.56, 1.0))]),
    ("Eye", [("l", both(disk(0.5, 1.0, 0.75), disk(0.5, 0.0, 0.75))), ("b", disk(0.5, 0.5, 0.22)),
             ("k", disk(0.5, 0.5, 0.1))]),
    ("Magnifying Glass", [("k", minus(disk(0.38, 0.38, 0.34), disk(0.38, 0.38, 0.22))), ("s", disk(0.38, 0.38, 0.22)),
                          ("n", poly((0.6, 0.68), (0.68, 0.6), (1.0, 0.92), (0.92, 1.0)))]),
    ("Bowling Pin", [("l", either(disk(0.5, 0.2, 0.16), disk(0.5, 0.68, 0.3, 0.9, 1.0), box(0.42, 0.2, 0.58, 0.5))),
                     ("r", box(0.38, 0.34, 0.62, 0.42))]),
    ("Watermelon Slice", [("g", both(disk(0.5, 0.2, 0.5), box(0, 0.2, 1, 1))), ("r", both(disk(0.5, 0.2, 0.4), box(0, 0.2, 1, 1))),
                          ("k", either(disk(0.35, 0.35, 0.05), disk(0.65, 0.35, 0.05), disk(0.5, 0.48, 0.05)))]),
    ("Archery Target", [("r", disk(0.5, 0.5, 0.49)), ("l", disk(0.5, 0.5, 0.37)), ("r", disk(0.5, 0.5, 0.25)),
                        ("y", disk(0.5, 0.5, 0.12))]),
    ("Spinning Top", [("p", poly((0.05, 0.35), (0.95, 0.35), (0.5, 0.95))), ("y", box(0.05, 0.35, 0.95, 0.45)),
                      ("n", box(0.44, 0.05, 0.56, 0.35))]),
    ("Wooden Barrel", [("n", both(disk(0.5, 0.5, 0.5, 0.8, 1.0), box(0.1, 0.05, 0.9, 0.95))),
                       ("k", both(either(box(0, 0.2, 1, 0.27), box(0, 0.73, 1, 0.8)), disk(0.5, 0.5, 0.5, 0.8, 1.0)))]),
    ("Raincloud", [("w", either(disk(0.32, 0.35, 0.2), disk(0.6, 0.28, 0.25), disk(0.78, 0.42, 0.16), box(0.15, 0.38, 0.85, 0.55))),
                   ("b", either(box(0.25, 0.68, 0.31, 0.8), box(0.5, 0.72, 0.56, 0.84), box(0.72, 0.66, 0.78, 0.78)))]),
]

# The smallest board side at which a picture still reads as its name.
MIN_SIDE = {"Goldfish": 8, "Key": 9, "Star": 9, "Raindrop": 7, "Sun": 9, "Oak Leaf": 8, "Pennant Flag": 8,
            "Heart": 9, "Crescent Moon": 7, "Diamond": 7, "Acorn": 7, "Clover": 7, "Lantern": 7}

# Shape parts by the character that marks them in a pixel picture.
KEY_OF = {"main": "r", "dark": "k", "light": "l", "accent": "y", "green": "g", "brown": "n", "blue": "b",
          "white": "w"}
PARTS = "rklygnbwopsi"

# native: the drawn size (w, h) of a pixel picture, None for a shape picture,
# which renders at any side from min_side up. draw(w, h, dx, dy, scale) gives
# rows of part characters ('.' empty).
Picture = collections.namedtuple("Picture", "name native min_side draw")


def _pixel(name, text):
    rows = text.strip("\n").split("\n")
    w = max(len(r) for r in rows)
    rows = [r.ljust(w, ".") for r in rows]
    bad = set("".join(rows)) - set(PARTS + ".")
    if bad:
        raise ValueError("%s: unknown parts %s" % (name, "".join(sorted(bad))))

    def draw(cols, lines, dx=0.0, dy=0.0, scale=1.0):
        # Nearest cell of the drawing; at the drawn size this is the drawing itself.
        return [[rows[min(len(rows) - 1, int(r * len(rows) / lines))][min(w - 1, int(c * w / cols))]
                 for c in range(cols)] for r in range(lines)]
    return Picture(name, (w, len(rows)), max(w, len(rows)), draw)


def _shaped(name, layers):
    def draw(cols, lines, dx=0.0, dy=0.0, scale=1.0):
        grid = []
        for r in range(lines):
            row = []
            for c in range(cols):
                u = ((c + 0.5) / cols - 0.5) * scale + 0.5 + dx
                v = ((r + 0.5) / lines - 0.5) * scale + 0.5 + dy
                part = "."
                for layer, inside in layers:
                    if inside(u, v):
                        part = KEY_OF.get(layer, layer)
                row.append(part)
            grid.append(row)
        return grid
    return Picture(name, None, MIN_SIDE.get(name, 7), draw)


def all_pictures():
    """The pictures both campaigns draw from."""
    return _named_once([_pixel(n, t) for n, t in pixel_art.ART] + [_shaped(n, layers) for n, layers in PICTURES])


def fill_only_pictures():
    """The pictures only the Fill campaign shows."""
    shared = {p.name for p in all_pictures()}
    return [p for p in _named_once([_pixel(n, t) for n, t in pixel_art.FILL_ART] + all_pictures())
            if p.name not in shared]


def _named_once(pictures):
    names = [p.name for p in pictures]
    twice = sorted({n for n in names if names.count(n) > 1})
    if twice:
        raise ValueError("pictures named twice: " + ", ".join(twice))
    return pictures
