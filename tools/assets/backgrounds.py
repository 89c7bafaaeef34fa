"""Full-screen pictures: the loading screen and the level backgrounds.
Painted as SVG layers, then given paper grain and a vignette."""

import random

import numpy as np
from PIL import Image, ImageDraw, ImageFilter, ImageFont

import scenery as sc
import gui_core
from kit import (FONT1, INK, hexrgb, PARCHMENT, GOLD, GOLD_LIGHT, TEAL, mix, lin_grad, rad_grad,
                 render_svg, save_jpg, svg_doc)

W, H = 1024, 768
# Luminance the bright scenes are squeezed towards where the Picross clues stand.
CLUE_CAP = 0.23
# Luminance the credits' background is held under behind the roll.
CREDITS_CAP = 0.036


def common_defs(sky, light_xy, light_col, light_r=0.5):
    return (lin_grad("sky", sky) +
            rad_grad("sun", [(0, light_col, 0.85), (0.25, light_col, 0.35), (1, light_col, 0)],
                     light_xy[0], light_xy[1], light_r) +
            rad_grad("portalGlow", [(0, TEAL, 0.75), (0.4, TEAL, 0.25), (1, TEAL, 0)]) +
            '<filter id="cloudBlur" x="-20%" y="-50%" width="140%" height="200%">'
            '<feGaussianBlur stdDeviation="9"/></filter>'
            '<filter id="soft" x="-50%" y="-50%" width="200%" height="200%"><feGaussianBlur stdDeviation="6"/></filter>'
            '<filter id="haze" x="-5%" y="-5%" width="110%" height="110%"><feGaussianBlur stdDeviation="1.6"/></filter>')


def haze(y0, y1, colour, opacity, gid="hz"):
    """A band of mist that fades in and out, without hard edges."""
    grad = lin_grad(gid, [(0, colour, 0), (0.5, colour, opacity), (1, colour, 0)])
    return ('<defs>%s</defs><rect x="0" y="%g" width="%d" height="%g" fill="url(#%s)"/>'
            % (grad, y0, W, y1 - y0, gid))


def squeeze_light(a, m, cap):
    """Compresses the picture in linear light towards the luminance cap where
    the mask m is 1, keeping hue; dark parts barely change."""
    lin = np.where(a <= 10.31, a / 3294.6, ((a / 255.0 + 0.055) / 1.055) ** 2.4)
    lum = np.maximum(lin @ np.array([0.2126, 0.7152, 0.0722], np.float32), 1e-4)
    squeezed = lum / (1 + lum / cap)
    lin = lin * (1 - m + m * squeezed / lum)[..., None]
    return np.where(lin <= 0.0031308, lin * 3294.6, (1.055 * np.clip(lin, 0, 1) ** (1 / 2.4) - 0.055) * 255.0)


def shade_clue_area(a, xx, yy, cap):
    """Bright parts of the area where Picross clues stand (left of and above
    boards of every size, centred on (420, 384)) are squeezed so that the
    yellow clue digits stand out about 4:1 in luminance."""
    # flat over the clue area, fading without an edge towards the frame
    return squeeze_light(a, np.exp(-(((xx - 405) / 520) ** 4 + ((yy - 368) / 460) ** 4)), cap)


def shade_credits_column(a, xx):
    """The credits roll up the middle in tints from magenta over blue to cyan
    (the darkest about 0.24 in luminance): the column they cross, lines of
    up to 640 px, is held below CREDITS_CAP so that every tint reads 3:1."""
    return squeeze_light(a, np.exp(-(np.clip(np.abs(xx - W / 2) - 340, 0, None) / 90) ** 2), CREDITS_CAP)


def finish(img, seed, vignette=0.35, grain=3.0, calm=0.0, clue_cap=0.0, credits=False):
    """Paper grain, a soft vignette and, for level backgrounds, a calmer
    middle where the board stands; clue_cap, when given, darkens a bright
    scene where the Picross clues stand, credits the column of the roll."""
    a = np.asarray(img.convert("RGB")).astype(np.float32)
    yy, xx = np.mgrid[0:H, 0:W].astype(np.float32)
    dx, dy = (xx - W / 2) / (W / 2), (yy - H / 2) / (H / 2)
    d2 = dx * dx + dy * dy
    a *= (1.0 - vignette * np.clip(d2 - 0.25, 0, None) / 1.75)[..., None]
    if calm:
        mean = a.mean(axis=2, keepdims=True)
        k = (calm * np.exp(-((xx - 440) / 330) ** 2 - ((yy - 390) / 260) ** 2))[..., None]
        a = a * (1 - k) + (mean * 0.35 + a * 0.65) * k
    if clue_cap:
        a = shade_clue_area(a, xx, yy, clue_cap)
    if credits:
        a = shade_credits_column(a, xx)
    rnd = np.random.RandomState(seed)
    noise = rnd.normal(0, 1, (H // 2, W // 2)).astype(np.float32)
    noise = np.kron(noise, np.ones((2, 2), np.float32)) * grain
    a += noise[..., None]
    return Image.fromarray(np.clip(a, 0, 255).astype(np.uint8))


def meadow():
    """1: a meadow morning with standing stones and a far portal."""
    defs = common_defs([(0, "#8FB4D8"), (0.45, "#F3D9B0"), (0.62, "#F8E4C0")], (0.72, 0.36), "#FFF1C8", 0.45)
    body = '<rect width="%d" height="%d" fill="url(#sky)"/><rect width="%d" height="%d" fill="url(#sun)"/>' % (W, H, W, H)
    body += sc.clouds(4, 7, 60, 250, "#FFFFFF", 0.55)
    far = sc.ridge(11, 400, 40, waves=3)
    body += sc.hill(far, "#A9B7C9", extra='filter="url(#haze)"')
    mid = sc.ridge(12, 470, 36, waves=4)
    body += sc.hill(mid, "#93AE7A")
    body += sc.portal(770, sc.height_at(mid, 770) + 6, 90, 70, "#9C99A8")
    body += haze(380, 520, "#F8E8C8", 0.18)
    near = sc.ridge(13, 600, 30, waves=3)
    for x in (40, 95, 150, 905, 965):
        body += sc.round_tree(x, sc.height_at(near, x) + 12, 120 + (x % 50), "#5E8C45", x)
    body += sc.hill(near, "#6F9A4E", extra=sc.OUT)
    for x, h, t in ((120, 95, -4), (195, 70, 3), (880, 85, 5)):
        body += sc.stone(x, sc.height_at(near, x) + 20, h * 0.55, h, t, "#8E8A9A")
    front = sc.ridge(14, 700, 16, waves=2)
    body += sc.hill(front, "#557E3C", extra=sc.OUT)
    body += ''.join(sc.flag(x, sc.height_at(front, x) + 6, 70, c, w) for x, c, w in
                    ((60, "#A8382E", 0.3), (980, "#C9962E", -0.4)))
    rnd = random.Random(15)
    for _ in range(120):  # flowers in the near grass
        x, y = rnd.uniform(0, W), rnd.uniform(640, 768)
        if y < sc.height_at(front, x) + 8:
            continue
        c = rnd.choice(("#F3E3C0", "#F8E08A", "#D86C5E", "#C7B3E0"))
        body += '<circle cx="%g" cy="%g" r="%g" fill="%s" fill-opacity="0.9"/>' % (x, y, rnd.uniform(1.8, 3.2), c)
    return finish(render_svg(svg_doc(W, H, body, defs)), 1, calm=0.25, clue_cap=CLUE_CAP)


def twilight(seed=2, calm=0.25, moon=(820, 130), credits=False):
    """2: a twilight grove under stars (the credits roll over it)."""
    defs = common_defs([(0, "#141A38"), (0.5, "#2B3560"), (0.78, "#5B4A8A"), (1, "#8A5A7A")],
                       (0.5, 0.78), "#F0A070", 0.55)
    body = '<rect width="%d" height="%d" fill="url(#sky)"/><rect width="%d" height="%d" fill="url(#sun)"/>' % (W, H, W, H)
    body += sc.stars(seed, 170, 430)
    # a crescent: the moon's disc with a shifted disc cut away
    body += ('<mask id="crescent"><circle cx="%d" cy="%d" r="38" fill="#FFFFFF"/>'
             '<circle cx="%d" cy="%d" r="34" fill="#000000"/></mask>' % (moon[0], moon[1], moon[0] + 16, moon[1] - 10))
    body += ('<circle cx="%d" cy="%d" r="60" fill="#FFF3D6" fill-opacity="0.12" filter="url(#soft)"/>'
             % moon)
    body += '<circle cx="%d" cy="%d" r="38" fill="#FFF3D6" mask="url(#crescent)"/>' % moon
    body += sc.clouds(seed + 5, 5, 200, 380, "#9A7BB0", 0.35)
    far = sc.ridge(seed + 21, 500, 45, waves=3)
    body += sc.hill(far, "#3A3E6E", extra='filter="url(#haze)"')
    body += sc.portal(512, sc.height_at(far, 512) + 40, 120, 95, "#4E4A70")
    near = sc.ridge(seed + 22, 620, 28)
    for x in (30, 90, 160, 230, 800, 870, 940, 1000):
        body += sc.pine(x, sc.height_at(near, x) + 15, 150 + (x * 7) % 60, "#1F3A35", 0.12)
    body += sc.hill(near, "#1E2C3A", extra=sc.OUT)
    rnd = random.Random(seed)
    for _ in range(40):  # fireflies
        x, y = rnd.uniform(0, W), rnd.uniform(520, 760)
        body += '<circle cx="%g" cy="%g" r="2.2" fill="%s" fill-opacity="0.8" filter="url(#haze)"/>' % (x, y, GOLD_LIGHT)
    return finish(render_svg(svg_doc(W, H, body, defs)), seed, vignette=0.45, calm=calm, credits=credits)


def sea():
    """3: the sea at sunset with the ship and a lighthouse of stones."""
    defs = common_defs([(0, "#5B4A8A"), (0.35, "#C86E6E"), (0.58, "#F4B36C"), (0.6, "#F4B36C")],
                       (0.62, 0.56), "#FFE0A0", 0.5) + lin_grad("water", [(0, "#E89A6A"), (0.3, "#7A6A9A"), (1, "#2B3560")])
    body = '<rect width="%d" height="%d" fill="url(#sky)"/><rect width="%d" height="%d" fill="url(#sun)"/>' % (W, H, W, H)
    body += '<circle cx="635" cy="420" r="46" fill="#FFE7B0" fill-opacity="0.9"/>'
    body += sc.clouds(31, 6, 80, 330, "#F6C9A0", 0.45)
    body += '<rect x="0" y="440" width="%d" height="%d" fill="url(#water)"/>' % (W, H - 440)
    rnd = random.Random(3)
    for _ in range(70):
        y = rnd.uniform(448, 760)
        x = rnd.uniform(0, W)
        w = rnd.uniform(20, 90) * (y - 400) / 300
        body += ('<rect x="%g" y="%g" width="%g" height="1.6" rx="0.8" fill="#FFE0B0" fill-opacity="%g"/>'
                 % (x, y, w, 0.12 + 0.35 * (1 - abs(x - 635) / W)))
    for i in range(26):  # the sun's road on the water
        y = 446 + i * i * 0.5
        w = 30 + i * 5
        body += ('<rect x="%g" y="%g" width="%g" height="2.2" rx="1" fill="#FFE7B0" fill-opacity="%g"/>'
                 % (635 - w / 2 + (i * 37) % 17 - 8, y, w, 0.55 - i * 0.015))
    cliff = ("M -10 300 Q 60 270 120 300 Q 190 330 230 400 Q 265 450 330 470 Q 300 600 250 768 L -10 768 Z")
    body += '<path d="%s" fill="#4A3A5A" %s/>' % (cliff, sc.OUT)
    body += ('<path d="M -10 318 Q 60 290 118 318 Q 180 345 215 405 L 180 420 Q 120 360 -10 360 Z" '
             'fill="#6A5A7A" fill-opacity="0.6"/>')
    body += sc.pine(60, 300, 90, "#2F3A45", 0.1) + sc.pine(95, 296, 70, "#2F3A45", 0.1)
    body += sc.flag(150, 308, 80, "#C9962E", 0.4)
    body += sc.ship(860, 520, 150)
    return finish(render_svg(svg_doc(W, H, body, defs)), 3, calm=0.25, clue_cap=CLUE_CAP)


def lanterns():
    """4: a forest at dusk hung with lanterns."""
    defs = common_defs([(0, "#1E2F3A"), (0.5, "#3E5A5A"), (1, "#6A7A5A")], (0.5, 0.6), "#F0C080", 0.6)
    body = '<rect width="%d" height="%d" fill="url(#sky)"/><rect width="%d" height="%d" fill="url(#sun)"/>' % (W, H, W, H)
    for layer, (base, col, size, light) in enumerate(((430, "#4A6660", 150, 0.05), (520, "#35504A", 190, 0.08),
                                                       (640, "#22362F", 240, 0.12))):
        rnd = random.Random(40 + layer)
        line = sc.ridge(41 + layer, base, 14)
        xs = sorted(rnd.uniform(-40, W + 40) for _ in range(9 - layer * 2))
        for x in xs:
            if layer < 2 and 260 < x < 700:
                continue  # a clearing in the middle, where the board stands
            if rnd.random() < 0.5:
                body += sc.pine(x, sc.height_at(line, x) + 10, size * rnd.uniform(0.8, 1.2), col, light)
            else:
                body += sc.round_tree(x, sc.height_at(line, x) + 10, size * 0.75, col, int(x), light)
        body += sc.hill(line, col, extra=sc.OUT if layer == 2 else "")
        body += haze(base - 120, base + 40, "#C8D8C0", 0.16 - layer * 0.04, "hz%d" % layer)
    rnd = random.Random(44)
    for sx, sy, ex, ey in ((20, 300, 260, 330), (760, 320, 1010, 290), (120, 420, 330, 450), (700, 440, 930, 410)):
        body += ('<path d="M %g %g Q %g %g %g %g" fill="none" stroke="%s" stroke-width="1.4" stroke-opacity="0.7"/>'
                 % (sx, sy, (sx + ex) / 2, max(sy, ey) + 40, ex, ey, INK))
        for k in range(1, 5):
            t = k / 5.0
            x = (1 - t) ** 2 * sx + 2 * (1 - t) * t * (sx + ex) / 2 + t * t * ex
            y = (1 - t) ** 2 * sy + 2 * (1 - t) * t * (max(sy, ey) + 40) + t * t * ey
            c = rnd.choice(("#F08A3C", "#F8C04A", "#E86A4A"))
            body += '<circle cx="%g" cy="%g" r="26" fill="%s" fill-opacity="0.25" filter="url(#soft)"/>' % (x, y + 14, c)
            body += ('<rect x="%g" y="%g" width="12" height="16" rx="5" fill="%s" %s/>'
                     '<rect x="%g" y="%g" width="6" height="3" fill="%s"/>'
                     % (x - 6, y + 6, c, sc.OUT, x - 3, y + 4, INK))
    return finish(render_svg(svg_doc(W, H, body, defs)), 4, calm=0.2)


def mountains():
    """5: mountains at dawn with a portal on the ridge and flags on the path."""
    defs = common_defs([(0, "#6A7AB0"), (0.4, "#E8A0A0"), (0.7, "#F8D0A0")], (0.3, 0.5), "#FFF0C0", 0.5)
    body = '<rect width="%d" height="%d" fill="url(#sky)"/><rect width="%d" height="%d" fill="url(#sun)"/>' % (W, H, W, H)
    body += sc.clouds(51, 6, 120, 300, "#FFE8E0", 0.5)
    far = sc.ridge(52, 360, 100, waves=5, rough=0.5)
    body += sc.hill(far, "#9A88B8", extra='filter="url(#haze)"')
    body += haze(300, 480, "#FFE8D8", 0.35)
    mid = sc.ridge(53, 480, 55, waves=4, rough=0.4)
    body += sc.hill(mid, "#7A6E9A", extra=sc.OUT)
    body += sc.portal(860, sc.height_at(mid, 860) + 8, 100, 80, "#8A84A0")
    near = sc.ridge(54, 620, 40, waves=3)
    body += sc.hill(near, "#5E6A5A", extra=sc.OUT)
    for x, c in ((70, "#A8382E"), (150, "#C9962E"), (930, "#4F7A3A")):
        body += sc.flag(x, sc.height_at(near, x) + 6, 80, c, 0.3)
    for x in (20, 990):
        body += sc.pine(x, sc.height_at(near, x) + 20, 200, "#34463A", 0.1)
    return finish(render_svg(svg_doc(W, H, body, defs)), 5, calm=0.25, clue_cap=CLUE_CAP)


def snow():
    """6: a winter evening: blue snowy hills, pines and capped stones (kept
    mid-toned so the yellow Picross clues read over it)."""
    defs = common_defs([(0, "#3E4E7A"), (0.5, "#7A88AE"), (0.7, "#B8A8B8")], (0.25, 0.35), "#F8D8C0", 0.4)
    body = '<rect width="%d" height="%d" fill="url(#sky)"/><rect width="%d" height="%d" fill="url(#sun)"/>' % (W, H, W, H)
    body += sc.clouds(61, 6, 70, 260, "#C8B8D0", 0.4)
    far = sc.ridge(62, 380, 70, waves=4, rough=0.5)
    body += sc.hill(far, "#6E7CA0", extra='filter="url(#haze)"')
    body += haze(330, 470, "#C8C8E0", 0.22)
    mid = sc.ridge(63, 500, 35, waves=3)
    body += sc.hill(mid, "#8E9CBC", extra=sc.OUT)
    near = sc.ridge(64, 630, 26, waves=3)
    for x in (25, 80, 140, 880, 940, 1000):
        body += sc.pine(x, sc.height_at(near, x) + 14, 150 + (x * 13) % 50, "#24383A", 0.2)
    body += sc.hill(near, "#A8B4CE", extra=sc.OUT)
    for x, h, t in ((170, 80, -3), (860, 90, 4)):
        y = sc.height_at(near, x) + 18
        body += sc.stone(x, y, h * 0.55, h, t, "#8E8A9A", moss="#DDE4F0")
    body += sc.flag(60, sc.height_at(near, 60) + 40, 70, "#A8382E", 0.3)
    rnd = random.Random(66)
    for _ in range(140):  # falling snow
        x, y = rnd.uniform(0, W), rnd.uniform(0, H)
        body += '<circle cx="%g" cy="%g" r="%g" fill="#FFFFFF" fill-opacity="%g"/>' % (
            x, y, rnd.uniform(1.0, 2.6), rnd.uniform(0.3, 0.7))
    return finish(render_svg(svg_doc(W, H, body, defs)), 6, calm=0.25, clue_cap=CLUE_CAP)


def orchard():
    """7: an autumn orchard in the afternoon, with a pennant on the gate."""
    defs = common_defs([(0, "#8AAACF"), (0.5, "#F0D0A0"), (0.66, "#F6DDB0")], (0.8, 0.4), "#FFE6B0", 0.5)
    body = '<rect width="%d" height="%d" fill="url(#sky)"/><rect width="%d" height="%d" fill="url(#sun)"/>' % (W, H, W, H)
    body += sc.clouds(71, 6, 60, 240, "#FFF4E0", 0.5)
    far = sc.ridge(72, 420, 35, waves=3)
    body += sc.hill(far, "#B8A88E", extra='filter="url(#haze)"')
    mid = sc.ridge(73, 500, 28, waves=4)
    body += sc.hill(mid, "#B09A50")
    body += haze(400, 540, "#FFE8C0", 0.2)
    near = sc.ridge(74, 630, 22, waves=3)
    for x, c in ((30, "#C8702E"), (95, "#D89A3A"), (165, "#A8482E"), (870, "#D89A3A"), (945, "#C8702E"), (1010, "#A8482E")):
        body += sc.round_tree(x, sc.height_at(near, x) + 12, 115 + (x % 40), c, x, 0.3)
    body += sc.hill(near, "#8A8A3E", extra=sc.OUT)
    body += sc.flag(220, sc.height_at(near, 220) + 8, 75, "#4F7A3A", -0.3)
    front = sc.ridge(75, 710, 12, waves=2)
    body += sc.hill(front, "#6E7432", extra=sc.OUT)
    rnd = random.Random(77)
    for _ in range(60):  # fallen leaves
        x, y = rnd.uniform(0, W), rnd.uniform(690, 768)
        c = rnd.choice(("#D86C2E", "#F0A83A", "#A8382E"))
        body += '<ellipse cx="%g" cy="%g" rx="3.2" ry="1.8" fill="%s" transform="rotate(%d %g %g)"/>' % (
            x, y, c, rnd.randrange(180), x, y)
    return finish(render_svg(svg_doc(W, H, body, defs)), 7, calm=0.25, clue_cap=CLUE_CAP)


def lake():
    """8: a still lake at dusk with the portal on an island."""
    defs = common_defs([(0, "#2B3560"), (0.4, "#5B4A8A"), (0.62, "#D88A8A")], (0.5, 0.6), "#FFC890", 0.5)
    defs += lin_grad("water", [(0, "#B07A9A"), (0.4, "#5B4A8A"), (1, "#1E2448")])
    body = '<rect width="%d" height="%d" fill="url(#sky)"/><rect width="%d" height="%d" fill="url(#sun)"/>' % (W, H, W, H)
    body += sc.stars(81, 60, 220)
    body += sc.clouds(82, 5, 150, 320, "#C890B0", 0.35)
    far = sc.ridge(83, 440, 40, waves=3)
    body += sc.hill(far, "#4A4078", extra='filter="url(#haze)"')
    body += '<rect x="0" y="470" width="%d" height="%d" fill="url(#water)"/>' % (W, H - 470)
    body += ('<ellipse cx="512" cy="478" rx="150" ry="16" fill="#2E2A4A" %s/>' % sc.OUT)
    body += sc.portal(512, 470, 90, 70, "#5A5478")
    body += '<ellipse cx="512" cy="520" rx="40" ry="70" fill="%s" fill-opacity="0.12" filter="url(#soft)"/>' % TEAL
    rnd = random.Random(84)
    for _ in range(60):
        y = rnd.uniform(490, 760)
        x = rnd.uniform(0, W)
        body += ('<rect x="%g" y="%g" width="%g" height="1.5" rx="0.7" fill="#FFD8C0" fill-opacity="%g"/>'
                 % (x, y, rnd.uniform(20, 70), rnd.uniform(0.08, 0.25)))
    for x in (20, 70, 950, 1005):
        body += sc.pine(x, 640, 220, "#141C30", 0.05)
    body += '<path d="M -10 620 Q 120 600 200 768 L -10 768 Z" fill="#161E34" %s/>' % sc.OUT
    body += '<path d="M 1034 610 Q 900 600 840 768 L 1034 768 Z" fill="#161E34" %s/>' % sc.OUT
    return finish(render_svg(svg_doc(W, H, body, defs)), 8, vignette=0.4, calm=0.2)


def grove():
    """9: a druid grove at dawn, mist between the trunks."""
    defs = common_defs([(0, "#A8C0C8"), (0.5, "#E8E0C0"), (1, "#C8D8A8")], (0.5, 0.45), "#FFF8D8", 0.55)
    body = '<rect width="%d" height="%d" fill="url(#sky)"/><rect width="%d" height="%d" fill="url(#sun)"/>' % (W, H, W, H)
    for layer, (base, col, size) in enumerate(((420, "#9AB0A0", 170), (520, "#6E8E6A", 210), (650, "#3E5E42", 260))):
        rnd = random.Random(90 + layer)
        line = sc.ridge(91 + layer, base, 12)
        for x in sorted(rnd.uniform(-40, W + 40) for _ in range(8 - layer * 2)):
            if 250 < x < 700:
                continue  # the clearing where the board stands
            body += sc.round_tree(x, sc.height_at(line, x) + 10, size * 0.7, col, int(x) + layer, 0.15)
        body += sc.hill(line, col, extra=sc.OUT if layer == 2 else "")
        body += haze(base - 140, base + 30, "#FFFFFF", 0.28 - layer * 0.06, "hz%d" % layer)
    for x, h, t in ((120, 110, -3), (200, 80, 2), (830, 95, 4), (910, 120, -2)):
        body += sc.stone(x, 690, h * 0.5, h, t, "#8A8896")
    return finish(render_svg(svg_doc(W, H, body, defs)), 9, calm=0.25, clue_cap=CLUE_CAP)


def isles():
    """A (10): open sea at midday, far isles and the little ship."""
    defs = common_defs([(0, "#5E8CC8"), (0.5, "#A8D0E8"), (0.56, "#D8ECF0")], (0.7, 0.15), "#FFFBE8", 0.4)
    defs += lin_grad("water", [(0, "#7EB8D0"), (0.5, "#3E7AA8"), (1, "#2B4A78")])
    body = '<rect width="%d" height="%d" fill="url(#sky)"/><rect width="%d" height="%d" fill="url(#sun)"/>' % (W, H, W, H)
    body += sc.clouds(101, 7, 60, 300, "#FFFFFF", 0.6)
    body += '<rect x="0" y="430" width="%d" height="%d" fill="url(#water)"/>' % (W, H - 430)
    for cx, w, h, c in ((140, 220, 50, "#7E9A8A"), (420, 120, 26, "#9AB0A8"), (760, 260, 60, "#6E8E7A")):
        body += ('<path d="M %g 432 Q %g %g %g 432 Z" fill="%s" %s/>'
                 % (cx - w / 2, cx, 432 - h * 2, cx + w / 2, c, sc.OUT))
    body += sc.flag(770, 392, 50, "#A8382E", 0.2)
    rnd = random.Random(102)
    for _ in range(80):
        y = rnd.uniform(440, 760)
        body += ('<rect x="%g" y="%g" width="%g" height="1.6" rx="0.8" fill="#FFFFFF" fill-opacity="%g"/>'
                 % (rnd.uniform(0, W), y, rnd.uniform(20, 80) * (y - 380) / 300, rnd.uniform(0.1, 0.35)))
    body += sc.ship(160, 560, 130, sail="#F3E3C0", flag="#C9962E")
    return finish(render_svg(svg_doc(W, H, body, defs)), 10, calm=0.25, clue_cap=CLUE_CAP)


def logo(img):
    """The game's name on the loading picture."""
    text = "Sorvanta"
    font = ImageFont.truetype(FONT1, 124)
    x0, y0, x1, y1 = font.getbbox(text)
    tw, th = x1 - x0, y1 - y0
    x, y = (W - tw) // 2 - x0, 96 - y0
    layer = Image.new("RGBA", img.size, (0, 0, 0, 0))
    d = ImageDraw.Draw(layer)
    d.text((x, y), text, font=font, fill=(127, 227, 224, 255))
    glow = layer.filter(ImageFilter.GaussianBlur(18))
    img.alpha_composite(glow)
    img.alpha_composite(glow)
    shadow = Image.new("RGBA", img.size, (0, 0, 0, 0))
    ImageDraw.Draw(shadow).text((x + 4, y + 7), text, font=font, fill=(30, 16, 10, 170),
                                stroke_width=6, stroke_fill=(30, 16, 10, 170))
    img.alpha_composite(shadow.filter(ImageFilter.GaussianBlur(4)))
    # parchment letters in an ink rim, a gold lower half
    letters = Image.new("RGBA", img.size, (0, 0, 0, 0))
    ImageDraw.Draw(letters).text((x, y), text, font=font, fill=(255, 255, 255, 255),
                                 stroke_width=5, stroke_fill=(59, 36, 22, 255))
    fill = Image.new("RGBA", img.size, (0, 0, 0, 0))
    grad = np.zeros((H, W, 4), np.uint8)
    top, bot = np.array(hexrgb(PARCHMENT), np.float32), np.array(hexrgb(GOLD), np.float32)
    t = np.clip((np.arange(H) - y - th * 0.35) / (th * 0.7), 0, 1)[:, None]
    grad[..., :3] = (top * (1 - t) + bot * t)[:, None, :].astype(np.uint8)
    grad[..., 3] = 255
    fill = Image.fromarray(grad, "RGBA")
    inner = Image.new("L", img.size, 0)
    ImageDraw.Draw(inner).text((x, y), text, font=font, fill=255)
    img.alpha_composite(letters)
    img.paste(fill, (0, 0), inner)
    return img


def loading():
    img = twilight(seed=9, calm=0.0, moon=(900, 300)).convert("RGBA")
    img = logo(img)
    band = Image.new("RGBA", (W, H), (0, 0, 0, 0))
    a = np.zeros((H, W, 4), np.uint8)
    a[..., :3] = hexrgb(INK)
    a[..., 3] = (np.clip((np.arange(H) - 600) / 168.0, 0, 1) ** 1.3 * 200).astype(np.uint8)[:, None]
    band = Image.fromarray(a, "RGBA")
    img.alpha_composite(band)
    groove = gui_core.loading_groove()
    img.alpha_composite(groove, (512 - groove.width // 2, 710 - groove.height // 2))
    return img


def make_all():
    save_jpg(loading(), "gfx/gui/loading/back.jpg")
    save_jpg(meadow(), "gfx/backgrounds/background_1.jpg")
    save_jpg(twilight(credits=True), "gfx/backgrounds/background_2.jpg")
    save_jpg(sea(), "gfx/backgrounds/background_3.jpg")
    save_jpg(lanterns(), "gfx/backgrounds/background_4.jpg")
    save_jpg(mountains(), "gfx/backgrounds/background_5.jpg")
    save_jpg(snow(), "gfx/backgrounds/background_6.jpg")
    save_jpg(orchard(), "gfx/backgrounds/background_7.jpg")
    save_jpg(lake(), "gfx/backgrounds/background_8.jpg")
    save_jpg(grove(), "gfx/backgrounds/background_9.jpg")
    save_jpg(isles(), "gfx/backgrounds/background_A.jpg")


if __name__ == "__main__":
    make_all()
