"""The map of stages: the painted world (its sea, lava, vents, low ground and
a landmark under every land of tools/campaign/lands.py), the frame, the
compass, the ship, the stage flag and the map's layout. The fixed points
below are the ones the map screen's code emits its effects at; the picture
is painted to them."""

import math
import os
import random
import sys

from PIL import Image, ImageDraw, ImageFilter

import backgrounds
import gui_core
import layouts
import scenery as sc
from kit import (BRASS, BERRY, EMBER, GOLD, GOLD_LIGHT, INK, OAK, OAK_LIGHT, PARCHMENT, PARCHMENT_SHADE,
                 WALNUT, WALNUT_DARK, lin_grad, mix, rad_grad, render_svg, save_jpg, save_png, svg_doc)

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "campaign"))
import lands  # noqa: E402

W, H = 1024, 768
DIR = "gfx/gui/map/"

# Where the code puts its effects (keep in step with src/map/map_decoration.h).
SEA = [(812, 281), (991, 287), (991, 685), (770, 688), (746, 650), (823, 525), (865, 467), (850, 425), (903, 370),
       (814, 350), (768, 311)]
VENTS = [(548, 465), (656, 508)]
LAVA_FIELD = [(234, 261), (237, 267), (243, 265), (246, 267), (252, 268), (257, 269), (265, 268), (273, 268),
              (281, 264), (289, 258), (294, 254), (310, 247), (317, 246), (317, 241), (322, 241), (321, 235),
              (316, 231), (266, 268), (320, 239), (316, 245), (250, 265), (246, 265), (277, 267)]
SHIP_COURSE = ((991, 338), (816, 308))
COMPASS_AT = (30, 30)
FLAG_FOOT = (6, 103)

# The frame: left and right posts, the top beam between them; the bottom
# beam is painted into the map, where the code draws no frame.
FRAME_LEFT_W, FRAME_RIGHT_W, FRAME_TOP_H, FRAME_BOTTOM_H = 28, 33, 26, 18

# The coast, a few pixels outside the sea polygon so that no glint lands on
# the shore: land lies west of it (and north of its first points).
COAST = [(1060, 268), (990, 274), (900, 272), (812, 271), (793, 285), (777, 300), (762, 311), (778, 325),
         (796, 340), (808, 350), (852, 360), (899, 370), (882, 385), (868, 400), (844, 425), (853, 450),
         (859, 467), (835, 500), (817, 525), (795, 560), (771, 600), (740, 650), (753, 670), (764, 690),
         (766, 730), (766, 800)]

OUT = sc.OUT


def smooth_path(pts, close_to=None):
    """A soft line through the midpoints of pts, bending at each point."""
    d = "M %g %g L %g %g " % (pts[0] + ((pts[0][0] + pts[1][0]) / 2, (pts[0][1] + pts[1][1]) / 2))
    for a, b in zip(pts[1:-1], pts[2:]):
        d += "Q %g %g %g %g " % (a[0], a[1], (a[0] + b[0]) / 2, (a[1] + b[1]) / 2)
    d += "L %g %g " % pts[-1]
    if close_to:
        d += " ".join("L %g %g" % p for p in close_to) + " Z"
    return d


def land_path():
    return smooth_path(COAST, close_to=[(-40, 800), (-40, -40), (1060, -40)])


def mountain(x, y, w, h, snow, rock="#8C8797", seed=1):
    """A peak with a lit west face, a shaded east face and an optional snow cap."""
    rnd = random.Random(seed)
    px = x + rnd.uniform(-0.08, 0.08) * w
    s = ('<path d="M %g %g Q %g %g %g %g Q %g %g %g %g Z" fill="%s" %s/>' %
         (x - w / 2, y, x - w * 0.2, y - h * 0.55, px, y - h, x + w * 0.25, y - h * 0.5, x + w / 2, y, rock, OUT))
    s += ('<path d="M %g %g Q %g %g %g %g L %g %g Q %g %g %g %g Z" fill="%s" fill-opacity="0.55"/>' %
          (px, y - h, x + w * 0.25, y - h * 0.5, x + w / 2, y, x + w * 0.05, y, px + w * 0.05, y - h * 0.5,
           px, y - h, mix(rock, INK, 0.45)))
    if snow:
        sy = y - h * snow
        s += ('<path d="M %g %g Q %g %g %g %g Q %g %g %g %g L %g %g L %g %g L %g %g Z" fill="#F6F4F0" %s/>' %
              (px - w * 0.2 * snow, sy + h * 0.05, px - w * 0.08, y - h * 0.92, px, y - h,
               px + w * 0.1, y - h * 0.9, px + w * 0.22 * snow, sy + h * 0.03, px + w * 0.06, sy - h * 0.04,
               px - w * 0.02, sy + h * 0.06, px - w * 0.1, sy - h * 0.03, OUT))
    return s


def volcano(vx, vy, w, h):
    """A cone whose crater's mouth is at (vx, vy), glowing, lava on its flank."""
    base = vy + h
    s = ('<path d="M %g %g Q %g %g %g %g L %g %g Q %g %g %g %g Z" fill="#6A5A5E" %s/>' %
         (vx - w / 2, base, vx - w * 0.18, vy + h * 0.35, vx - w * 0.12, vy + 2, vx + w * 0.12, vy + 2,
          vx + w * 0.2, vy + h * 0.35, vx + w / 2, base, OUT))
    s += ('<path d="M %g %g Q %g %g %g %g L %g %g Q %g %g %g %g Z" fill="#3E3236" fill-opacity="0.6"/>' %
          (vx + w * 0.02, vy + 4, vx + w * 0.15, vy + h * 0.4, vx + w / 2, base, vx + w * 0.1, base,
           vx + w * 0.08, vy + h * 0.4, vx + w * 0.02, vy + 4))
    s += '<ellipse cx="%g" cy="%g" rx="%g" ry="%g" fill="url(#emberGlow)"/>' % (vx, vy + 2, w * 0.3, h * 0.35)
    s += '<ellipse cx="%g" cy="%g" rx="%g" ry="%g" fill="#2A1A18" %s/>' % (vx, vy + 2, w * 0.12, 3.2, OUT)
    s += '<ellipse cx="%g" cy="%g" rx="%g" ry="%g" fill="%s"/>' % (vx, vy + 2.4, w * 0.08, 1.8, EMBER)
    # lava spilling over the rim and down the flank
    s += ('<path d="M %g %g Q %g %g %g %g Q %g %g %g %g" fill="none" stroke="%s" stroke-width="3" '
          'stroke-linecap="round"/>' % (vx - 4, vy + 4, vx - 6, vy + h * 0.4, vx - w * 0.12, vy + h * 0.6,
                                         vx - w * 0.18, vy + h * 0.8, vx - w * 0.2, vy + h * 0.95, EMBER))
    return s


def lava_field():
    """Cinder ground in the north-west with a molten stream along the spark
    points, and the cracked cinder fields below it."""
    s = ('<path d="M 206 270 Q 200 240 232 230 Q 262 212 296 210 Q 340 204 352 230 Q 360 262 336 282 '
         'Q 344 312 326 342 Q 296 364 258 358 Q 222 352 216 320 Q 212 296 206 270 Z" fill="#4E3E3C" %s/>' % OUT)
    s += ('<path d="M 214 268 Q 224 246 256 244 Q 300 232 338 226" fill="none" stroke="#6A5650" stroke-width="10" '
          'stroke-opacity="0.6" stroke-linecap="round"/>')
    path = LAVA_FIELD[:17]  # the stream, west to east and up to its source
    d = "M %d %d " % path[0] + " ".join("L %d %d" % p for p in path[1:])
    s += ('<path d="%s" fill="none" stroke="#F05A28" stroke-width="14" stroke-linejoin="round" stroke-linecap="round" '
          'stroke-opacity="0.45" filter="url(#soft3)"/>' % d)
    s += ('<path d="%s" fill="none" stroke="%s" stroke-width="6" stroke-linejoin="round" stroke-linecap="round"/>'
          % (d, EMBER))
    s += ('<path d="%s" fill="none" stroke="%s" stroke-width="2" stroke-linejoin="round" stroke-linecap="round"/>'
          % (d, GOLD_LIGHT))
    for x, y, r in ((318, 236, 8), (252, 267, 5), (290, 259, 4)):  # pools along the stream
        s += '<circle cx="%d" cy="%d" r="%d" fill="%s" stroke="#F05A28" stroke-width="2"/>' % (x, y, r, GOLD)
    rnd = random.Random(5)
    for _ in range(18):  # cracks of the cinder fields glowing through
        x, y = rnd.uniform(232, 320), rnd.uniform(292, 346)
        s += ('<path d="M %g %g l %g %g l %g %g" fill="none" stroke="%s" stroke-width="1.6" stroke-opacity="0.85" '
              'stroke-linecap="round"/>' % (x, y, rnd.uniform(-9, 9), rnd.uniform(3, 8), rnd.uniform(-9, 9),
                                             rnd.uniform(2, 7), EMBER))
    return s


def lighthouse(x, y, h):
    s = '<ellipse cx="%g" cy="%g" rx="%g" ry="%g" fill="url(#lampGlow)"/>' % (x, y - h * 0.92, h * 0.7, h * 0.45)
    s += ('<path d="M %g %g L %g %g L %g %g L %g %g Z" fill="#F3E3C0" %s/>' %
          (x - h * 0.16, y, x - h * 0.09, y - h * 0.8, x + h * 0.09, y - h * 0.8, x + h * 0.16, y, OUT))
    for k in (0.18, 0.45):
        s += ('<path d="M %g %g L %g %g L %g %g L %g %g Z" fill="%s"/>' %
              (x - h * (0.16 - 0.07 * k), y - h * k, x - h * (0.16 - 0.07 * (k + 0.13)), y - h * (k + 0.13),
               x + h * (0.16 - 0.07 * (k + 0.13)), y - h * (k + 0.13), x + h * (0.16 - 0.07 * k), y - h * k, BERRY))
    s += '<rect x="%g" y="%g" width="%g" height="%g" fill="%s" %s/>' % (x - h * 0.1, y - h * 0.96, h * 0.2, h * 0.16,
                                                                        GOLD_LIGHT, OUT)
    s += '<path d="M %g %g L %g %g L %g %g Z" fill="%s" %s/>' % (x - h * 0.13, y - h * 0.96, x, y - h * 1.1,
                                                                 x + h * 0.13, y - h * 0.96, BERRY, OUT)
    return s


def reeds(x, y, rnd):
    s = ""
    for k in range(3):
        dx = rnd.uniform(-4, 4)
        s += ('<path d="M %g %g q %g %g %g %g" fill="none" stroke="#5E6E34" stroke-width="1.4"/>' %
              (x + k * 3, y, dx, -8, dx * 1.5, -14))
    return s


def landmarks():
    """Under every land's point a landmark that peeks out around its marker."""
    rnd = random.Random(21)
    pos = [land["position"] for land in lands.LANDS]
    s = ""
    # 1 Willowmere Meadows: willows and standing stones on a bright meadow
    x, y = pos[0]
    s += '<ellipse cx="%d" cy="%d" rx="92" ry="52" fill="#B4CC7E" fill-opacity="0.8" filter="url(#soft3)"/>' % (x, y)
    for dx, dy, size in ((-62, 8, 44), (58, 14, 40), (-30, 50, 34), (40, 52, 30)):
        s += sc.round_tree(x + dx, y + dy, size, "#7FA65A", x + dx)
    for dx, dy in ((-52, -42), (-24, -54), (30, -52), (56, -38)):
        s += sc.stone(x + dx, y + dy, 10, 20, rnd.uniform(-5, 5), "#9C98A6")
    # 2 The Whispering Wood: a round wood
    x, y = pos[1]
    trees = [(rnd.uniform(-78, 78), rnd.uniform(-58, 58)) for _ in range(26)]
    for dx, dy in sorted(trees, key=lambda t: t[1]):
        if dx * dx / 78 ** 2 + dy * dy / 58 ** 2 <= 1:
            s += sc.round_tree(x + dx, y + dy + 14, 28, rnd.choice(("#4F7A3A", "#5E8C45", "#456E33")), int(dx * 7 + dy))
    # 3 Stonecircle Downs: a ring of stones on pale downs
    x, y = pos[2]
    s += '<ellipse cx="%d" cy="%d" rx="88" ry="50" fill="#C3D08C" fill-opacity="0.7" filter="url(#soft3)"/>' % (x, y)
    for k in range(12):
        a = k * math.pi * 2 / 12
        s += sc.stone(x + 64 * math.cos(a), y + 12 + 38 * math.sin(a), 11, 22, 0, "#A39FAE")
    # 4 The Ember Vents: a glowing fissure between the two cones
    x, y = pos[3]
    s += ('<path d="M %d %d q 20 -14 40 -4 t 40 -6 t 36 8" fill="none" stroke="%s" stroke-width="4" '
          'stroke-linecap="round" stroke-opacity="0.85"/>' % (x - 58, y + 6, EMBER))
    for dx, dy, r in ((-50, -30, 10), (-62, -14, 7), (54, -34, 9), (64, -18, 6), (40, -44, 5)):
        s += ('<path d="M %g %g q %g %g %g 0 q %g %g %g 0 Z" fill="#5A4A4C" %s/>' %
              (x + dx - r, y + dy, r * 0.3, -r * 1.4, r, r * 0.8, -r * 1.1, r, OUT))
        s += '<circle cx="%g" cy="%g" r="%g" fill="%s" fill-opacity="0.8"/>' % (x + dx, y + dy - r * 0.35, r * 0.25,
                                                                                 EMBER)
    # 5 Cinder Fields: painted with the lava field (its cracks are the landmark)
    # 6 Amberfen Marsh: amber pools among reeds
    x, y = pos[5]
    for dx, dy, rx, ry in ((-50, -22, 26, 12), (38, -30, 22, 10), (-18, 40, 30, 12), (56, 24, 20, 9)):
        s += ('<ellipse cx="%d" cy="%d" rx="%d" ry="%d" fill="#C9A454" fill-opacity="0.9" %s/>' %
              (x + dx, y + dy, rx, ry, OUT))
        s += ('<ellipse cx="%d" cy="%d" rx="%d" ry="%d" fill="#F8E08A" fill-opacity="0.45"/>' %
              (x + dx - rx * 0.2, y + dy - ry * 0.3, rx * 0.5, ry * 0.35))
    for _ in range(30):
        s += reeds(x + rnd.uniform(-82, 82), y + rnd.uniform(-50, 56), rnd)
    # 8 Owlnight Forest: dark pines
    x, y = pos[7]
    pines = [(rnd.uniform(-80, 80), rnd.uniform(-50, 56)) for _ in range(30)]
    for dx, dy in sorted(pines, key=lambda t: t[1]):
        if dx * dx / 80 ** 2 + dy * dy / 56 ** 2 <= 1:
            s += sc.pine(x + dx, y + dy + 12, 34, rnd.choice(("#2F4A3A", "#27403A", "#35513F")), 0.1)
    # 9 Starfall Ridge: a long ridge with fallen stars
    x, y = pos[8]
    s += ('<path d="M %d %d Q %d %d %d %d Q %d %d %d %d Z" fill="#9E9A84" %s/>' %
          (x - 96, y + 24, x - 40, y - 40, x, y - 30, x + 50, y - 44, x + 100, y + 22, OUT))
    s += ('<path d="M %d %d Q %d %d %d %d L %d %d Z" fill="%s" fill-opacity="0.5"/>' %
          (x, y - 30, x + 50, y - 44, x + 100, y + 22, x + 10, y + 22, mix("#9E9A84", INK, 0.4)))
    for _ in range(9):
        sx, sy = x + rnd.uniform(-90, 90), y + rnd.uniform(-40, 30)
        s += ('<path d="M %g %g l 2 5 l 5 1 l -4 3 l 1 5 l -4 -3 l -4 3 l 1 -5 l -4 -3 l 5 -1 Z" fill="%s" %s/>' %
              (sx, sy - 7, GOLD_LIGHT, OUT))
    # 10 Lighthouse Coast: the lighthouse on the point of the coast
    x, y = pos[9]
    s += '<ellipse cx="%d" cy="%d" rx="30" ry="10" fill="#8E8A9A" %s/>' % (x + 44, y - 2, OUT)
    s += lighthouse(x + 44, y - 4, 70)
    return s


def frostpeak():
    """7 Frostpeak Heights: the snowy range in the north, its highest peak at
    the land's point."""
    x, y = lands.LANDS[6]["position"]
    s = ""
    rnd = random.Random(7)
    for k in range(11):
        mx = 320 + k * 30 + rnd.uniform(-8, 8)
        if abs(mx - x) < 30:
            continue
        s += mountain(mx, 150 + (k % 3) * 22 + rnd.uniform(-6, 6), 76, 70 + rnd.uniform(-10, 16), 0.4,
                      seed=k)
    s += mountain(x, y + 20, 150, 140, 0.45, rock="#9894A4", seed=99)
    for k in range(8):  # foothills westward and eastward
        mx = 90 + k * 60 if k < 4 else 560 + (k - 4) * 55
        s += mountain(mx, 200 + (k % 2) * 16, 70, 48, 0.0, rock="#8FA07A", seed=40 + k)
    return s


def map_picture():
    defs = (lin_grad("seaGrad", [(0, "#5C8FA8"), (1, "#2F5F80")], 1, 0.4) +
            lin_grad("landGrad", [(0, "#A9BC7C"), (0.5, "#9BB56E"), (1, "#8DAA62")]) +
            rad_grad("emberGlow", [(0, "#FFB040", 0.9), (0.5, "#F06A28", 0.35), (1, "#F06A28", 0)]) +
            rad_grad("lampGlow", [(0, "#FFF3C0", 0.7), (1, "#FFF3C0", 0)]) +
            '<filter id="soft3" x="-50%" y="-50%" width="200%" height="200%">'
            '<feGaussianBlur stdDeviation="3"/></filter>'
            '<filter id="blur10" x="-20%" y="-20%" width="140%" height="140%"><feGaussianBlur stdDeviation="10"/>'
            '</filter>')
    body = '<rect width="%d" height="%d" fill="url(#seaGrad)"/>' % (W, H)
    rnd = random.Random(11)
    for _ in range(90):  # painted wave strokes on the sea
        x, y = rnd.uniform(760, 1024), rnd.uniform(280, 768)
        body += ('<path d="M %g %g q 6 -4 12 0 t 12 0" fill="none" stroke="#D8EEF0" stroke-opacity="0.35" '
                 'stroke-width="1.2"/>' % (x, y))
    land = land_path()
    # shallow water and sand along the shore
    body += ('<path d="%s" fill="none" stroke="#8CC0C8" stroke-width="22" stroke-opacity="0.55" '
             'filter="url(#soft3)"/>' % land)
    body += '<path d="%s" fill="#E2CF9A" stroke="#E2CF9A" stroke-width="8"/>' % land
    body += '<path d="%s" fill="url(#landGrad)" %s/>' % (land, OUT)
    # soft patches of field colour
    for _ in range(46):
        x, y = rnd.uniform(0, 760), rnd.uniform(0, 768)
        body += ('<ellipse cx="%g" cy="%g" rx="%g" ry="%g" fill="%s" fill-opacity="0.35" filter="url(#blur10)"/>' %
                 (x, y, rnd.uniform(30, 90), rnd.uniform(20, 50),
                  rnd.choice(("#C2CC84", "#86A65A", "#B7B878", "#7E9E58"))))
    # low ground: a winding river through the fog's valleys to the sea
    river = [(60, 330), (110, 300), (150, 360), (215, 405), (300, 430), (380, 465), (440, 505), (520, 540),
             (600, 590), (690, 560), (752, 560)]
    body += ('<path d="%s" fill="none" stroke="#6FA2B8" stroke-width="6" stroke-linecap="round" '
             'stroke-opacity="0.85"/>' % smooth_path(river))
    body += frostpeak()
    body += lava_field()
    for (vx, vy), (w, h) in zip(VENTS, ((120, 74), (112, 66))):
        body += volcano(vx, vy, w, h)
    body += landmarks()
    # scattered trees across the land, kept off the markers and their titles
    stops = [land["position"] for land in lands.LANDS]
    for _ in range(70):
        x, y = rnd.uniform(40, 740), rnd.uniform(240, 740)
        if any(abs(x - sx) < 110 and -110 < y - sy < 90 for sx, sy in stops):
            continue
        if any(abs(x - vx) < 60 and -20 < y - vy < 80 for vx, vy in VENTS):
            continue
        body += sc.round_tree(x, y, rnd.uniform(14, 20), rnd.choice(("#5E8C45", "#6E9A4E")), int(x * y))
    # the bottom beam of the frame, where the code draws none
    body += frame_beam_svg(0, H - FRAME_BOTTOM_H, W, FRAME_BOTTOM_H, "bottom")
    # the right frame stops a pixel short of the edge: that column is the frame's wood
    body += '<rect x="%d" y="0" width="8" height="%d" fill="%s"/>' % (W - 8, H, WALNUT_DARK)
    img = render_svg(svg_doc(W, H, body, defs + frame_defs()))
    return backgrounds.finish(img, 26, vignette=0.22, grain=2.5)


def frame_defs():
    return (lin_grad("beamH", [(0, "#6A4630"), (0.35, WALNUT), (1, WALNUT_DARK)]) +
            lin_grad("beamV", [(0, WALNUT_DARK), (0.4, WALNUT), (1, "#5A3A24")], 1, 0))


def frame_beam_svg(x, y, w, h, side):
    """A carved walnut beam with a brass line on its inner edge and rivets."""
    grad = "beamH" if side in ("top", "bottom") else "beamV"
    s = '<rect x="%d" y="%d" width="%d" height="%d" fill="url(#%s)"/>' % (x, y, w, h, grad)
    if side in ("top", "bottom"):
        ly = y + h - 4 if side == "top" else y
        s += '<rect x="%d" y="%d" width="%d" height="3" fill="%s"/>' % (x, ly, w, BRASS)
        s += '<rect x="%d" y="%d" width="%d" height="1" fill="%s"/>' % (x, ly + (3 if side == "top" else -1), w, INK)
        for cx in range(x + 40, x + w, 80):
            s += '<circle cx="%d" cy="%g" r="3.5" fill="%s" %s/>' % (cx, y + h / 2 - (1 if side == "top" else -1),
                                                                     BRASS, OUT)
    else:
        lx = x + w - 4 if side == "left" else x + 1
        s += '<rect x="%d" y="%d" width="3" height="%d" fill="%s"/>' % (lx, y, h, BRASS)
        s += '<rect x="%d" y="%d" width="1" height="%d" fill="%s"/>' % (lx + (3 if side == "left" else -1), y, h, INK)
        for cy in range(y + 60, y + h, 80):
            s += '<circle cx="%g" cy="%d" r="3.5" fill="%s" %s/>' % (x + w / 2, cy, BRASS, OUT)
    return s


def frame_piece(w, h, side):
    return render_svg(svg_doc(w, h, frame_beam_svg(0, 0, w, h, side), frame_defs()))


def compass(size=112):
    c = size / 2.0
    defs = rad_grad("face", [(0, PARCHMENT), (0.8, PARCHMENT_SHADE), (1, mix(PARCHMENT_SHADE, OAK, 0.4))])
    s = '<circle cx="%g" cy="%g" r="%g" fill="%s" fill-opacity="0.35" filter="url(#sh)"/>' % (c + 1, c + 3, c - 6, INK)
    s += '<circle cx="%g" cy="%g" r="%g" fill="%s" %s/>' % (c, c, c - 6, BRASS, OUT)
    s += '<circle cx="%g" cy="%g" r="%g" fill="url(#face)" stroke="%s" stroke-width="1.2"/>' % (c, c, c - 11, INK)
    for k in range(16):  # ticks
        a = k * math.pi / 8
        r0 = c - 14 if k % 2 else c - 18
        s += '<line x1="%g" y1="%g" x2="%g" y2="%g" stroke="%s" stroke-width="1.2"/>' % (
            c + r0 * math.sin(a), c - r0 * math.cos(a), c + (c - 12) * math.sin(a), c - (c - 12) * math.cos(a), INK)
    for k, (length, width) in enumerate([(c - 20, 9), (c - 34, 6)] * 1):
        for q in range(4):
            a = q * math.pi / 2 + (math.pi / 4 if k else 0)
            for half, colour in ((-1, BERRY if q == 0 and not k else OAK_LIGHT), (1, mix(BERRY, INK, 0.3)
                                                                                  if q == 0 and not k else OAK)):
                tip = (c + length * math.sin(a), c - length * math.cos(a))
                side = (c + width * math.sin(a + half * math.pi / 2), c - width * math.cos(a + half * math.pi / 2))
                s += '<path d="M %g %g L %g %g L %g %g Z" fill="%s" stroke="%s" stroke-width="1"/>' % (
                    c, c, tip[0], tip[1], side[0], side[1], colour, INK)
    s += '<circle cx="%g" cy="%g" r="4" fill="%s" %s/>' % (c, c, GOLD, OUT)
    s += ('<text x="%g" y="%g" font-family="serif" font-weight="bold" font-size="15" fill="%s" '
          'text-anchor="middle">N</text>' % (c, 24, INK))
    defs += ('<filter id="sh" x="-20%" y="-20%" width="140%" height="140%"><feGaussianBlur stdDeviation="3"/>'
             '</filter>')
    return render_svg(svg_doc(size, size, s, defs))


def ship():
    """The little ship sailing west, drawn at 4x and reduced."""
    k = 4
    w, h = 76 * k, 70 * k
    body = sc.ship(w / 2, h * 0.78, 64 * k, hull="#6B4226", sail=PARCHMENT, flag=BERRY)
    body = body.replace('stroke-width="1.6"', 'stroke-width="%g"' % (1.6 * k))
    big = render_svg(svg_doc(w, h, body))
    wake = Image.new("RGBA", (w, h), (0, 0, 0, 0))
    d = ImageDraw.Draw(wake)
    d.ellipse((w * 0.12, h * 0.8, w * 0.95, h * 0.95), fill=(230, 244, 246, 110))
    big = Image.alpha_composite(wake.filter(ImageFilter.GaussianBlur(3 * k)), big)
    return big.resize((w // k, h // k), Image.LANCZOS).transpose(Image.FLIP_LEFT_RIGHT)


def flag(lit):
    """A tall pennant on a pole whose foot is at FLAG_FOOT."""
    k = 4
    w, h = 64, 108
    fx, fy = FLAG_FOOT
    cloth = GOLD if lit else BERRY
    s = ""
    if lit:
        s += ('<path d="M %g %g Q %g %g %g %g Q %g %g %g %g Z" fill="%s" fill-opacity="0.8" filter="url(#glow)"/>' %
              (fx * k, 8 * k, 34 * k, 2 * k, 58 * k, 18 * k, 34 * k, 36 * k, fx * k, 36 * k, GOLD_LIGHT))
    s += '<rect x="%g" y="%g" width="%g" height="%g" rx="%g" fill="%s" stroke="%s" stroke-width="%g"/>' % (
        (fx - 2) * k, 6 * k, 4 * k, (fy - 6) * k, 2 * k, OAK_LIGHT, INK, 1.2 * k)
    s += ('<path d="M %g %g Q %g %g %g %g Q %g %g %g %g Q %g %g %g %g Q %g %g %g %g Z" fill="%s" stroke="%s" '
          'stroke-width="%g" stroke-linejoin="round"/>' %
          ((fx + 2) * k, 9 * k, 26 * k, 4 * k, 56 * k, 14 * k, 44 * k, 20 * k, 56 * k, 28 * k,
           30 * k, 36 * k, (fx + 2) * k, 34 * k, (fx + 4) * k, 22 * k, (fx + 2) * k, 9 * k, cloth, INK, 1.6 * k))
    s += ('<path d="M %g %g Q %g %g %g %g" fill="none" stroke="#FFFFFF" stroke-opacity="0.45" stroke-width="%g"/>' %
          ((fx + 6) * k, 14 * k, 28 * k, 10 * k, 46 * k, 16 * k, 2 * k))
    s += '<circle cx="%g" cy="%g" r="%g" fill="%s" stroke="%s" stroke-width="%g"/>' % (
        fx * k, 6 * k, 4 * k, BRASS, INK, 1.2 * k)
    defs = ('<filter id="glow" x="-30%" y="-30%" width="160%" height="160%"><feGaussianBlur stdDeviation="12"/>'
            '</filter>')
    big = render_svg(svg_doc(w * k, h * k, s, defs))
    return big.resize((w, h), Image.LANCZOS)


def layout():
    """PLAY and MENU stacked in the south-east sea, clear of every marker,
    flag and title."""
    ref = "[txt/#LANG#/mapScreen.txt|%d]"
    text = layouts.caption_class("mapCaption", 26)
    x = W - FRAME_RIGHT_W - gui_core.DIALOG[0] - 8
    text += layouts.plate("PLAY", x, 632, layouts.KIT + "dialog_leaf", ref % 1, "mapCaption")
    text += layouts.plate("MENU", x, 692, layouts.KIT + "dialog_wood", ref % 2, "mapCaption")
    layouts.write(DIR + "en/mapScreen.gui", text)


def make_all():
    save_jpg(map_picture(), DIR + "back.jpg", 85)
    save_png(frame_piece(FRAME_LEFT_W, H, "left"), DIR + "frameLeft.png")
    save_png(frame_piece(W - FRAME_LEFT_W, FRAME_TOP_H, "top"), DIR + "frameUp.png")
    save_png(frame_piece(FRAME_RIGHT_W, H, "right"), DIR + "frameRight.png")
    save_png(compass(), DIR + "compass.png")
    save_png(ship(), DIR + "ship.png")
    save_png(flag(False), DIR + "flaga0.png")
    save_png(flag(True), DIR + "flaga1.png")
    layout()


if __name__ == "__main__":
    make_all()
