"""Pieces of painted scenery as SVG fragments: hills, trees, standing
stones, a portal, a ship, flags, clouds and stars. Seeded, so every run
draws the same picture."""

import math
import random

from kit import INK, mix

OUT = 'stroke="%s" stroke-opacity="0.55" stroke-width="1.6" stroke-linejoin="round"' % INK


def ridge(seed, base, amp, width=1024, step=8, waves=4, rough=0.35):
    """Heights along a hill line: a few slow waves plus a little roughness."""
    rnd = random.Random(seed)
    comps = [(rnd.uniform(0.6, 1.0) / (i + 1) ** 0.8, rnd.uniform(0.6, 1.4) * (i + 1), rnd.uniform(0, 6.3))
             for i in range(waves)]
    pts = []
    for x in range(-step, width + 2 * step, step):
        t = x / float(width) * math.pi * 2
        y = sum(a * math.sin(t * f + p) for a, f, p in comps)
        y += rough * 0.15 * math.sin(x * 0.09 + seed) + rough * 0.1 * math.sin(x * 0.23 + seed * 2)
        pts.append((x, base - amp * y))
    return pts


def hill(pts, fill, bottom=800, extra=""):
    d = "M %g %g " % (pts[0][0], bottom)
    d += " ".join("L %g %g" % p for p in pts)
    d += " L %g %g Z" % (pts[-1][0], bottom)
    return '<path d="%s" fill="%s" %s/>' % (d, fill, extra)


def height_at(pts, x):
    for (x0, y0), (x1, y1) in zip(pts, pts[1:]):
        if x0 <= x <= x1:
            return y0 + (y1 - y0) * (x - x0) / float(x1 - x0)
    return pts[-1][1]


def round_tree(x, y, size, colour, seed, light=0.25):
    """A broad-leaf tree: trunk and a cluster of soft round blobs."""
    rnd = random.Random(seed)
    trunk = mix(INK, colour, 0.25)
    s = ('<path d="M %g %g Q %g %g %g %g L %g %g Q %g %g %g %g Z" fill="%s" %s/>' %
         (x - size * 0.09, y, x - size * 0.05, y - size * 0.5, x - size * 0.02, y - size * 0.8,
          x + size * 0.04, y - size * 0.8, x + size * 0.06, y - size * 0.5, x + size * 0.1, y, trunk, OUT))
    blobs = []
    for _ in range(7):
        bx = x + rnd.uniform(-0.42, 0.42) * size
        by = y - size * (0.95 + rnd.uniform(-0.22, 0.3))
        blobs.append((bx, by, size * rnd.uniform(0.26, 0.4)))
    blobs.sort(key=lambda b: -b[1])
    for bx, by, r in blobs:
        s += '<circle cx="%g" cy="%g" r="%g" fill="%s" %s/>' % (bx, by, r, colour, OUT)
    for bx, by, r in blobs[-4:]:
        s += ('<circle cx="%g" cy="%g" r="%g" fill="%s" fill-opacity="0.55"/>' %
              (bx - r * 0.25, by - r * 0.3, r * 0.55, mix(colour, "#FFF3C0", light)))
    return s


def pine(x, y, size, colour, light=0.2):
    s = '<rect x="%g" y="%g" width="%g" height="%g" fill="%s"/>' % (x - size * 0.04, y - size * 0.25, size * 0.08,
                                                                     size * 0.25, mix(INK, colour, 0.2))
    for i in range(4):
        w = size * (0.42 - i * 0.08)
        top = y - size * (0.55 + i * 0.22)
        bot = y - size * (0.18 + i * 0.21)
        s += ('<path d="M %g %g Q %g %g %g %g L %g %g Q %g %g %g %g Z" fill="%s" %s/>' %
              (x - w, bot, x - w * 0.2, top + (bot - top) * 0.3, x, top, x, top,
               x + w * 0.2, top + (bot - top) * 0.3, x + w, bot, colour, OUT))
        s += ('<path d="M %g %g Q %g %g %g %g Z" fill="%s" fill-opacity="0.5"/>' %
              (x - w * 0.8, bot - 1, x - w * 0.2, top + (bot - top) * 0.35, x, top + 2, mix(colour, "#FFF3C0", light)))
    return s


def stone(x, y, w, h, tilt, colour, moss="#6E8F4A"):
    """A standing stone with rounded top, side light and a cap of moss."""
    d = ("M %g %g L %g %g Q %g %g %g %g Q %g %g %g %g L %g %g Z" %
         (-w / 2, 0, -w / 2 * 0.92, -h * 0.82, -w / 2 * 0.9, -h, 0, -h,
          w / 2 * 0.95, -h * 1.0, w / 2 * 0.9, -h * 0.8, w / 2, 0))
    s = '<g transform="translate(%g %g) rotate(%g)">' % (x, y, tilt)
    s += '<path d="%s" fill="%s" %s/>' % (d, colour, OUT)
    s += ('<path d="M %g %g Q %g %g %g %g L %g %g Z" fill="%s" fill-opacity="0.35"/>' %
          (-w / 2 * 0.75, -h * 0.1, -w / 2 * 0.7, -h * 0.85, -w * 0.05, -h * 0.93, -w * 0.05, -h * 0.1,
           mix(colour, "#FFF0D0", 0.6)))
    s += ('<path d="M %g %g Q %g %g %g %g Q %g %g %g %g Z" fill="%s"/>' %
          (-w / 2 * 0.9, -h * 0.9, 0, -h * 1.06, w / 2 * 0.92, -h * 0.88, 0, -h * 0.8, -w / 2 * 0.9, -h * 0.9, moss))
    s += '</g>'
    return s


def portal(x, y, w, h, stone_col, glow="#7FE3E0"):
    """Two standing stones and a lintel around a glowing gate."""
    s = ('<ellipse cx="%g" cy="%g" rx="%g" ry="%g" fill="url(#portalGlow)"/>' %
         (x, y - h * 0.45, w * 0.9, h * 0.75))
    s += ('<ellipse cx="%g" cy="%g" rx="%g" ry="%g" fill="%s" fill-opacity="0.85" filter="url(#soft)"/>' %
          (x, y - h * 0.42, w * 0.26, h * 0.4, mix(glow, "#FFFFFF", 0.35)))
    s += stone(x - w * 0.38, y, w * 0.26, h * 0.95, -2, stone_col)
    s += stone(x + w * 0.38, y, w * 0.26, h * 0.92, 2, stone_col)
    s += ('<path d="M %g %g Q %g %g %g %g L %g %g Q %g %g %g %g Z" fill="%s" %s/>' %
          (x - w * 0.56, y - h * 0.92, x, y - h * 1.02, x + w * 0.56, y - h * 0.92, x + w * 0.55, y - h * 1.08,
           x, y - h * 1.18, x - w * 0.55, y - h * 1.08, mix(stone_col, "#000000", 0.08), OUT))
    return s


def ship(x, y, size, hull="#6B4226", sail="#F3E3C0", flag="#A8382E"):
    s = ('<path d="M %g %g L %g %g Q %g %g %g %g L %g %g Q %g %g %g %g Z" fill="%s" %s/>' %
         (x - size * 0.55, y - size * 0.18, x + size * 0.62, y - size * 0.22, x + size * 0.45, y + size * 0.05,
          x + size * 0.3, y + size * 0.08, x - size * 0.3, y + size * 0.08, x - size * 0.5, y + size * 0.04,
          x - size * 0.55, y - size * 0.18, hull, OUT))
    s += '<rect x="%g" y="%g" width="%g" height="%g" fill="%s"/>' % (x - size * 0.02, y - size * 0.95, size * 0.04,
                                                                     size * 0.78, mix(hull, INK, 0.4))
    s += ('<path d="M %g %g Q %g %g %g %g L %g %g Q %g %g %g %g Z" fill="%s" %s/>' %
          (x + size * 0.03, y - size * 0.88, x + size * 0.42, y - size * 0.62, x + size * 0.03, y - size * 0.3,
           x + size * 0.03, y - size * 0.3, x + size * 0.1, y - size * 0.6, x + size * 0.03, y - size * 0.88, sail, OUT))
    s += ('<path d="M %g %g Q %g %g %g %g L %g %g Z" fill="%s" %s/>' %
          (x - size * 0.04, y - size * 0.82, x - size * 0.5, y - size * 0.55, x - size * 0.04, y - size * 0.26,
           x - size * 0.04, y - size * 0.82, mix(sail, "#C9A46A", 0.25), OUT))
    s += ('<path d="M %g %g L %g %g L %g %g Z" fill="%s"/>' %
          (x + size * 0.02, y - size * 0.95, x + size * 0.26, y - size * 0.9, x + size * 0.02, y - size * 0.85, flag))
    return s


def flag(x, y, h, colour, wave=0.0):
    s = '<rect x="%g" y="%g" width="3" height="%g" rx="1.5" fill="%s"/>' % (x - 1.5, y - h, h, mix(INK, "#8A5A33", 0.3))
    s += '<circle cx="%g" cy="%g" r="3.2" fill="#C9962E" %s/>' % (x, y - h, OUT)
    fw = h * 0.55
    s += ('<path d="M %g %g Q %g %g %g %g Q %g %g %g %g Z" fill="%s" %s/>' %
          (x + 1.5, y - h + 4, x + fw * 0.5, y - h + 2 + wave * 6, x + fw, y - h + 12,
           x + fw * 0.5, y - h + 22 - wave * 6, x + 1.5, y - h + 24, colour, OUT))
    return s


def clouds(seed, count, y0, y1, colour, opacity=0.5, width=1024):
    rnd = random.Random(seed)
    s = '<g filter="url(#cloudBlur)" fill="%s" fill-opacity="%g">' % (colour, opacity)
    for _ in range(count):
        cx, cy = rnd.uniform(-50, width + 50), rnd.uniform(y0, y1)
        w = rnd.uniform(90, 220)
        for k in range(5):
            s += '<ellipse cx="%g" cy="%g" rx="%g" ry="%g"/>' % (cx + (k - 2) * w * 0.22, cy - (2 - abs(k - 2)) * w * 0.05,
                                                                  w * 0.28, w * 0.12)
    return s + "</g>"


def stars(seed, count, y1, width=1024):
    rnd = random.Random(seed)
    s = ""
    for _ in range(count):
        x, y = rnd.uniform(0, width), rnd.uniform(0, y1) ** 1.0
        r = rnd.choice((0.7, 0.9, 1.1, 1.4, 2.0))
        a = rnd.uniform(0.35, 0.95) * (1 - y / (y1 * 1.3))
        s += '<circle cx="%g" cy="%g" r="%g" fill="#FFF6DA" fill-opacity="%g"/>' % (x, y, r, a)
        if r >= 2.0:
            s += ('<path d="M %g %g L %g %g M %g %g L %g %g" stroke="#FFF6DA" stroke-opacity="%g" '
                  'stroke-width="0.8"/>' % (x - 6, y, x + 6, y, x, y - 6, x, y + 6, a * 0.7))
    return s
