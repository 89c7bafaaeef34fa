"""The intro's illustrated story: six scene pictures, the lightning flash, the
floating stone, seven robed figures, four banners, the scroll and the frame.
Pictures are 1024 x 768, drawn centred 60 px above the screen's centre, so
the image row is the screen row + 60. Seeded: every run draws the same."""

import random

import scenery as sc
from backgrounds import common_defs, finish, haze
from kit import (BERRY, BRASS, DUSK, EMBER, GOLD, GOLD_LIGHT, INK, LEAF, PARCHMENT, PARCHMENT_SHADE, TEAL,
                 VIOLET, WALNUT, WALNUT_DARK, mix, lin_grad, rad_grad, render_svg, save_jpg, save_png, svg_doc)

W, H = 1024, 768
FIELD_COLOURS = ("#C9B04A", "#86B35A", "#4F7A3A", "#D99A4A", "#A8C070", "#C77A5A")


def patchwork(rnd, rows, top):
    """Rows of field strips growing toward the viewer; top(row) is a row's y."""
    out = ""
    for row in range(rows):
        y0 = top(row)
        hgt = 14 + row * 8
        x = -20 - row * 30
        while x < W + 40:
            w = rnd.uniform(60, 110) * (1 + row * 0.25)
            out += ('<rect x="%g" y="%g" width="%g" height="%g" rx="4" fill="%s" %s/>'
                    % (x, y0, w - 4, hgt, rnd.choice(FIELD_COLOURS), sc.OUT))
            x += w
    return out
UP = 60  # screen y + UP = image y
DUSK_SKY = [(0, "#1C2148"), (0.45, "#3B3A72"), (0.7, "#8A5A7A"), (0.86, "#E08A5C"), (1, "#F3B070")]


def sky(defs_sky, light_xy, light_col, light_r=0.5):
    defs = common_defs(defs_sky, light_xy, light_col, light_r)
    body = '<rect width="%d" height="%d" fill="url(#sky)"/><rect width="%d" height="%d" fill="url(#sun)"/>' % (W, H, W, H)
    return defs, body


def glow(x, y, r, colour, opacity=0.8):
    return ('<circle cx="%g" cy="%g" r="%g" fill="%s" fill-opacity="%g" filter="url(#soft)"/>'
            % (x, y, r, colour, opacity))


def stone_circle():
    """Scene 0: the Dusk Stone's circle; the runes of five stones feed it."""
    defs, body = sky(DUSK_SKY, (0.53, 0.32), "#7FE3E0", 0.45)
    body += sc.stars(31, 120, 300)
    body += sc.clouds(32, 5, 120, 300, "#9A7BB0", 0.3)
    far = sc.ridge(33, 470, 40, waves=3)
    body += sc.hill(far, "#3A3E6E", extra='filter="url(#haze)"')
    near = sc.ridge(34, 640, 18, waves=2)
    for x in (30, 80, 960, 1010):
        body += sc.pine(x, sc.height_at(near, x) + 10, 190, "#1F3A35", 0.12)
    body += sc.hill(near, "#2E3F45", extra=sc.OUT)
    # the emitter points of the streams sit on the stones' runes
    for (x, y), h in zip(((160, 520), (270, 508), (361, 522), (709, 532), (807, 435)), (150, 130, 110, 120, 230)):
        base = y + h * 0.55
        body += sc.stone(x, base, h * 0.45, h, (x % 7) - 3, "#6E6A86", "#4F6E4A")
        body += glow(x, y, 20, TEAL, 0.7) + '<circle cx="%g" cy="%g" r="6" fill="#E8FFFF"/>' % (x, y)
    body += haze(560, 700, "#7FE3E0", 0.12)
    # the altar whose fire sends sparks up
    body += sc.stone(554, 705, 170, 58, 0, "#5C5874", "#4F6E4A")
    body += glow(554, 640, 42, EMBER, 0.8) + glow(554, 640, 18, GOLD_LIGHT, 0.9)
    return finish(render_svg(svg_doc(W, H, body, defs)), 31, vignette=0.4)


def gobs():
    """The Dusk Stone floating over the altar (drawn bobbing, centred)."""
    w, h = 150, 190
    defs = (lin_grad("cr", [(0, "#E8FFFF"), (0.45, TEAL), (1, "#3E6EA8")], 1, 1) +
            '<filter id="g"><feGaussianBlur stdDeviation="10"/></filter>')
    body = '<ellipse cx="75" cy="95" rx="62" ry="80" fill="%s" fill-opacity="0.45" filter="url(#g)"/>' % TEAL
    body += ('<path d="M 75 18 L 118 80 L 96 168 L 54 168 L 32 80 Z" fill="url(#cr)" %s/>' % sc.OUT)
    body += '<path d="M 75 18 L 75 168 M 32 80 L 118 80" stroke="#FFFFFF" stroke-opacity="0.5" stroke-width="2"/>'
    body += '<path d="M 75 22 L 50 80 L 75 80 Z" fill="#FFFFFF" fill-opacity="0.45"/>'
    return save_png(render_svg(svg_doc(w, h, body, defs)), "gfx/story/gobs.png")


def bright_land():
    """Scene 1: the land in its colours, fields like a mosaic of pictures."""
    defs, body = sky([(0, "#6E8CC8"), (0.4, "#F3D9B0"), (0.6, "#F8C888")], (0.3, 0.3), "#FFE8B0", 0.5)
    body += sc.clouds(41, 6, 120, 300, "#FFFFFF", 0.5)
    far = sc.ridge(42, 380, 40, waves=3)
    body += sc.hill(far, "#9AA8C0", extra='filter="url(#haze)"')
    mid = sc.ridge(43, 450, 30)
    body += sc.hill(mid, "#8AAE6A")
    rnd = random.Random(44)
    body += patchwork(rnd, 7, lambda row: 470 + row * row * 6 + row * 14)  # fields in perspective
    body += ('<path d="M 480 450 C 520 520 380 560 460 640 S 620 720 560 800" fill="none" stroke="#7EC8E8" '
             'stroke-width="22" stroke-linecap="round"/>')
    for x, y in ((250, 462), (700, 470), (840, 520)):
        body += ('<path d="M %g %g l 22 -20 l 22 20 v 24 h -44 Z" fill="%s" %s/>' % (x, y, PARCHMENT, sc.OUT) +
                 '<path d="M %g %g l 24 -24 l 24 24 Z" fill="%s" %s/>' % (x - 2, y, BERRY, sc.OUT))
    for x in (60, 130, 930):
        body += sc.round_tree(x, 720, 170, "#5E8C45", x)
    return finish(render_svg(svg_doc(W, H, body, defs)), 41)


def storm():
    """Scene 2: the storm over the Black Ridge; the tower's vents smoke."""
    defs, body = sky([(0, "#0E1026"), (0.5, "#25244A"), (0.8, "#4A3A5E"), (1, "#6A4A5A")], (0.45, 0.25),
                     "#8A7AB0", 0.4)
    body += sc.clouds(51, 10, 90, 330, "#5A5478", 0.55)
    ridge = [(x, 520 - 150 * abs(((x * 7919) % 97) / 97.0 - 0.5) - (220 if 600 < x < 900 else 0) *
              (1 - abs(x - 750) / 150.0)) for x in range(-16, W + 32, 16)]
    body += sc.hill(ridge, "#1A1830", extra=sc.OUT)
    # the dark tower with its two vents (smoke starts at image (780, 210) and (850, 290))
    body += ('<path d="M 740 470 L 760 250 L 800 250 L 820 470 Z" fill="#14121F" %s/>' % sc.OUT +
             '<rect x="766" y="205" width="28" height="50" fill="#14121F" %s/>' % sc.OUT +
             '<path d="M 825 470 L 838 300 L 862 300 L 875 470 Z" fill="#14121F" %s/>' % sc.OUT)
    for x, y in ((780, 300), (780, 360), (850, 350)):
        body += glow(x, y, 8, EMBER, 0.9)
    near = sc.ridge(52, 640, 20)
    body += sc.hill(near, "#221E2E", extra=sc.OUT)
    rnd = random.Random(53)
    for _ in range(60):  # rain
        x, y = rnd.uniform(0, W), rnd.uniform(80, 700)
        body += ('<path d="M %g %g l -8 26" stroke="#9AA0C8" stroke-opacity="0.35" stroke-width="1.4"/>' % (x, y))
    return finish(render_svg(svg_doc(W, H, body, defs)), 51, vignette=0.5)


def lightning():
    """Scene 2's flash, added as light over the storm: a bolt and its glow
    on black, so only the lit parts add."""
    defs = rad_grad("fl", [(0, "#9A90E0", 0.7), (0.35, "#4A4090", 0.35), (1, "#000000", 0)], 0.45, 0.35, 0.7)
    body = '<rect width="%d" height="%d" fill="#000000"/><rect width="%d" height="%d" fill="url(#fl)"/>' % (W, H, W, H)
    rnd = random.Random(54)
    pts, x, y = [], 430.0, 90.0
    while y < 470:
        pts.append((x, y))
        x += rnd.uniform(-40, 40)
        y += rnd.uniform(25, 50)
    d = "M " + " L ".join("%g %g" % p for p in pts)
    body += ('<path d="%s" fill="none" stroke="#8A80FF" stroke-width="16" stroke-opacity="0.6" '
             'filter="url(#b)"/><path d="%s" fill="none" stroke="#FFFFFF" stroke-width="4"/>' % (d, d))
    defs += '<filter id="b" x="-50%" y="-50%" width="200%" height="200%"><feGaussianBlur stdDeviation="8"/></filter>'
    img = render_svg(svg_doc(W, H, body, defs)).convert("RGB")
    return save_png(img, "gfx/story/light.png")


def broken():
    """Scene 3: the pictures of the land broken into tiles that drift off."""
    defs, body = sky([(0, "#2A2A48"), (0.6, "#5A4E6A"), (1, "#8A6A6A")], (0.5, 0.5), "#C8A0A0", 0.5)
    far = sc.ridge(61, 470, 36)
    body += sc.hill(far, "#4A4A62", extra='filter="url(#haze)"')
    near = sc.ridge(62, 610, 24)
    body += sc.hill(near, "#3E4A44", extra=sc.OUT)
    rnd = random.Random(63)
    colours = ("#C9B04A", "#86B35A", "#4F7A3A", "#D99A4A", "#7EB8D0", "#C77A5A", "#8AAE6A")
    # the frame of a great picture, its mosaic falling apart from the middle
    body += ('<rect x="272" y="150" width="480" height="330" rx="10" fill="none" stroke="%s" '
            'stroke-width="14"/>' % BRASS)
    for r in range(11):
        for c in range(16):
            x, y = 282 + c * 29, 160 + r * 29
            d = ((c - 7.5) ** 2 + (r - 5) ** 2) ** 0.5
            if rnd.random() < 0.35 + d * 0.05:  # still in place near the rim
                body += ('<rect x="%g" y="%g" width="27" height="27" rx="3" fill="%s" %s/>'
                         % (x, y, rnd.choice(colours), sc.OUT))
            else:  # flown: tumbling outwards and down
                fx = x + (c - 7.5) * rnd.uniform(10, 40)
                fy = y + rnd.uniform(40, 260)
                body += ('<rect x="%g" y="%g" width="22" height="22" rx="3" fill="%s" fill-opacity="0.85" '
                         'transform="rotate(%g %g %g)" %s/>'
                         % (fx, fy, rnd.choice(colours), rnd.uniform(-50, 50), fx + 11, fy + 11, sc.OUT))
    return finish(render_svg(svg_doc(W, H, body, defs)), 61, vignette=0.45)


def druids_back():
    """Scenes 4 and 6: the druids' grove at dusk, open sky for the banners."""
    defs, body = sky(DUSK_SKY, (0.55, 0.55), "#F0A070", 0.6)
    body += sc.stars(71, 90, 260)
    body += sc.clouds(72, 4, 150, 320, "#B08AB0", 0.3)
    far = sc.ridge(73, 520, 40, waves=3)
    body += sc.hill(far, "#4A4878", extra='filter="url(#haze)"')
    body += sc.portal(512, sc.height_at(far, 512) + 30, 110, 90, "#5E5A80")
    for x, size in ((60, 330), (150, 260), (880, 300), (980, 340)):
        body += sc.round_tree(x, 650, size, "#2F4A3A", x, 0.12)
    ground = sc.ridge(74, 610, 10, waves=2)
    body += sc.hill(ground, "#3E5A3E", extra=sc.OUT)
    body += haze(560, 680, "#F0B080", 0.15)
    for x, h, t in ((250, 120, -3), (790, 130, 3)):
        body += sc.stone(x, 640, h * 0.5, h, t, "#6E6A86")
    return finish(render_svg(svg_doc(W, H, body, defs)), 71, vignette=0.4)


def roads():
    """Scene 5: the druids set out along roads to the four horizons."""
    defs, body = sky([(0, "#2B3560"), (0.5, "#8A5A7A"), (0.7, "#F0A070")], (0.5, 0.58), "#FFD8A0", 0.5)
    body += sc.stars(81, 50, 220)
    far = sc.ridge(82, 430, 30)
    body += sc.hill(far, "#5A5A88", extra='filter="url(#haze)"')
    mid = sc.ridge(83, 480, 24)
    body += sc.hill(mid, "#5A7A5A", extra=sc.OUT)
    for d, w in (("M 512 760 C 500 640 300 600 60 520", 26), ("M 512 760 C 540 620 760 580 990 500", 26),
                 ("M 512 760 C 480 640 440 560 380 480", 16), ("M 512 760 C 560 640 600 560 660 482", 16)):
        body += '<path d="%s" fill="none" stroke="%s" stroke-width="%g" stroke-linecap="round"/>' % (
            d, PARCHMENT_SHADE, w)
    rnd = random.Random(84)
    for x, y, s in ((150, 548, 0.5), (330, 600, 0.7), (800, 560, 0.6), (920, 520, 0.45), (400, 500, 0.4),
                    (640, 500, 0.4)):
        body += tiny_druid(x, y, 100 * s, rnd.choice(CROWD))
    for x in (40, 990):
        body += sc.pine(x, 720, 220, "#1F3A35", 0.12)
    return finish(render_svg(svg_doc(W, H, body, defs)), 81)


def tiny_druid(x, y, h, colour):
    return ('<path d="M %g %g Q %g %g %g %g Q %g %g %g %g Z" fill="%s" %s/>' %
            (x - h * 0.22, y, x - h * 0.1, y - h * 0.9, x, y - h, x + h * 0.1, y - h * 0.9, x + h * 0.22, y,
             colour, sc.OUT) + glow(x + h * 0.3, y - h * 0.6, h * 0.12, GOLD_LIGHT, 0.9))


# The seven figures of the intro, v1 ... v7: robe, its light, a white beard
# (the elders), the glow on the staff and the seed of the height. The intro's
# crowd takes them in turn, so the last figure, the youngest, who stays behind
# and walks to the scroll, is v3; the outro sets v1 on the dais as the same
# youngest. Both are drawn from one YOUNGEST, and no other figure, nor any
# small druid of the story's pictures (CROWD), wears white.
YOUNGEST = ("#E8E0C8", "#B8A888", False, TEAL, 90)
FIGURES = [YOUNGEST, ("#4F7A3A", "#86B35A", False, None, 91), YOUNGEST,
           ("#2B3560", "#5B6A9A", True, None, 93), (BERRY, "#D86C5E", False, TEAL, 94),
           ("#5B4A8A", "#8A7AB8", False, None, 95), ("#6E6A76", "#9A96A2", True, GOLD_LIGHT, 96)]
CROWD = (BERRY, LEAF, DUSK, VIOLET)


def druid(k):
    """A robed druid facing right, feet at (128, 364) of a 256 x 384 image."""
    robe, light, beard, staff_glow, seed = FIGURES[k]
    rnd = random.Random(seed)
    tall = 250 + rnd.randint(-14, 14)
    top = 364 - tall
    s = '<ellipse cx="128" cy="364" rx="58" ry="10" fill="%s" fill-opacity="0.35"/>' % INK
    # staff behind the right hand, with a glowing head on some
    s += '<rect x="170" y="%g" width="7" height="%g" rx="3" fill="%s" %s/>' % (top - 10, tall + 10, WALNUT, sc.OUT)
    if staff_glow:
        s += glow(173, top - 14, 14, staff_glow, 0.9)
    # the robe
    s += ('<path d="M 128 %g C 96 %g 88 %g 72 364 L 184 364 C 170 %g 162 %g 128 %g Z" fill="%s" %s/>' %
          (top + 18, top + 50, top + 170, top + 170, top + 50, top + 18, robe, sc.OUT))
    s += ('<path d="M 118 %g C 100 %g 96 %g 86 360 L 108 360 C 110 %g 114 %g 122 %g Z" fill="%s" '
          'fill-opacity="0.55"/>' % (top + 40, top + 80, top + 200, top + 200, top + 90, top + 40, light))
    s += '<rect x="84" y="%g" width="88" height="9" rx="4" fill="%s" %s/>' % (top + 120, BRASS, sc.OUT)
    # hood with the face in shadow and a white beard on the elders
    s += ('<path d="M 128 %g C 98 %g 100 %g 112 %g L 150 %g C 158 %g 160 %g 128 %g Z" fill="%s" %s/>' %
          (top, top + 4, top + 52, top + 66, top + 66, top + 48, top + 6, top, robe, sc.OUT))
    s += '<ellipse cx="140" cy="%g" rx="13" ry="18" fill="%s"/>' % (top + 40, mix(INK, robe, 0.3))
    s += '<circle cx="146" cy="%g" r="2.2" fill="%s"/>' % (top + 36, GOLD_LIGHT)
    if beard:
        s += '<path d="M 132 %g Q 142 %g 150 %g Q 146 %g 132 %g Z" fill="#F3EDE0" %s/>' % (
            top + 50, top + 100, top + 50, top + 56, top + 50, sc.OUT)
    # the hand on the staff
    s += '<circle cx="173" cy="%g" r="8" fill="%s" %s/>' % (top + 100, light, sc.OUT)
    defs = '<filter id="soft" x="-50%" y="-50%" width="200%" height="200%"><feGaussianBlur stdDeviation="6"/></filter>'
    return save_png(render_svg(svg_doc(256, 384, s, defs)), "gfx/story/druids/v%d.png" % (k + 1))


FLAGS = [(BERRY, GOLD, "sun"), (LEAF, PARCHMENT, "leaf"), (DUSK, TEAL, "moon"), (BRASS, WALNUT_DARK, "wave")]


def banner(k):
    """A hanging banner on its crossbar with the emblem of one land."""
    cloth, mark, emblem = FLAGS[k]
    s = '<rect x="12" y="14" width="136" height="9" rx="4" fill="%s" %s/>' % (WALNUT, sc.OUT)
    s += '<circle cx="12" cy="18" r="7" fill="%s" %s/><circle cx="148" cy="18" r="7" fill="%s" %s/>' % (
        BRASS, sc.OUT, BRASS, sc.OUT)
    s += ('<path d="M 24 22 L 136 22 L 136 170 L 80 146 L 24 170 Z" fill="%s" %s/>' % (cloth, sc.OUT))
    s += '<path d="M 32 30 L 128 30 L 128 158 L 80 136 L 32 158 Z" fill="none" stroke="%s" stroke-width="3"/>' % mark
    if emblem == "sun":
        s += '<circle cx="80" cy="80" r="18" fill="%s"/>' % mark
        s += "".join('<rect x="78" y="50" width="4" height="10" fill="%s" transform="rotate(%d 80 80)"/>' % (mark, a)
                     for a in range(0, 360, 45))
    elif emblem == "leaf":
        s += '<path d="M 80 50 C 110 70 104 104 80 116 C 56 104 50 70 80 50 Z M 80 56 L 80 124" fill="%s" ' \
             'stroke="%s" stroke-width="3"/>' % (mark, cloth)
    elif emblem == "moon":
        s += ('<mask id="m"><circle cx="80" cy="82" r="26" fill="#FFF"/><circle cx="92" cy="74" r="22" fill="#000"/>'
              '</mask><circle cx="80" cy="82" r="26" fill="%s" mask="url(#m)"/>' % mark)
    else:
        s += '<path d="M 50 70 q 15 -14 30 0 t 30 0 M 50 94 q 15 -14 30 0 t 30 0" fill="none" stroke="%s" ' \
             'stroke-width="7" stroke-linecap="round"/>' % mark
    img = render_svg(svg_doc(160, 184, s))
    return save_png(img, "gfx/story/flag%d.png" % k)


def scroll():
    """The open scroll that takes the banners in; top-left is its handle."""
    w, h = 150, 104
    s = '<rect x="14" y="14" width="122" height="76" fill="%s" %s/>' % (PARCHMENT, sc.OUT)
    for y in (34, 48, 62, 76):
        s += '<path d="M 30 %d H 120" stroke="%s" stroke-width="2" stroke-dasharray="9 5"/>' % (y, PARCHMENT_SHADE)
    for y in (8, 84):
        s += '<rect x="6" y="%d" width="138" height="14" rx="7" fill="%s" %s/>' % (y, BRASS, sc.OUT)
    s = glow(75, 52, 60, GOLD_LIGHT, 0.5) + s
    defs = '<filter id="soft" x="-50%" y="-50%" width="200%" height="200%"><feGaussianBlur stdDeviation="8"/></filter>'
    return save_png(render_svg(svg_doc(w, h, s, defs)), "gfx/story/scroll.png")


def panels():
    """The frame: a top and a bottom beam of carved walnut whose pattern
    repeats every 512 px, so its halves can be swapped. The bottom beam is
    dark under the white captions."""
    top_h, bottom_y = 40, 622
    defs = (lin_grad("beam", [(0, "#5A3A24"), (0.4, WALNUT), (1, WALNUT_DARK)]) +
            lin_grad("low", [(0, WALNUT), (0.06, WALNUT_DARK), (1, "#1E120B")]))
    s = '<rect x="0" y="0" width="1024" height="%d" fill="url(#beam)"/>' % top_h
    s += '<rect x="0" y="%d" width="1024" height="%d" fill="url(#low)"/>' % (bottom_y, H - bottom_y)
    for y in (top_h - 5, bottom_y + 1):
        s += '<rect x="0" y="%d" width="1024" height="4" fill="%s"/>' % (y, BRASS)
    for x0 in (0, 512):  # the repeating carving: rivets and a leaf vine
        for i in range(8):
            cx = x0 + 32 + i * 64
            s += '<circle cx="%d" cy="%d" r="4" fill="%s" %s/>' % (cx, top_h // 2 - 2, BRASS, sc.OUT)
            s += '<circle cx="%d" cy="%d" r="4" fill="%s" %s/>' % (cx, bottom_y + 14, BRASS, sc.OUT)
        s += ('<path d="M %d %d q 64 -10 128 0 t 128 0 t 128 0 t 128 0" fill="none" stroke="%s" '
              'stroke-opacity="0.5" stroke-width="2"/>' % (x0, top_h // 2 + 8, OAK_LINE))
    img = render_svg(svg_doc(W, H, s, defs))
    return save_png(img, "gfx/story/panele.png")


OAK_LINE = "#8A5A33"


def make_all():
    save_jpg(stone_circle(), "gfx/story/story-1.jpg", 85)
    save_jpg(storm(), "gfx/story/story-2.jpg", 85)
    save_jpg(bright_land(), "gfx/story/story-3.jpg", 85)
    save_jpg(roads(), "gfx/story/story-4.jpg", 85)
    save_jpg(broken(), "gfx/story/story-5.jpg", 85)
    save_jpg(druids_back(), "gfx/story/druidsBack.jpg", 85)
    lightning()
    gobs()
    for k in range(7):
        druid(k)
    for k in range(4):
        banner(k)
    scroll()
    panels()


if __name__ == "__main__":
    make_all()
