"""Effect pictures: the mistake rocks in the five cell sizes, the hint orb,
the particle images of data/particles.dat and the tutorial arrows.
Particles are white so the code's colour tints them; those drawn with
additive light fade to transparent black at their edges."""

import random

import numpy as np
from PIL import Image, ImageFilter

import cells
import tables
from kit import INK, GOLD, GOLD_LIGHT, TEAL, lin_grad, rad_grad, glow_filter, render_svg, save_png, svg_doc

SS = 4


def rock(size, seed):
    """A chunk of stone with a glowing red crack: the flying mistake."""
    n = size * SS
    rnd = random.Random(seed)
    c = n / 2.0
    pts = []
    for k in range(9):
        a = np.radians(k * 40 + rnd.uniform(-10, 10))
        r = n * rnd.uniform(0.36, 0.46)
        pts.append((c + r * np.cos(a), c + r * np.sin(a)))
    d = "M " + " L ".join("%g %g" % p for p in pts) + " Z"
    defs = (rad_grad("st", [(0, "#B8B2A6"), (0.7, "#857E72"), (1, "#5E5850")], 0.38, 0.32, 0.8) +
            glow_filter("gl", n * 0.03, "#FF5A36", 0.9))
    crack = "M %g %g L %g %g L %g %g L %g %g" % (c - n * 0.08, c - n * 0.36, c + n * 0.02, c - n * 0.1,
                                                 c - n * 0.1, c + n * 0.06, c + n * 0.04, c + n * 0.34)
    body = '<path d="%s" fill="url(#st)" stroke="%s" stroke-width="%g" stroke-linejoin="round"/>' % (d, INK, n * 0.05)
    body += ('<path d="M %g %g L %g %g" stroke="#FFFFFF" stroke-opacity="0.35" stroke-width="%g" '
             'stroke-linecap="round"/>' % (c - n * 0.26, c - n * 0.12, c - n * 0.12, c - n * 0.3, n * 0.04))
    body += '<g filter="url(#gl)"><path d="%s" fill="none" stroke="#000" stroke-width="%g"/></g>' % (crack, n * 0.07)
    body += ('<path d="%s" fill="none" stroke="#FFB070" stroke-width="%g" stroke-linejoin="round" '
             'stroke-linecap="round"/>' % (crack, n * 0.045))
    img = render_svg(svg_doc(n, n, body, defs))
    return img.resize((size, size), Image.LANCZOS)


def radial(size, profile):
    """A white picture whose alpha follows profile(distance 0..1)."""
    y, x = np.mgrid[0:size, 0:size].astype(np.float32)
    r = np.sqrt((x + 0.5 - size / 2.0) ** 2 + (y + 0.5 - size / 2.0) ** 2) / (size / 2.0)
    a = np.clip(profile(np.minimum(r, 1.0)), 0, 1)
    out = np.zeros((size, size, 4), np.uint8)
    out[..., :3] = 255
    out[..., 3] = (a * 255).astype(np.uint8)
    return Image.fromarray(out, "RGBA")


def star(size, arms=4, sharp=6.0):
    y, x = np.mgrid[0:size, 0:size].astype(np.float32)
    dx, dy = (x + 0.5 - size / 2.0) / (size / 2.0), (y + 0.5 - size / 2.0) / (size / 2.0)
    r = np.sqrt(dx * dx + dy * dy)
    ang = np.arctan2(dy, dx)
    rays = np.abs(np.cos(ang * arms / 2.0)) ** sharp
    a = np.clip((1 - r) * (0.15 + 0.85 * rays) * 1.6, 0, 1) + np.clip(1 - r * 4, 0, 1)
    out = np.zeros((size, size, 4), np.uint8)
    out[..., :3] = 255
    out[..., 3] = (np.clip(a, 0, 1) * 255).astype(np.uint8)
    return Image.fromarray(out, "RGBA")


def puff(w, h, seed, blobs, soft, peak=1.0):
    """A soft white cloud or smoke puff made of overlapping blobs, at most
    peak opaque."""
    rnd = random.Random(seed)
    a = np.zeros((h, w), np.float32)
    y, x = np.mgrid[0:h, 0:w].astype(np.float32)
    for _ in range(blobs):
        cx, cy = rnd.uniform(0.36, 0.64) * w, rnd.uniform(0.44, 0.56) * h
        rx, ry = rnd.uniform(0.11, 0.18) * w, rnd.uniform(0.16, 0.26) * h
        d = ((x - cx) / rx) ** 2 + ((y - cy) / ry) ** 2
        a = np.maximum(a, np.clip(1.2 - d, 0, 1))
    # a window that reaches zero at the picture's edges, so no blob is cut
    win = np.clip(1 - ((x + 0.5 - w / 2.0) / (w / 2.0)) ** 4 - ((y + 0.5 - h / 2.0) / (h / 2.0)) ** 4, 0, 1)
    img = Image.fromarray((np.clip(a, 0, 1) * 255).astype(np.uint8)).filter(ImageFilter.GaussianBlur(soft))
    img = Image.fromarray((np.asarray(img).astype(np.float32) * win * peak).astype(np.uint8))
    out = np.zeros((h, w, 4), np.uint8)
    out[..., :3] = 255
    out[..., 3] = np.asarray(img)
    return Image.fromarray(out, "RGBA")


CLOUD_PEAK = 0.35  # tools/check_assets holds the clouds to this

PARTICLES = [
    ("spark", lambda: star(32)),                                  # 0: play sparks
    ("glow", lambda: radial(32, lambda r: (1 - r) ** 2.2)),       # 1: soft glow
    ("twinkle", lambda: star(24, arms=8, sharp=10)),              # 2: hint sparkle
    ("ring", lambda: radial(32, lambda r: np.exp(-((r - 0.7) / 0.12) ** 2))),  # 3: a soft ring
    ("ember", lambda: radial(32, lambda r: np.clip(1.25 - r * 1.25, 0, 1) ** 1.3)),  # 4: lava
    # 5-7: the map's clouds, which drift over the stage markers at any
    # height: thin enough that a marker under one still shows
    ("cloud1", lambda: puff(160, 72, 5, 7, 5, CLOUD_PEAK)),
    ("cloud2", lambda: puff(128, 60, 6, 6, 4, CLOUD_PEAK)),
    ("cloud3", lambda: puff(192, 80, 7, 9, 6, CLOUD_PEAK)),
    ("smoke", lambda: puff(96, 96, 8, 6, 6)),                     # 8-9: smoke and fog
    ("fog", lambda: puff(128, 96, 9, 8, 10)),
]


def hint_orb():
    s = 40
    img = radial(s, lambda r: (1 - r) ** 1.6)
    a = np.asarray(img).astype(np.float32)
    teal = np.array([127, 227, 224], np.float32)
    y, x = np.mgrid[0:s, 0:s].astype(np.float32)
    r = np.sqrt((x + 0.5 - s / 2.0) ** 2 + (y + 0.5 - s / 2.0) ** 2) / (s / 2.0)
    core = np.clip(1 - r * 2.2, 0, 1)[..., None]
    a[..., :3] = teal * (1 - core) + 255 * core
    orb = Image.fromarray(a.astype(np.uint8), "RGBA")
    orb.alpha_composite(star(s, arms=4, sharp=14))
    return orb


def arrow(colour, glow):
    """A tutorial arrow pointing down (the code bobs it along its own
    direction, downward at rotation 0)."""
    w, h = 60, 84
    defs = (lin_grad("g", [(0, "#FFF4C8"), (0.5, colour), (1, "#B07020" if colour == GOLD else "#1E8A88")]) +
            glow_filter("gl", 5, glow, 0.75))
    d = "M 20 8 L 40 8 L 40 44 L 52 44 L 30 76 L 8 44 L 20 44 Z"
    body = '<g filter="url(#gl)"><path d="%s" fill="#000"/></g>' % d
    body += ('<path d="%s" fill="url(#g)" stroke="%s" stroke-width="2.5" stroke-linejoin="round"/>' % (d, INK))
    body += '<path d="M 24 12 L 24 46" stroke="#FFFFFF" stroke-opacity="0.6" stroke-width="2.5" stroke-linecap="round"/>'
    return render_svg(svg_doc(w, h, body, defs))


def make_all():
    for s in range(5):
        save_png(rock(cells.CELL[s], 60 + s), "gfx/effects/x%d.png" % s)
    save_png(hint_orb(), "gfx/effects/hint.png")
    entries = [("i", len(PARTICLES) - 1)]
    for k, (name, make) in enumerate(PARTICLES):
        rel = "gfx/effects/particles/%s.png" % name
        save_png(make(), rel)
        entries.append(("p%d" % k, rel))
    tables.write("data/particles.dat", "particles", entries)
    save_png(arrow(GOLD, TEAL), "gfx/gui/tutorial/arrow.png")
    save_png(arrow(TEAL, GOLD_LIGHT), "gfx/gui/tutorial/arrow2.png")


if __name__ == "__main__":
    make_all()
