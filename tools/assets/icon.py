"""The game's icon: a standing-stone portal whose glowing opening holds a
small picross grid, on a dusk tile. Written to the asset tree (the window's
icon) and to packaging/linux/icons/ (the desktop's icon theme sizes and the
scalable SVG). The 16 and 32 px pictures are drawn from a plainer design
on a 16-unit grid so that they stay sharp."""

import os

from kit import (DUSK, GOLD_LIGHT, INK, LEAF, PARCHMENT, TEAL, VIOLET, ROOT, lin_grad, mix, rad_grad,
                 render_svg, rrect, save_png, svg_doc)

SIZES = (16, 32, 48, 64, 128, 256)
ICONS = os.path.join(ROOT, "packaging", "linux", "icons", "hicolor")
STONE = "#A29DB0"
STONE_DARK = mix(STONE, INK, 0.35)
STONE_LIGHT = mix(STONE, "#FFF4DC", 0.45)
# The cells of the grid that are painted: a small plus, the simplest picture.
PAINTED = {(0, 1), (1, 0), (1, 1), (1, 2), (2, 1)}


def defs():
    return (lin_grad("sky", [(0, DUSK), (0.75, VIOLET), (1, mix(VIOLET, "#F08A3C", 0.35))]) +
            rad_grad("glow", [(0, TEAL, 0.85), (0.55, TEAL, 0.35), (1, TEAL, 0)]) +
            lin_grad("gate", [(0, mix(TEAL, "#FFFFFF", 0.55)), (1, mix(TEAL, DUSK, 0.35))]) +
            '<clipPath id="tile">%s</clipPath>' % rrect(8, 8, 240, 240, 52))


def stone(x, y, w, h, light_left=True):
    """A standing stone with a rounded top and a lit side."""
    body = ('<path d="M %g %g L %g %g Q %g %g %g %g Q %g %g %g %g L %g %g Z" fill="%s" stroke="%s" '
            'stroke-width="5" stroke-linejoin="round" stroke-opacity="0.9"/>' %
            (x, y + h, x + 2, y + 14, x + 3, y, x + w / 2, y, x + w - 3, y, x + w - 2, y + 14, x + w, y + h,
             STONE, INK))
    lx = x + 7 if light_left else x + w - 17
    side = rrect(lx, y + 12, 10, h - 22, 5, 'fill="%s" fill-opacity="0.8"' % STONE_LIGHT)
    return body + side


def full():
    """The detailed icon for 48 px and up, and the scalable one."""
    s = rrect(8, 8, 240, 240, 52, 'fill="url(#sky)"')
    s += '<g clip-path="url(#tile)">'
    for x, y, r in ((40, 40, 3.5), (206, 34, 3), (222, 70, 2.5), (30, 96, 2.5), (178, 22, 2)):
        s += '<circle cx="%g" cy="%g" r="%g" fill="%s"/>' % (x, y, r, GOLD_LIGHT)
    s += '<ellipse cx="128" cy="140" rx="118" ry="104" fill="url(#glow)"/>'
    s += ('<path d="M 0 212 Q 70 196 128 204 Q 190 212 256 198 L 256 256 L 0 256 Z" fill="%s" '
          'stroke="%s" stroke-width="4" stroke-opacity="0.7"/>' % (mix(LEAF, DUSK, 0.3), INK))
    s += '</g>'
    # The opening, then the stones and the lintel over its edges.
    s += rrect(88, 80, 80, 130, 6, 'fill="url(#gate)"')
    cell, gap = 20, 5
    x0, y0 = 128 - (3 * cell + 2 * gap) / 2, 146 - (3 * cell + 2 * gap) / 2
    for r in range(3):
        for c in range(3):
            painted = (r, c) in PAINTED
            s += rrect(x0 + c * (cell + gap), y0 + r * (cell + gap), cell, cell, 4,
                       'fill="%s" stroke="%s" stroke-width="2.5" stroke-opacity="0.6"' %
                       (PARCHMENT if painted else mix(TEAL, DUSK, 0.55), INK))
    s += stone(42, 74, 50, 142, True)
    s += stone(164, 74, 50, 142, False)
    s += ('<path d="M 30 58 Q 128 40 226 58 L 230 88 Q 128 74 26 88 Z" fill="%s" stroke="%s" stroke-width="5" '
          'stroke-linejoin="round" stroke-opacity="0.9"/>' % (STONE, INK))
    s += '<path d="M 40 62 Q 128 48 216 62 L 217 70 Q 128 56 39 70 Z" fill="%s" fill-opacity="0.8"/>' % STONE_LIGHT
    s += rrect(8, 8, 240, 240, 52, 'fill="none" stroke="%s" stroke-width="6" stroke-opacity="0.9"' % INK)
    return svg_doc(256, 256, s, defs())


def plain(grid):
    """The 16 and 32 px icon: every edge on a 16-unit grid (one pixel at
    16 px), no outlines, the grid only where it has room."""
    s = rrect(0, 0, 256, 256, 40, 'fill="url(#sky)"')
    s += '<rect x="96" y="80" width="64" height="144" fill="%s"/>' % mix(TEAL, "#FFFFFF", 0.3)
    if grid:
        for r in range(3):
            for c in range(3):
                if (r, c) in PAINTED:
                    s += '<rect x="%d" y="%d" width="16" height="16" fill="%s"/>' % (
                        104 + c * 16, 120 + r * 16, DUSK)
    s += '<rect x="48" y="80" width="48" height="160" fill="%s"/>' % STONE
    s += '<rect x="160" y="80" width="48" height="160" fill="%s"/>' % STONE
    s += '<rect x="48" y="96" width="16" height="144" fill="%s"/>' % STONE_LIGHT
    s += '<rect x="192" y="96" width="16" height="144" fill="%s"/>' % STONE_DARK
    s += '<rect x="32" y="48" width="192" height="32" fill="%s"/>' % STONE
    s += '<rect x="32" y="48" width="192" height="16" fill="%s"/>' % STONE_LIGHT
    return svg_doc(256, 256, s, defs())


def picture(size):
    svg = full() if size >= 48 else plain(grid=size >= 32)
    return render_svg(svg.replace('width="256" height="256"', 'width="%d" height="%d"' % (size, size), 1))


def make_all():
    for size in SIZES:
        img = picture(size)
        path = os.path.join(ICONS, "%dx%d" % (size, size), "apps", "sorvanta.png")
        os.makedirs(os.path.dirname(path), exist_ok=True)
        img.save(path, "PNG", optimize=True)
    scalable = os.path.join(ICONS, "scalable", "apps", "sorvanta.svg")
    os.makedirs(os.path.dirname(scalable), exist_ok=True)
    with open(scalable, "w", encoding="utf-8") as f:
        f.write(full() + "\n")
    # The window's icon: window managers scale it for title bars and switchers.
    save_png(picture(128), "gfx/icon.png")
