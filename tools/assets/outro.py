"""The ending's illustrated story: five scene pictures in the intro's style,
the soft light ray of scene 2, and the captions' timing table.
Pictures are 1024 x 768, drawn centred 60 px above the screen's centre, so
the image row is the screen row + 60. The captions' words are written by
hand in txt/en/outro.txt; TIMES gives each line its time on screen."""

import os
import random

import numpy as np
from PIL import Image

import scenery as sc
import tables
from backgrounds import finish, haze
from kit import (ASSETS, BERRY, BRASS, DUSK, EMBER, GOLD, GOLD_LIGHT, LEAF, PARCHMENT, PARCHMENT_SHADE, TEAL,
                 VIOLET, mix, render_svg, save_jpg, save_png, svg_doc)
from story import CROWD, DUSK_SKY, glow, patchwork, sky, tiny_druid

W, H = 1024, 768

# Milliseconds each caption of txt/en/outro.txt stays, in line order. The
# scenes run 5, 26, 14, 22 and 21 s whatever the captions do, so each scene's
# captions end together a little before it does: one for the homecoming,
# three for the dawn, two for the council, two for the great picture and two
# for the night (tools/check_assets holds them to their scenes).
TIMES = [4300, 8600, 8700, 8700, 7000, 7000, 11000, 11000, 10000, 10700]


def homecoming():
    """Scene 1: the druids' fires at the stone circle; sparks rise from the
    two fire bowls at image (400, 390) and (630, 390) toward the sky."""
    defs, body = sky(DUSK_SKY, (0.5, 0.45), "#F0A070", 0.5)
    body += sc.stars(101, 110, 280)
    body += sc.clouds(102, 5, 130, 300, "#9A7BB0", 0.3)
    far = sc.ridge(103, 480, 36, waves=3)
    body += sc.hill(far, "#3A3E6E", extra='filter="url(#haze)"')
    body += sc.portal(515, sc.height_at(far, 515) + 40, 120, 110, "#5E5A80")
    near = sc.ridge(104, 560, 14, waves=2)
    body += sc.hill(near, "#2E3F45", extra=sc.OUT)
    for x, h, t in ((150, 190, -4), (260, 150, 2), (770, 160, -2), (880, 200, 4)):
        body += sc.stone(x, 590, h * 0.42, h, t, "#6E6A86", "#4F6E4A")
    for x in (400, 630):  # the fire bowls on their plinths
        body += sc.stone(x, 520, 60, 120, 0, "#5C5874", "#4F6E4A")
        body += ('<path d="M %g 392 Q %g 420 %g 422 Q %g 420 %g 392 Z" fill="%s" %s/>'
                 % (x - 40, x - 36, x, x + 36, x + 40, BRASS, sc.OUT))
        body += glow(x, 380, 46, EMBER, 0.85) + glow(x, 384, 20, GOLD_LIGHT, 0.95)
    body += haze(600, 720, EMBER, 0.12)
    rnd = random.Random(105)
    for _ in range(9):  # the crowd arriving, small in the distance
        x = rnd.choice((rnd.uniform(40, 330), rnd.uniform(700, 990)))
        body += tiny_druid(x, rnd.uniform(600, 660), rnd.uniform(60, 90), rnd.choice(CROWD))
    return finish(render_svg(svg_doc(W, H, body, defs)), 101, vignette=0.4)


def dawn():
    """Scene 2: dawn over the mended land; the sun stands at image
    (512, 200), where the light rays turn."""
    defs, body = sky([(0, "#5A78B8"), (0.3, "#F3D9B0"), (0.45, "#FFE2A8"), (0.7, "#F8C888")], (0.5, 0.26),
                     "#FFF0C0", 0.55)
    body += glow(512, 200, 70, "#FFF6DA", 0.95) + glow(512, 200, 140, GOLD_LIGHT, 0.45)
    body += sc.clouds(111, 5, 120, 260, "#FFFFFF", 0.45)
    far = sc.ridge(112, 330, 30, waves=3)
    body += sc.hill(far, "#A8B0C8", extra='filter="url(#haze)"')
    mid = sc.ridge(113, 400, 22)
    body += sc.hill(mid, "#8AAE6A")
    rnd = random.Random(114)
    body += patchwork(rnd, 8, lambda row: 420 + row * row * 5 + row * 14)  # the fields, whole again
    body += ('<path d="M 560 410 C 600 480 420 540 500 620 S 660 700 600 800" fill="none" stroke="#7EC8E8" '
             'stroke-width="24" stroke-linecap="round"/>')
    for x in (50, 140, 900, 980):
        body += sc.round_tree(x, 740, 180, "#5E8C45", x)
    return finish(render_svg(svg_doc(W, H, body, defs)), 111)


def council():
    """Scene 3: the grove at evening, lit for the feast; the youngest druid
    stands on the dais at image (512, 600) under the circling banners."""
    defs, body = sky(DUSK_SKY, (0.5, 0.5), "#F0B080", 0.6)
    body += sc.stars(121, 80, 240)
    far = sc.ridge(122, 540, 36, waves=3)
    body += sc.hill(far, "#4A4878", extra='filter="url(#haze)"')
    for x, size in ((50, 340), (150, 270), (870, 300), (975, 350)):
        body += sc.round_tree(x, 690, size, "#2F4A3A", x, 0.12)
    ground = sc.ridge(123, 620, 8, waves=2)
    body += sc.hill(ground, "#3E5A3E", extra=sc.OUT)
    body += ('<ellipse cx="512" cy="612" rx="190" ry="30" fill="%s" %s/>' % ("#6E6A86", sc.OUT) +
             '<ellipse cx="512" cy="604" rx="170" ry="22" fill="%s"/>' % mix("#6E6A86", "#FFF0D0", 0.3))
    for x in (250, 774):  # lantern posts
        body += '<rect x="%d" y="470" width="8" height="150" fill="%s" %s/>' % (x - 4, "#4A2E1C", sc.OUT)
        body += glow(x, 462, 26, EMBER, 0.85) + '<circle cx="%d" cy="462" r="9" fill="%s" %s/>' % (x, GOLD_LIGHT, sc.OUT)
    rnd = random.Random(124)
    for k in range(14):  # the council, seated round the dais
        x = 300 + k * 32 + rnd.uniform(-8, 8)
        if 420 < x < 600:
            continue
        body += tiny_druid(x, 650 + rnd.uniform(0, 20), rnd.uniform(70, 90), rnd.choice(CROWD))
    body += haze(580, 700, "#F0B080", 0.15)
    return finish(render_svg(svg_doc(W, H, body, defs)), 121, vignette=0.4)


def mended():
    """Scene 4: the great picture whole again in its brass frame, the tiles
    settling into place."""
    defs, body = sky([(0, "#3A3A68"), (0.6, "#8A6A8A"), (1, "#E8A878")], (0.5, 0.45), "#FFD8A0", 0.55)
    far = sc.ridge(131, 500, 30)
    body += sc.hill(far, "#6A6A88", extra='filter="url(#haze)"')
    near = sc.ridge(132, 620, 20)
    body += sc.hill(near, "#4A6A4A", extra=sc.OUT)
    body += glow(512, 330, 260, GOLD_LIGHT, 0.35)
    body += ('<rect x="272" y="170" width="480" height="330" rx="10" fill="%s" stroke="%s" stroke-width="14"/>'
             % ("#2E1C12", BRASS))
    # a sunrise over hills, painted in tiles
    for r in range(11):
        for c in range(16):
            x, y = 282 + c * 29, 180 + r * 29
            px, py = c + 0.5, r + 0.5
            if (px - 8) ** 2 + (py - 5) ** 2 < 7:
                col = GOLD
            elif py > 7 + 1.2 * ((px - 8) / 8.0) ** 2 * 3:
                col = LEAF if (c + r) % 3 else "#86B35A"
            elif py > 6:
                col = "#A8C070"
            else:
                col = mix("#7EB8D0", "#F3D9B0", r / 6.0)
            body += '<rect x="%g" y="%g" width="27" height="27" rx="3" fill="%s" %s/>' % (x, y, col, sc.OUT)
    rnd = random.Random(133)
    for _ in range(10):  # the last tiles floating home
        x, y = rnd.uniform(220, 800), rnd.uniform(520, 640)
        body += ('<rect x="%g" y="%g" width="20" height="20" rx="3" fill="%s" transform="rotate(%g %g %g)" %s/>'
                 % (x, y, rnd.choice((GOLD, LEAF, "#7EB8D0")), rnd.uniform(-40, 40), x + 10, y + 10, sc.OUT))
        body += glow(x + 10, y + 10, 14, TEAL, 0.5)
    for x in (120, 900):
        body += tiny_druid(x, 690, 120, BERRY if x < 500 else DUSK)
    return finish(render_svg(svg_doc(W, H, body, defs)), 131, vignette=0.45)


def peace():
    """Scene 5: night over the whole land; the Dusk Stone glows on its hill
    and the ship sails home across the lake."""
    defs, body = sky([(0, "#0E1230"), (0.5, "#2B3560"), (0.8, "#5B4A8A"), (1, "#8A5A7A")], (0.72, 0.2),
                     "#E8F0FF", 0.3)
    body += sc.stars(141, 220, 420)
    body += glow(740, 160, 34, "#F6F2E8", 0.95)
    far = sc.ridge(142, 430, 40, waves=3)
    body += sc.hill(far, "#2A2E58", extra='filter="url(#haze)"')
    body += glow(300, 330, 40, TEAL, 0.8) + '<path d="M 300 300 L 316 330 L 300 366 L 284 330 Z" fill="%s" %s/>' % (
        mix(TEAL, "#FFFFFF", 0.3), sc.OUT)
    body += '<rect x="0" y="470" width="%d" height="140" fill="#203060"/>' % W
    for k in range(18):  # moonlight on the water
        body += ('<rect x="%g" y="%g" width="%g" height="3" rx="1.5" fill="#F6F2E8" fill-opacity="0.35"/>'
                 % (700 + (k % 5) * 14 - k * 2, 480 + k * 7, 40 - k, ))
    body += sc.ship(560, 540, 110)
    near = sc.ridge(143, 640, 16, waves=2)
    body += sc.hill(near, "#1E2A30", extra=sc.OUT)
    for x in (60, 160, 880, 970):
        body += sc.pine(x, 720, 200, "#16302A", 0.1)
    for x in (420, 620):
        body += glow(x, 660, 10, EMBER, 0.9)
    return finish(render_svg(svg_doc(W, H, body, defs)), 141, vignette=0.5)


def stripe():
    """One soft light ray hanging from its handle (49, 1): widest and
    faintest at the far end. White, so the code's light blend adds it."""
    w, h = 98, 620
    yy, xx = np.mgrid[0:h, 0:w].astype(np.float32)
    t = yy / (h - 1)
    half = 6 + 43 * t  # half width, growing down the ray
    edge = np.clip(1 - np.abs(xx - 49) / half, 0, 1) ** 1.6
    fall = np.clip(1 - t, 0, 1) ** 0.8 * np.clip(t * 12, 0, 1)
    alpha = (edge * fall * 255).astype(np.uint8)
    rgb = np.zeros((h, w, 3), np.uint8)
    rgb[...] = (255, 244, 214)
    img = Image.fromarray(np.dstack([rgb, alpha]), "RGBA")
    return save_png(img, "gfx/outro/stripe.png")


def captions():
    """data/outroTexts.dat: line t of outro.txt shown TIMES[t - 1] ms."""
    path = os.path.join(ASSETS, "txt", "en", "outro.txt")
    with open(path, encoding="ascii") as f:
        lines = f.read().split("\n")
    if lines and lines[-1] == "":
        lines.pop()
    if len(lines) != len(TIMES):
        raise SystemExit("txt/en/outro.txt has %d lines, TIMES %d" % (len(lines), len(TIMES)))
    body = [("i", len(TIMES))]
    body += [("text%d" % t, [("txt", t), ("time", ms)]) for t, ms in enumerate(TIMES, 1)]
    tables.write("data/outroTexts.dat", "texts", body)


def make_all():
    save_jpg(homecoming(), "gfx/outro/outro-1.jpg", 85)
    save_jpg(dawn(), "gfx/outro/outro-2.jpg", 85)
    save_jpg(council(), "gfx/outro/outro-3.jpg", 85)
    save_jpg(mended(), "gfx/outro/outro-4.jpg", 85)
    save_jpg(peace(), "gfx/outro/outro-5.jpg", 85)
    stripe()
    captions()


if __name__ == "__main__":
    make_all()
