"""The level backgrounds of lands 3 to 10, each showing what its story page
tells of (tools/campaign/lands.py): the stone ring and its sheep, the
smoking vents, the lava rivers, the marsh with its lantern rafts, the frozen
heights, the owls' forest, the ridge of fallen stars and the lighthouse
coast. Painted as SVG layers like the others in backgrounds.py."""

import math
import random

import scenery as sc
from backgrounds import CLUE_CAP, common_defs, finish, haze
from kit import EMBER, GOLD, GOLD_LIGHT, INK, lin_grad, render_svg, save_jpg, svg_doc

W, H = 1024, 768


def sky_body():
    return '<rect width="%d" height="%d" fill="url(#sky)"/><rect width="%d" height="%d" fill="url(#sun)"/>' % (W, H, W, H)


def sheep(x, y, size):
    """A woolly sheep grazing, facing left."""
    s = ''.join('<rect x="%g" y="%g" width="%g" height="%g" rx="1.5" fill="%s"/>'
                % (x + dx * size, y, size * 0.09, size * 0.32, INK) for dx in (-0.3, -0.1, 0.15, 0.32))
    s += '<ellipse cx="%g" cy="%g" rx="%g" ry="%g" fill="#F4EEE0" %s/>' % (x, y - size * 0.05, size * 0.5, size * 0.3, sc.OUT)
    s += '<ellipse cx="%g" cy="%g" rx="%g" ry="%g" fill="#3E3038"/>' % (x - size * 0.52, y + size * 0.05, size * 0.16,
                                                                         size * 0.12)
    return s


def downs():
    """3: rolling downs at evening; a ring of standing stones glowing teal,
    sheep grazing between them."""
    defs = common_defs([(0, "#6E7AB0"), (0.45, "#E8B0A0"), (0.65, "#F6D6B0")], (0.7, 0.45), "#FFE6C0", 0.5)
    body = sky_body() + sc.clouds(31, 6, 80, 300, "#FFE4D8", 0.45)
    far = sc.ridge(32, 430, 30, waves=3)
    body += sc.hill(far, "#9AA6A8", extra='filter="url(#haze)"')
    mid = sc.ridge(33, 520, 40, waves=3)
    body += sc.hill(mid, "#7FA05E", extra=sc.OUT)
    # the ring on the crest, back stones smaller, a teal glow at its heart
    cx, cy = 780, sc.height_at(mid, 780) + 30
    body += '<ellipse cx="%g" cy="%g" rx="220" ry="60" fill="url(#portalGlow)"/>' % (cx, cy - 40)
    ring = sorted(range(9), key=lambda k: math.sin(k / 9.0 * 6.283))  # far stones first
    for k in ring:
        ang = k / 9.0 * 6.283
        x, y = cx + 170 * math.cos(ang), cy + 34 * math.sin(ang)
        size = 1 + 0.25 * math.sin(ang)
        body += sc.stone(x, y, 32 * size, 84 * size, (k % 3) - 1, "#8E8A9A", moss="#7FE3E0")
    near = sc.ridge(34, 640, 26, waves=3)
    body += sc.hill(near, "#5E8A46", extra=sc.OUT)
    for x, y, s in ((110, 600, 60), (230, 625, 52), (360, 585, 40), (930, 640, 56), (560, 560, 34)):
        body += sheep(x, y, s)
    return finish(render_svg(svg_doc(W, H, body, defs)), 3, calm=0.25, clue_cap=CLUE_CAP)


def vent(x, y, w, h, smoke_seed):
    """A cone of dark rock with embers in its mouth and smoke curling up."""
    s = ('<path d="M %g %g Q %g %g %g %g L %g %g Q %g %g %g %g Z" fill="#3A2C2C" %s/>'
         % (x - w, y, x - w * 0.3, y - h * 0.6, x - w * 0.18, y - h, x + w * 0.18, y - h, x + w * 0.3, y - h * 0.6,
            x + w, y, sc.OUT))
    s += '<ellipse cx="%g" cy="%g" rx="%g" ry="%g" fill="%s" filter="url(#soft)"/>' % (x, y - h, w * 0.3, h * 0.12, EMBER)
    s += '<ellipse cx="%g" cy="%g" rx="%g" ry="%g" fill="%s"/>' % (x, y - h, w * 0.16, h * 0.04, GOLD)
    rnd = random.Random(smoke_seed)
    for k in range(7):
        r = 18 + k * 9
        s += ('<circle cx="%g" cy="%g" r="%g" fill="#8A8088" fill-opacity="%g" filter="url(#cloudBlur)"/>'
              % (x + rnd.uniform(-10, 10) + k * k * 1.6, y - h - 20 - k * 34, r, 0.5 - k * 0.05))
    return s


def vents():
    """4: warm ash ground under a smoky dusk; vents smoke and glow, and a
    portal burns low between them."""
    defs = common_defs([(0, "#2A2030"), (0.5, "#5A3A3A"), (0.8, "#8A5040")], (0.5, 0.7), "#F0A060", 0.55)
    body = sky_body() + sc.clouds(41, 6, 90, 320, "#6A5050", 0.45)
    far = sc.ridge(42, 450, 40, waves=3)
    body += sc.hill(far, "#4A3438", extra='filter="url(#haze)"')
    mid = sc.ridge(43, 540, 22, waves=3)
    body += sc.hill(mid, "#3A2A2C", extra=sc.OUT)
    body += '<ellipse cx="512" cy="%g" rx="110" ry="70" fill="%s" fill-opacity="0.35" filter="url(#soft)"/>' % (
        sc.height_at(mid, 512) - 30, EMBER)
    body += sc.portal(512, sc.height_at(mid, 512) + 6, 96, 76, "#5A4A4A", glow=EMBER)
    for x, y, w, h, seed in ((130, 640, 110, 120, 44), (880, 630, 120, 130, 45), (300, 560, 60, 60, 46),
                             (730, 556, 64, 66, 47)):
        body += vent(x, y, w, h, seed)
    near = sc.ridge(48, 680, 14, waves=2)
    body += sc.hill(near, "#2E2224", extra=sc.OUT)
    rnd = random.Random(49)
    for _ in range(50):  # embers in the ash
        body += '<circle cx="%g" cy="%g" r="%g" fill="%s" fill-opacity="0.85"/>' % (
            rnd.uniform(0, W), rnd.uniform(690, 760), rnd.uniform(1.2, 2.6), rnd.choice((EMBER, GOLD)))
    return finish(render_svg(svg_doc(W, H, body, defs)), 4, calm=0.2, clue_cap=CLUE_CAP)


def cinders():
    """5: dark cinder fields at night crossed by glowing lava rivers, sparks
    in the air, stepping stones, and a portal at the edge of the fire."""
    defs = common_defs([(0, "#1A1424"), (0.55, "#3A2030"), (0.8, "#6A3028")], (0.5, 0.8), "#F07A3C", 0.6)
    defs += ('<filter id="lavaGlow" x="-10%" y="-50%" width="120%" height="200%">'
             '<feGaussianBlur stdDeviation="7"/></filter>')
    body = sky_body() + sc.stars(51, 60, 200)
    far = sc.ridge(52, 440, 50, waves=4, rough=0.5)
    body += sc.hill(far, "#2E2232", extra='filter="url(#haze)"')
    body += '<rect x="0" y="470" width="%d" height="%d" fill="#241A1E"/>' % (W, H - 470)
    body += sc.portal(880, 500, 90, 70, "#4A3A3E", glow=EMBER)
    rivers = ("M -20 510 C 200 530 260 580 420 570 S 700 520 1044 580",
              "M -20 650 C 150 610 330 660 520 640 S 820 600 1044 660")
    for d, w in zip(rivers, (16, 24)):
        body += '<path d="%s" fill="none" stroke="%s" stroke-width="%d" filter="url(#lavaGlow)"/>' % (d, EMBER, w * 2)
        body += '<path d="%s" fill="none" stroke="%s" stroke-width="%d" stroke-linecap="round"/>' % (d, EMBER, w)
        body += '<path d="%s" fill="none" stroke="%s" stroke-width="%d" stroke-linecap="round"/>' % (d, GOLD, w // 3)
    for x, y in ((150, 634), (200, 624), (255, 628), (420, 570), (470, 564)):  # stepping stones
        body += '<ellipse cx="%g" cy="%g" rx="16" ry="7" fill="#5A4A4E" %s/>' % (x, y, sc.OUT)
    rnd = random.Random(53)
    for _ in range(70):  # sparks
        body += '<circle cx="%g" cy="%g" r="%g" fill="%s" fill-opacity="%g"/>' % (
            rnd.uniform(0, W), rnd.uniform(300, 700), rnd.uniform(0.8, 2.2), rnd.choice((GOLD, GOLD_LIGHT, EMBER)),
            rnd.uniform(0.4, 0.9))
    return finish(render_svg(svg_doc(W, H, body, defs)), 5, vignette=0.4, calm=0.2, clue_cap=CLUE_CAP)


def marsh():
    """6: a misty marsh at amber dusk: reeds, still pools, lanterns on little
    rafts, and the portal half sunk in the mud."""
    defs = common_defs([(0, "#3A3A5A"), (0.45, "#A87A5A"), (0.62, "#E8B070")], (0.5, 0.58), "#FFC880", 0.5)
    defs += lin_grad("water", [(0, "#C8905A"), (0.5, "#6A5A4A"), (1, "#2E2A2A")])
    body = sky_body() + sc.clouds(61, 5, 150, 320, "#C8A090", 0.35)
    far = sc.ridge(62, 440, 24, waves=3)
    body += sc.hill(far, "#5A5048", extra='filter="url(#haze)"')
    body += '<rect x="0" y="470" width="%d" height="%d" fill="url(#water)"/>' % (W, H - 470)
    body += sc.portal(512, 496, 90, 70, "#5A5048")
    body += '<ellipse cx="512" cy="500" rx="120" ry="14" fill="#3A3028" %s/>' % sc.OUT  # the mud it sinks in
    for x, y in ((200, 560), (330, 620), (700, 600), (840, 540)):  # lantern rafts
        body += '<circle cx="%g" cy="%g" r="30" fill="%s" fill-opacity="0.3" filter="url(#soft)"/>' % (x, y - 16, EMBER)
        body += '<rect x="%g" y="%g" width="60" height="8" rx="3" fill="#6B4226" %s/>' % (x - 30, y, sc.OUT)
        body += '<rect x="%g" y="%g" width="12" height="16" rx="5" fill="%s" %s/>' % (x - 6, y - 18, GOLD, sc.OUT)
    rnd = random.Random(63)
    for _ in range(160):  # reeds along both banks
        x = rnd.choice((rnd.uniform(-10, 230), rnd.uniform(800, 1034)))
        y, h = rnd.uniform(600, 770), rnd.uniform(40, 110)
        body += '<path d="M %g %g Q %g %g %g %g" fill="none" stroke="#3E4A2A" stroke-width="2.2"/>' % (
            x, y, x + rnd.uniform(-6, 6), y - h / 2, x + rnd.uniform(-14, 14), y - h)
        if rnd.random() < 0.3:
            body += '<ellipse cx="%g" cy="%g" rx="2.6" ry="8" fill="#6A4A2A"/>' % (x, y - h * 0.8)
    body += haze(430, 560, "#F0D8C0", 0.3)
    return finish(render_svg(svg_doc(W, H, body, defs)), 6, calm=0.25, clue_cap=CLUE_CAP)


def snow_caps(pts, line, colour, depth=70):
    """Snow on the heights of a ridge: from its crest down to about the snow
    line, a ragged edge below, never deeper than depth."""
    rnd = random.Random(int(line))
    low = [(x, max(y, min(y + depth, line + rnd.uniform(-10, 10)))) for x, y in pts]
    d = "M " + " L ".join("%g %g" % p for p in pts) + " L " + " L ".join("%g %g" % p for p in reversed(low)) + " Z"
    return '<path d="%s" fill="%s" filter="url(#haze)"/>' % (d, colour)


def frost():
    """7: a winter evening on the heights: snow-capped peaks, snowy hills,
    pines, frost-capped stones and the portal of ice (kept mid-toned for the yellow clues)."""
    defs = common_defs([(0, "#3E4E7A"), (0.5, "#7A88AE"), (0.7, "#B8A8B8")], (0.25, 0.35), "#F8D8C0", 0.4)
    body = sky_body() + sc.clouds(71, 6, 70, 260, "#C8B8D0", 0.4)
    far = sc.ridge(72, 380, 90, waves=4, rough=0.5)
    body += sc.hill(far, "#6E7CA0", extra='filter="url(#haze)"')
    body += snow_caps(far, 352, "#E6ECF8")
    body += haze(330, 470, "#C8C8E0", 0.22)
    mid = sc.ridge(73, 500, 35, waves=3)
    body += sc.hill(mid, "#8E9CBC", extra=sc.OUT)
    body += sc.portal(740, sc.height_at(mid, 740) + 6, 96, 76, "#B8C8E0", glow="#CFF4FF")
    near = sc.ridge(74, 630, 26, waves=3)
    for x in (25, 80, 140, 880, 940, 1000):
        body += sc.pine(x, sc.height_at(near, x) + 14, 150 + (x * 13) % 50, "#24383A", 0.2)
    body += sc.hill(near, "#A8B4CE", extra=sc.OUT)
    for x, h, t in ((170, 80, -3), (860, 90, 4)):
        body += sc.stone(x, sc.height_at(near, x) + 18, h * 0.55, h, t, "#8E8A9A", moss="#DDE4F0")
    rnd = random.Random(76)
    for _ in range(140):  # falling snow
        body += '<circle cx="%g" cy="%g" r="%g" fill="#FFFFFF" fill-opacity="%g"/>' % (
            rnd.uniform(0, W), rnd.uniform(0, H), rnd.uniform(1.0, 2.6), rnd.uniform(0.3, 0.7))
    return finish(render_svg(svg_doc(W, H, body, defs)), 7, calm=0.25, clue_cap=CLUE_CAP)


def owl(x, y, size):
    """An owl sitting on a branch, eyes lit."""
    s = '<path d="M %g %g H %g" stroke="#2A2018" stroke-width="%g" stroke-linecap="round"/>' % (
        x - size, y + size * 0.55, x + size, size * 0.18)
    s += '<ellipse cx="%g" cy="%g" rx="%g" ry="%g" fill="#6A5A48" %s/>' % (x, y, size * 0.42, size * 0.55, sc.OUT)
    s += '<path d="M %g %g L %g %g L %g %g Z M %g %g L %g %g L %g %g Z" fill="#6A5A48"/>' % (
        x - size * 0.36, y - size * 0.32, x - size * 0.3, y - size * 0.7, x - size * 0.12, y - size * 0.45,
        x + size * 0.36, y - size * 0.32, x + size * 0.3, y - size * 0.7, x + size * 0.12, y - size * 0.45)
    for dx in (-0.17, 0.17):
        s += '<circle cx="%g" cy="%g" r="%g" fill="%s"/>' % (x + dx * size, y - size * 0.22, size * 0.13, GOLD_LIGHT)
        s += '<circle cx="%g" cy="%g" r="%g" fill="%s"/>' % (x + dx * size, y - size * 0.22, size * 0.05, INK)
    return s


def owlnight():
    """8: an old forest at night under the moon; owls watch from the
    branches and a portal glows between the trunks."""
    defs = common_defs([(0, "#0E1428"), (0.55, "#1E2A48"), (1, "#2E3A50")], (0.3, 0.25), "#C8D8F0", 0.35)
    body = sky_body() + sc.stars(81, 120, 330)
    body += '<circle cx="300" cy="170" r="42" fill="#F4EED8"/>'
    body += '<circle cx="300" cy="170" r="80" fill="#F4EED8" fill-opacity="0.12" filter="url(#soft)"/>'
    far = sc.ridge(82, 470, 20, waves=3)
    for x in range(-20, W + 40, 55):
        body += sc.pine(x, sc.height_at(far, x) + 45, 170 + (x * 7) % 50, "#1A2A34", 0.05)
    body += sc.hill(far, "#18222E")
    body += sc.portal(512, 560, 90, 72, "#3A4250")
    for x, size in ((70, 300), (200, 260), (830, 270), (960, 310)):  # the old trunks
        body += '<rect x="%g" y="%g" width="%g" height="%g" rx="10" fill="#2A2420" %s/>' % (
            x - size * 0.08, 768 - size * 1.6, size * 0.16, size * 1.6, sc.OUT)
        body += sc.round_tree(x, 768 - size * 1.2, size * 0.9, "#1E3030", x, 0.08)
    for x, y, size in ((150, 380, 40), (870, 360, 44), (250, 470, 30)):
        body += owl(x, y, size)
    near = sc.ridge(84, 690, 12, waves=2)
    body += sc.hill(near, "#141C24", extra=sc.OUT)
    # the moon is the one bright thing here, and clues of many boards cross it
    return finish(render_svg(svg_doc(W, H, body, defs)), 8, vignette=0.4, calm=0.2, clue_cap=CLUE_CAP)


def ridge():
    """9: a high ridge at dusk under close stars; fallen stars glow in the
    grass and a portal stands on the crest."""
    defs = common_defs([(0, "#1E2450"), (0.45, "#5B4A8A"), (0.7, "#C88A9A")], (0.5, 0.6), "#FFD8B0", 0.45)
    body = sky_body() + sc.stars(91, 200, 420)
    far = sc.ridge(92, 420, 90, waves=5, rough=0.5)
    body += sc.hill(far, "#4A4078", extra='filter="url(#haze)"')
    mid = sc.ridge(93, 520, 50, waves=4, rough=0.4)
    body += sc.hill(mid, "#3E4A5A", extra=sc.OUT)
    body += sc.portal(820, sc.height_at(mid, 820) + 8, 100, 80, "#6A6880")
    near = sc.ridge(94, 600, 34, waves=3)
    body += sc.hill(near, "#34463A", extra=sc.OUT)
    rnd = random.Random(95)
    for _ in range(16):  # fallen stars in the grass
        x = rnd.choice((rnd.uniform(20, 260), rnd.uniform(760, 1000)))
        y = sc.height_at(near, x) + rnd.uniform(5, 35)
        body += '<circle cx="%g" cy="%g" r="22" fill="%s" fill-opacity="0.45" filter="url(#soft)"/>' % (x, y, GOLD)
        body += fallen_star(x, y, rnd.uniform(9, 14))
    return finish(render_svg(svg_doc(W, H, body, defs)), 9, vignette=0.4, calm=0.25, clue_cap=CLUE_CAP)


def fallen_star(x, y, r):
    """A five-pointed star lying on the ground."""
    pts = " ".join("%g,%g" % (x + (r if k % 2 == 0 else r * 0.45) * math.sin(k * math.pi / 5),
                              y - (r if k % 2 == 0 else r * 0.45) * math.cos(k * math.pi / 5)) for k in range(10))
    return '<polygon points="%s" fill="%s" %s/>' % (pts, GOLD_LIGHT, sc.OUT)


def lighthouse(x, y, h):
    """A striped stone lighthouse with its lamp lit."""
    s = '<circle cx="%g" cy="%g" r="%g" fill="%s" fill-opacity="0.35" filter="url(#soft)"/>' % (x, y - h, h * 0.3, GOLD)
    s += '<path d="M %g %g L %g %g L %g %g L %g %g Z" fill="#F3E3C0" %s/>' % (
        x - h * 0.14, y, x - h * 0.08, y - h * 0.9, x + h * 0.08, y - h * 0.9, x + h * 0.14, y, sc.OUT)
    for k in (0.25, 0.6):
        s += '<path d="M %g %g L %g %g L %g %g L %g %g Z" fill="#A8382E"/>' % (
            x - h * (0.14 - k * 0.07), y - h * k, x - h * (0.14 - (k + 0.15) * 0.07), y - h * (k + 0.15),
            x + h * (0.14 - (k + 0.15) * 0.07), y - h * (k + 0.15), x + h * (0.14 - k * 0.07), y - h * k)
    s += '<rect x="%g" y="%g" width="%g" height="%g" fill="%s" %s/>' % (x - h * 0.07, y - h * 1.02, h * 0.14,
                                                                      h * 0.12, GOLD_LIGHT, sc.OUT)
    s += '<path d="M %g %g L %g %g L %g %g Z" fill="#5B4A8A" %s/>' % (x - h * 0.1, y - h * 1.02, x, y - h * 1.14,
                                                                        x + h * 0.1, y - h * 1.02, sc.OUT)
    return s


def coast():
    """10: the coast at sunset; the little ship waits on the sea, and on the
    cliff the lighthouse stands beside the oldest portal."""
    defs = common_defs([(0, "#5B4A8A"), (0.35, "#C86E6E"), (0.58, "#F4B36C"), (0.6, "#F4B36C")],
                       (0.62, 0.56), "#FFE0A0", 0.5) + lin_grad("water", [(0, "#E89A6A"), (0.3, "#7A6A9A"), (1, "#2B3560")])
    body = sky_body() + '<circle cx="635" cy="420" r="46" fill="#FFE7B0" fill-opacity="0.9"/>'
    body += sc.clouds(101, 6, 80, 330, "#F6C9A0", 0.45)
    body += '<rect x="0" y="440" width="%d" height="%d" fill="url(#water)"/>' % (W, H - 440)
    rnd = random.Random(103)
    for _ in range(70):
        y, x = rnd.uniform(448, 760), rnd.uniform(0, W)
        body += ('<rect x="%g" y="%g" width="%g" height="1.6" rx="0.8" fill="#FFE0B0" fill-opacity="%g"/>'
                 % (x, y, rnd.uniform(20, 90) * (y - 400) / 300, 0.12 + 0.35 * (1 - abs(x - 635) / W)))
    for i in range(26):  # the sun's road on the water
        w = 30 + i * 5
        body += ('<rect x="%g" y="%g" width="%g" height="2.2" rx="1" fill="#FFE7B0" fill-opacity="%g"/>'
                 % (635 - w / 2 + (i * 37) % 17 - 8, 446 + i * i * 0.5, w, 0.55 - i * 0.015))
    cliff = "M -10 300 Q 60 270 120 300 Q 190 330 230 400 Q 265 450 330 470 Q 300 600 250 768 L -10 768 Z"
    body += '<path d="%s" fill="#4A3A5A" %s/>' % (cliff, sc.OUT)
    body += sc.portal(190, 372, 70, 56, "#6A5A7A")
    body += lighthouse(70, 292, 150)
    body += sc.ship(860, 520, 150)
    return finish(render_svg(svg_doc(W, H, body, defs)), 10, calm=0.25, clue_cap=CLUE_CAP)


# Each land's background file, by the key of tools/campaign/lands.py.
SCENES = {"3": downs, "4": vents, "5": cinders, "6": marsh, "7": frost, "8": owlnight, "9": ridge, "A": coast}


def make_all():
    for key, scene in SCENES.items():
        save_jpg(scene(), "gfx/backgrounds/background_%s.jpg" % key)


if __name__ == "__main__":
    make_all()
