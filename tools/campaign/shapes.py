"""The named pictures of the campaigns, drawn as layers of shapes on the unit
square so that one drawing renders at every board size. Each picture is a
name and a list of (part, predicate(u, v)); u runs left to right, v top to
bottom, both 0..1 at cell centres. A later layer paints over an earlier one.
Parts name colours that the campaign maps to pieces (Picross) or paints
(Fill)."""

import math


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
    ("Snowy Mountain", [("dark", poly((0.5, 0.05), (1.0, 0.98), (0.0, 0.98))), ("white", poly((0.5, 0.05), (0.72, 0.45), (0.28, 0.45)))]),
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
    ("Snail", [("accent", disk(0.4, 0.48, 0.32)), ("brown", disk(0.4, 0.48, 0.14)),
               ("green", either(box(0.05, 0.8, 0.95, 0.97), box(0.78, 0.45, 0.92, 0.97)))]),
    ("Sun", [("accent", either(disk(0.5, 0.5, 0.3), star(0.5, 0.5, 0.52, 0.3, 8)))]),
    ("Castle", [("white", either(box(0.0, 0.3, 1.0, 1.0), box(0.0, 0.0, 0.2, 0.3), box(0.4, 0.0, 0.6, 0.3), box(0.8, 0.0, 1.0, 0.3))),
                ("brown", either(both(disk(0.5, 0.72, 0.16), box(0, 0.72, 1, 1)), box(0.34, 0.72, 0.66, 1.0)))]),
    ("Clover", [("green", either(disk(0.5, 0.27, 0.2), disk(0.27, 0.55, 0.2), disk(0.73, 0.55, 0.2),
                                 box(0.46, 0.55, 0.56, 1.0)))]),
]

# The smallest board side at which a picture still reads as its name.
MIN_SIDE = {"Snail": 9, "Goldfish": 8, "Key": 9, "Star": 9, "Raindrop": 7, "Sun": 9, "Oak Leaf": 8, "Pennant Flag": 8,
            "Heart": 9, "Crescent Moon": 7, "Diamond": 7, "Acorn": 7, "Clover": 7, "Lantern": 7}
