"""The play screen's own pictures: the side panel and its labels, palette
frame and marks, the help button, the Picross tools, the hint icons, the
lose panel and the level summary's panels. The code fixes where they go:
tools from (860, 250), palette from (879, 266) spaced by the frame's size
less 4, mistakes label (856, 324), hints label (856, 410), hint icons at
x 884-996 / y 470-570, help button (850, 510)."""

from math import cos, radians, sin

from PIL import Image, ImageDraw, ImageFont

import ui
from kit import (FONT1, INK, WALNUT, WALNUT_DARK, OAK_LIGHT, BRASS, GOLD, GOLD_LIGHT, PARCHMENT,
                 PARCHMENT_SHADE, LEAF_LIGHT, TEAL, hexrgb, mix, lin_grad, rad_grad, grain_filter,
                 shadow_filter, glow_filter, rrect, render_svg, save_png, svg_doc)

PANEL_W = 212          # 12 px of shadow left of the board, which starts at x 824
PALETTE_FRAME = 50     # entries 46 px apart, around 42 px colour images
TOOL_FRAME = 76        # tools at (898, 288) and (978, 288)
HELP_BUTTON = (168, 60)
HINT_ICON = (50, 48)


def side_panel():
    w, h, m = PANEL_W, 768, 12
    defs = (lin_grad("wood", [(0, mix(WALNUT, "#6A4428", 0.3)), (0.5, WALNUT), (1, WALNUT_DARK)], 1, 0.2) +
            lin_grad("rim", [(0, GOLD_LIGHT), (0.5, BRASS), (1, "#7A5418")], 1, 0) +
            lin_grad("shade", [(0, "#000000", 0.35), (1, "#000000", 0)], 1, 0) +
            grain_filter("grain", "0.09 0.006", 17, 0.26, 4) +
            '<clipPath id="clip"><rect x="%d" y="0" width="%d" height="%d"/></clipPath>' % (m, w - m, h))
    body = '<rect x="0" y="0" width="%d" height="%d" fill="url(#shade)"/>' % (m, h)
    body += '<rect x="%d" y="0" width="%d" height="%d" fill="url(#wood)"/>' % (m, w - m, h)
    body += '<g clip-path="url(#clip)"><rect width="%d" height="%d" filter="url(#grain)"/></g>' % (w, h)
    body += '<rect x="%d" y="0" width="5" height="%d" fill="url(#rim)"/>' % (m, h)
    body += '<rect x="%g" y="0" width="1.6" height="%d" fill="%s"/>' % (m - 0.8, h, INK)
    # engraved wells behind the three groups of the panel
    for (y0, y1) in ((10, 172), (190, 398), (404, 604), (614, 758)):
        body += rrect(m + 14, y0, w - m - 22, y1 - y0, 12,
                      'fill="#1A0F08" fill-opacity="0.28" stroke="#1A0F08" stroke-opacity="0.55" stroke-width="1.4"')
        body += rrect(m + 15, y0 + 1.5, w - m - 24, y1 - y0 - 2, 11,
                      'fill="none" stroke="%s" stroke-opacity="0.16" stroke-width="1"' % GOLD_LIGHT)
    # a brass star of the portals in the lowest well
    cx, cy, r = m + (w - m) / 2.0 + 3, 686, 40
    pts = []
    for k in range(16):
        rr = r if k % 4 == 0 else (r * 0.42 if k % 2 else r * 0.6)
        a = k * 22.5 - 90
        pts.append("%g %g" % (cx + rr * cos(radians(a)), cy + rr * sin(radians(a))))
    body += ('<path d="M %s Z" fill="%s" fill-opacity="0.55" stroke="%s" stroke-opacity="0.7" stroke-width="1.4" '
             'stroke-linejoin="round"/>' % (" L ".join(pts), BRASS, INK))
    body += '<circle cx="%g" cy="%g" r="8" fill="%s" fill-opacity="0.7" stroke="%s" stroke-width="1.2"/>' % (cx, cy, TEAL, INK)
    return render_svg(svg_doc(w, h, body, defs))


def label(text, w, h=34, size=24):
    """A caption in gold with an ink shadow, centred in a w x h picture."""
    img = Image.new("RGBA", (w * 2, h * 2), (0, 0, 0, 0))
    d = ImageDraw.Draw(img)
    font = ImageFont.truetype(FONT1, size * 2)
    x0, y0, x1, y1 = d.textbbox((0, 0), text, font=font)
    x, y = (w * 2 - (x1 - x0)) / 2.0 - x0, (h * 2 - (y1 - y0)) / 2.0 - y0
    for dx, dy in ((3, 4), (2, 3), (4, 3)):
        d.text((x + dx, y + dy), text, font=font, fill=hexrgb(INK) + (200,))
    d.text((x, y), text, font=font, fill=hexrgb(GOLD) + (255,), stroke_width=2, stroke_fill=hexrgb(INK) + (230,))
    return img.resize((w, h), Image.LANCZOS)


def palette_frame():
    s = PALETTE_FRAME
    defs = lin_grad("rim", [(0, GOLD_LIGHT), (0.5, BRASS), (1, "#6E4B16")])
    body = rrect(1, 1, s - 2, s - 2, 7, 'fill="none" stroke="%s" stroke-width="2"' % INK)
    body += rrect(3, 3, s - 6, s - 6, 6, 'fill="none" stroke="url(#rim)" stroke-width="3.2"')
    body += rrect(4.8, 4.8, s - 9.6, s - 9.6, 4, 'fill="none" stroke="%s" stroke-width="1.2" stroke-opacity="0.8"' % INK)
    return render_svg(svg_doc(s, s, body, defs))


def tick():
    s = 34
    d = "M 7 18 L 14 25 L 27 9"
    body = '<path d="%s" fill="none" stroke="%s" stroke-width="9" stroke-linecap="round" stroke-linejoin="round"/>' % (d, INK)
    body += ('<path d="%s" fill="none" stroke="%s" stroke-width="5.5" stroke-linecap="round" '
             'stroke-linejoin="round"/>' % (d, LEAF_LIGHT))
    body += ('<path d="M 8.5 17 L 14 22.5" fill="none" stroke="#FFFFFF" stroke-opacity="0.55" stroke-width="1.6" '
             'stroke-linecap="round"/>')
    return render_svg(svg_doc(s, s, body))


def brush():
    """The picked palette entry's mark: a small brush whose tip rests on the
    entry's centre (the code puts pixel (0, 2) there)."""
    s = 30
    defs = lin_grad("ferrule", [(0, GOLD_LIGHT), (1, BRASS)])
    body = ('<path d="M 13 15 L 27 29" stroke="%s" stroke-width="6.5" stroke-linecap="round"/>'
            '<path d="M 13 15 L 27 29" stroke="%s" stroke-width="4" stroke-linecap="round"/>' % (INK, OAK_LIGHT))
    body += '<path d="M 9.5 11.5 L 15 17" stroke="%s" stroke-width="7.5" stroke-linecap="round"/>' % INK
    body += '<path d="M 9.5 11.5 L 15 17" stroke="url(#ferrule)" stroke-width="5" stroke-linecap="round"/>'
    body += ('<path d="M 1 2 Q 1 9 6 12 Q 9 13 11 10.5 Q 12.5 8 10 6 Q 6 2.5 1 2 Z" fill="%s" '
             'stroke="%s" stroke-width="1.4" stroke-linejoin="round"/>' % (PARCHMENT, INK))
    return render_svg(svg_doc(s, s, body, defs))


def help_button(over):
    """A parchment plate: the code writes its caption in black at y 527."""
    w, h = HELP_BUTTON
    top, base = (PARCHMENT, PARCHMENT_SHADE) if not over else ("#FFF4D8", "#EBCB8E")
    defs = (lin_grad("p", [(0, top), (1, base)]) + grain_filter("gr", "0.03 0.2", 5, 0.12) +
            glow_filter("gl", 3, GOLD, 0.9) +
            '<clipPath id="c">%s</clipPath>' % rrect(4, 4, w - 8, h - 10, 14))
    body = ""
    if over:
        body += '<g filter="url(#gl)">%s</g>' % rrect(4, 4, w - 8, h - 8, 14, 'fill="#000"')
    body += rrect(4, 7, w - 8, h - 10, 14, 'fill="#7A5418"')
    body += rrect(4, 4, w - 8, h - 10, 14, 'fill="url(#p)"')
    body += '<g clip-path="url(#c)"><rect width="%d" height="%d" filter="url(#gr)"/></g>' % (w, h)
    body += rrect(7.5, 7.5, w - 15, h - 17, 11, 'fill="none" stroke="%s" stroke-width="1.2" stroke-opacity="0.8"' % BRASS)
    body += rrect(4, 4, w - 8, h - 7, 14, 'fill="none" stroke="%s" stroke-width="2"' % INK)
    return render_svg(svg_doc(w, h, body, defs))


def tool_frame():
    s = TOOL_FRAME
    defs = (lin_grad("rim", [(0, GOLD_LIGHT), (0.5, BRASS), (1, "#6E4B16")]) + glow_filter("gl", 3, GOLD, 0.7))
    body = '<g filter="url(#gl)">%s</g>' % rrect(5, 5, s - 10, s - 10, 14, 'fill="none" stroke="#000" stroke-width="4"')
    body += rrect(5, 5, s - 10, s - 10, 14, 'fill="none" stroke="%s" stroke-width="6"' % INK)
    body += rrect(5, 5, s - 10, s - 10, 14, 'fill="none" stroke="url(#rim)" stroke-width="3.6"')
    for (x, y) in ((7, 7), (s - 7, 7), (7, s - 7), (s - 7, s - 7)):
        body += '<circle cx="%g" cy="%g" r="4" fill="%s" stroke="%s" stroke-width="1.2"/>' % (x, y, TEAL, INK)
    return render_svg(svg_doc(s, s, body, defs))


def tool_back(over):
    defs = (rad_grad("bg", [(0, "#6A4A30" if over else "#4E3420"), (1, WALNUT_DARK)], 0.45, 0.4, 0.7) +
            glow_filter("gl", 4, GOLD, 0.8))
    body = ""
    if over:
        body += '<g filter="url(#gl)"><circle cx="32" cy="32" r="27" fill="#000"/></g>'
    body += '<circle cx="32" cy="32" r="27" fill="url(#bg)" stroke="%s" stroke-width="2"/>' % INK
    body += '<circle cx="32" cy="32" r="24.5" fill="none" stroke="%s" stroke-width="1.2" stroke-opacity="0.5"/>' % GOLD_LIGHT
    return body, defs


def hand(over):
    """The hand: uncovers a cell."""
    body, defs = tool_back(over)
    skin = "#F6D7B0" if over else "#EBC79A"
    defs += lin_grad("skin", [(0, "#FFF0D8" if over else "#F8E0C0"), (1, skin)])
    fingers = [(21, 14, 17), (27.5, 10, 20), (34, 11, 19), (40.5, 15, 15)]
    for fx, fy, fl in fingers:
        body += rrect(fx - 3.2, fy, 6.4, fl + 8, 3.2, 'fill="url(#skin)" stroke="%s" stroke-width="1.5"' % INK)
    body += rrect(40, 30, 7, 19, 3.5, 'fill="url(#skin)" stroke="%s" stroke-width="1.5" '
                  'transform="rotate(38 43.5 45)"' % INK)
    body += ('<path d="M 17.5 30 Q 17 44 25 49 L 38 49 Q 45 45 45.5 33 L 45.5 26 L 18 26 Z" fill="url(#skin)" '
             'stroke="%s" stroke-width="1.5" stroke-linejoin="round"/>' % INK)
    body += rrect(41.2, 33, 4.6, 14, 2.3, 'fill="url(#skin)" transform="rotate(38 43.5 45)"')
    for fx, fy, fl in fingers:
        body += rrect(fx - 2.2, fy + 1, 4.4, fl + 4, 2.2, 'fill="url(#skin)"')
    body += '<path d="M 22 33 Q 31 36 40 33" fill="none" stroke="%s" stroke-width="1" stroke-opacity="0.5"/>' % INK
    body += rrect(22, 49, 20, 5, 2, 'fill="%s" stroke="%s" stroke-width="1.3"' % (BRASS, INK))
    return render_svg(svg_doc(64, 64, body, defs))


def hook(over):
    """The hook: marks a cell as empty (breaks it)."""
    body, defs = tool_back(over)
    metal = "#D8DCE0" if over else "#B8BEC4"
    defs += lin_grad("metal", [(0, "#FFFFFF"), (1, metal)], 1, 1)
    body += ('<path d="M 22 52 L 34 24" stroke="%s" stroke-width="8" stroke-linecap="round"/>'
             '<path d="M 22 52 L 34 24" stroke="%s" stroke-width="5" stroke-linecap="round"/>' % (INK, OAK_LIGHT))
    path = "M 34 25 Q 37 12 45 13 Q 53 15 50 24 Q 48 29 43 27"
    body += '<path d="%s" fill="none" stroke="%s" stroke-width="7.5" stroke-linecap="round"/>' % (path, INK)
    body += '<path d="%s" fill="none" stroke="url(#metal)" stroke-width="4.5" stroke-linecap="round"/>' % path
    body += rrect(30, 23, 8, 6, 2, 'fill="%s" stroke="%s" stroke-width="1.2" transform="rotate(-66 34 26)"' % (BRASS, INK))
    return render_svg(svg_doc(64, 64, body, defs))


def hint_icon(charged):
    w, h = HINT_ICON
    cx, cy, r = w / 2.0, h / 2.0, 17
    defs = (lin_grad("rim", [(0, GOLD_LIGHT), (0.5, BRASS), (1, "#6E4B16")]) +
            rad_grad("orb", [(0, "#FFFFFF"), (0.3, "#C8FFFC"), (0.7, TEAL), (1, "#1E7A80")], 0.4, 0.35, 0.75) +
            rad_grad("empty", [(0, "#3A4650"), (1, "#161C22")], 0.4, 0.35, 0.75) +
            rad_grad("halo", [(0, TEAL, 0.55), (1, TEAL, 0)]))
    body = ""
    if charged:
        body += '<circle cx="%g" cy="%g" r="%g" fill="url(#halo)"/>' % (cx, cy, r + 7)
    body += '<circle cx="%g" cy="%g" r="%g" fill="url(#rim)" stroke="%s" stroke-width="1.6"/>' % (cx, cy, r + 3, INK)
    body += ('<circle cx="%g" cy="%g" r="%g" fill="url(#%s)" stroke="%s" stroke-width="1.2"/>'
             % (cx, cy, r - 1.5, "orb" if charged else "empty", INK))
    if charged:
        s = 7
        body += ('<path d="M %g %g Q %g %g %g %g Q %g %g %g %g Q %g %g %g %g Q %g %g %g %g Z" fill="#FFFFFF" '
                 'fill-opacity="0.9"/>' % (cx, cy - s, cx, cy, cx + s, cy, cx, cy, cx, cy + s, cx, cy,
                                           cx - s, cy, cx, cy, cx, cy - s))
    else:
        body += ('<path d="M %g %g Q %g %g %g %g" fill="none" stroke="#FFFFFF" stroke-opacity="0.25" '
                 'stroke-width="2" stroke-linecap="round"/>' % (cx - 9, cy - 4, cx - 7, cy - 10, cx - 1, cy - 11))
    return render_svg(svg_doc(w, h, body, defs))


def lose_panel():
    """Walnut board with a parchment scroll on top, where the code writes
    its message in black (48 px, from y 200 with the panel centred on
    (412, 384))."""
    w, h = 580, 420
    board = ui.panel(w, h - 30, seed=31)
    img = Image.new("RGBA", (w, h), (0, 0, 0, 0))
    img.alpha_composite(board, (0, 30))
    sy = 384 - h // 2  # screen y of the picture's top row
    top, bot = 200 - 14 - sy, 200 + 60 - sy
    defs = (lin_grad("pp", [(0, "#FBF0D6"), (1, PARCHMENT_SHADE)]) + grain_filter("gr", "0.02 0.3", 9, 0.1) +
            shadow_filter("sh", 3, 3, 0.45) + '<clipPath id="c">%s</clipPath>' % rrect(22, top, w - 44, bot - top, 10))
    body = rrect(22, top, w - 44, bot - top, 10, 'fill="#000" filter="url(#sh)"')
    for x in (12, w - 40):  # rolled ends
        body += rrect(x, top - 4, 28, bot - top + 8, 12, 'fill="%s" stroke="%s" stroke-width="1.6"' % (PARCHMENT_SHADE, INK))
    body += rrect(22, top, w - 44, bot - top, 10, 'fill="url(#pp)"')
    body += '<g clip-path="url(#c)"><rect width="%d" height="%d" filter="url(#gr)"/></g>' % (w, h)
    body += rrect(22, top, w - 44, bot - top, 10, 'fill="none" stroke="%s" stroke-width="1.8"' % INK)
    # a cracked stone under the scroll: the picture crumbled
    cx, cy = w / 2.0, 222
    defs += (rad_grad("stone", [(0, "#C4BEB2"), (0.65, "#8E877A"), (1, "#5E574C")], 0.38, 0.3, 0.8) +
             glow_filter("hot", 3, "#FF5A36", 0.9))
    outline = [(-46, 30), (-56, -4), (-34, -34), (-4, -44), (30, -36), (54, -6), (44, 26), (14, 40)]
    d = "M " + " L ".join("%g %g" % (cx + x, cy + y) for x, y in outline) + " Z"
    body += '<ellipse cx="%g" cy="%g" rx="60" ry="9" fill="#000" fill-opacity="0.35"/>' % (cx, cy + 40)
    body += '<path d="%s" fill="url(#stone)" stroke="%s" stroke-width="2.2" stroke-linejoin="round"/>' % (d, INK)
    for (x0, y0, x1, y1) in ((-34, -34, -18, -8), (-18, -8, -56, -4), (-18, -8, -4, 22), (30, -36, 22, -6),
                             (22, -6, 54, -6), (22, -6, 14, 40)):
        body += ('<path d="M %g %g L %g %g" stroke="%s" stroke-opacity="0.45" stroke-width="1.3"/>'
                 % (cx + x0, cy + y0, cx + x1, cy + y1, INK))
    crack = "M %g %g L %g %g L %g %g L %g %g" % (cx - 4, cy - 44, cx + 4, cy - 16, cx - 8, cy + 4, cx + 4, cy + 38)
    body += '<g filter="url(#hot)"><path d="%s" fill="none" stroke="#000" stroke-width="4"/></g>' % crack
    body += ('<path d="%s" fill="none" stroke="#FFB070" stroke-width="2.6" stroke-linejoin="round" '
             'stroke-linecap="round"/>' % crack)
    for (x, y, r) in ((-70, 36, 5), (66, 34, 4), (76, 40, 3), (-80, 42, 3)):
        body += ('<circle cx="%g" cy="%g" r="%g" fill="#8E877A" stroke="%s" stroke-width="1.2"/>'
                 % (cx + x, cy + y, r, INK))
    img.alpha_composite(render_svg(svg_doc(w, h, body, defs)))
    return img


# Where the statistics page lies on the screen (x, y, width, height): the
# summary draws it at (295, 150); it ends above the level name at y 540.
SUMMARY_PAGE = (295, 150, 434, 388)


def summary_panel():
    """A frame behind the solved picture, centred near (512, 350): a won
    board ends 340 px long, or 1.3 times its size when smaller (up to 410 x
    352). The opening, x 296..728 and y 152..536 inside its rim, leaves 8 px
    around the largest; the level name is written below it, at y 540. The
    statistics page (SUMMARY_PAGE) covers the opening whole, so no blue of it
    shows around the page."""
    w, h = 580, 600
    img = ui.panel(w, h, seed=41)
    # the picture's window: a dusky recess where the board comes to rest
    ox, oy = 512 - w // 2, 410 - h // 2
    px, py, pw, ph = SUMMARY_PAGE
    x0, y0, x1, y1 = px - 1 - ox, py - oy, px + pw + 1 - ox, py + ph - oy
    defs = (rad_grad("win", [(0, "#5B4A8A"), (1, "#2B3560")], 0.5, 0.45, 0.75) +
            lin_grad("rim", [(0, GOLD_LIGHT), (0.5, BRASS), (1, "#6E4B16")]))
    body = rrect(x0, y0, x1 - x0, y1 - y0, 14, 'fill="url(#win)" stroke="url(#rim)" stroke-width="4"')
    body += rrect(x0 - 2.5, y0 - 2.5, x1 - x0 + 5, y1 - y0 + 5, 16, 'fill="none" stroke="%s" stroke-width="1.6"' % INK)
    body += rrect(x0 + 3, y0 + 3, x1 - x0 - 6, y1 - y0 - 6, 11, 'fill="none" stroke="%s" stroke-width="1.2"' % INK)
    img.alpha_composite(render_svg(svg_doc(w, h, body, defs)))
    return img


def summary_stats():
    """The statistics page drawn at (295, 150) over the picture: labels in
    gold right-aligned at x 530, values in white from x 560, rows at
    y 220, 300 and 380 (36 px)."""
    w, h = SUMMARY_PAGE[2:]
    defs = (lin_grad("wood", [(0, "#5A3A24"), (1, WALNUT_DARK)]) + grain_filter("gr", "0.006 0.08", 12, 0.22, 4) +
            lin_grad("rim", [(0, GOLD_LIGHT), (0.5, BRASS), (1, "#6E4B16")]) +
            '<clipPath id="c">%s</clipPath>' % rrect(2, 2, w - 4, h - 4, 16))
    body = rrect(2, 2, w - 4, h - 4, 16, 'fill="url(#wood)"')
    body += '<g clip-path="url(#c)"><rect width="%d" height="%d" filter="url(#gr)"/></g>' % (w, h)
    for k in range(3):  # a groove under each row
        y = 220 + 80 * k - 150 + 50
        body += ('<path d="M 40 %g L %g %g" stroke="#120A05" stroke-opacity="0.6" stroke-width="1.5"/>'
                 '<path d="M 40 %g L %g %g" stroke="%s" stroke-opacity="0.2" stroke-width="1"/>'
                 % (y, w - 40, y, y + 1.5, w - 40, y + 1.5, GOLD_LIGHT))
    body += rrect(4, 4, w - 8, h - 8, 14, 'fill="none" stroke="url(#rim)" stroke-width="3"')
    body += rrect(2, 2, w - 4, h - 4, 16, 'fill="none" stroke="%s" stroke-width="2"' % INK)
    return render_svg(svg_doc(w, h, body, defs))


def make_all():
    save_png(side_panel(), "gfx/gui/game/panel.png")
    save_png(label("Colours", 130), "gfx/gui/game/en/colors.png")
    save_png(label("Hints", 168), "gfx/gui/game/en/hints.png")
    save_png(label("Mistakes", 168), "gfx/gui/game/en/mistakes.png")
    save_png(palette_frame(), "gfx/gui/game/tileFrame.png")
    save_png(tick(), "gfx/gui/game/tick.png")
    save_png(brush(), "gfx/gui/game/checked.png")
    save_png(help_button(False), "gfx/gui/game/button0.png")
    save_png(help_button(True), "gfx/gui/game/button1.png")
    save_png(tool_frame(), "gfx/gui/game/frame.png")
    save_png(hand(False), "gfx/gui/game/reka-normal.png")
    save_png(hand(True), "gfx/gui/game/reka-over.png")
    save_png(hook(False), "gfx/gui/game/hak-normal.png")
    save_png(hook(True), "gfx/gui/game/hak-over.png")
    save_png(hint_icon(True), "gfx/gui/game/hint_0.png")
    save_png(hint_icon(False), "gfx/gui/game/hint_1.png")
    save_png(lose_panel(), "gfx/gui/loseScreen/panel.png")
    save_png(summary_panel(), "gfx/gui/levelSummary/panel.png")
    save_png(summary_stats(), "gfx/gui/levelSummary/in.png")


if __name__ == "__main__":
    make_all()
