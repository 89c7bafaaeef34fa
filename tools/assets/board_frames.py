"""The two board frames of the play screen, cut into the pieces the code
stretches: the Picross window (nine pieces behind the grid, drawn at half
alpha) and the ornate Fill frame (twelve pieces over the board's edge).
Edges and centres are plain along the stretched axis, so they stretch
cleanly; corners and ornaments are drawn whole."""

from PIL import Image

from kit import (INK, OAK, OAK_LIGHT, BRASS, GOLD_LIGHT, TEAL, lin_grad, rad_grad,
                 render_svg, rrect, save_png, svg_doc)

# ---- Picross window -------------------------------------------------------
# The frame's rectangle lies 11 px inside the grid's left edge and 10 px
# inside the others; the fixed handles put 21 px of border left of it and
# 20 px above it. The moulding shows in the outer 11 px, the rest lies under
# the cells.
WIN_L, WIN_T, WIN_R, WIN_B = 21, 20, 21, 21
WIN_IN = 64  # inner size of the reference drawing
# What a broken cell shows through, at half alpha over the land: an
# ultramarine no picture piece of a shipped board takes, so that beside black
# and grey pieces, the covered stone and a cell that a tutorial demonstration
# shades, a broken cell reads as the board's back, not as a dark picture cell
# (tools/check_assets measures it on every board's ground).
WIN_BACK = "#0020F0"


def window_reference():
    w, h = WIN_L + WIN_IN + WIN_R, WIN_T + WIN_IN + WIN_B
    defs = (lin_grad("mould", [(0, OAK_LIGHT), (0.5, OAK), (1, "#5A3820")]) +
            lin_grad("back", [(0, WIN_BACK), (1, WIN_BACK)]))
    body = rrect(0.5, 0.5, w - 1, h - 1, 12, 'fill="url(#mould)" stroke="%s" stroke-width="1.6"' % INK)
    body += rrect(3, 3, w - 6, h - 6, 10, 'fill="none" stroke="%s" stroke-width="1.6" stroke-opacity="0.8"' % GOLD_LIGHT)
    body += rrect(9.5, 9.5, w - 19, h - 19, 6, 'fill="url(#back)" stroke="%s" stroke-width="1.4"' % INK)
    return render_svg(svg_doc(w, h, body, defs))


def make_window():
    ref = window_reference()
    x1, x2 = WIN_L, WIN_L + WIN_IN
    y1, y2 = WIN_T, WIN_T + WIN_IN
    mx, my = WIN_L + WIN_IN // 2 - 8, WIN_T + WIN_IN // 2 - 8
    w, h = ref.size
    pieces = {
        "lg": (0, 0, x1, y1), "g": (mx, 0, mx + 16, y1), "pg": (x2, 0, w, y1),
        "l": (0, my, x1, my + 16), "s": (mx, my, mx + 16, my + 16), "p": (x2, my, w, my + 16),
        "ld": (0, y2, x1, h), "d": (mx, y2, mx + 16, h), "pd": (x2, y2, w, h),
    }
    for name, box in pieces.items():
        save_png(ref.crop(box), "gfx/gui/game/frame/okno_%s.png" % name)


# ---- Fill frame -----------------------------------------------------------
# A slim brass band 7 px wide just outside the board, with a one-pixel
# shadow on the board's edge; corners 82 x 82 with a brass rosette outside
# the board's corner; ornaments 58 x 25 standing 6 to 30 px off the board.
BAND = 7
CORNER = 82


def band_svg(x, y, w, h, vertical, outward):
    """A brass band in the rectangle; `outward` is +1 when the outer side
    is at the larger coordinate."""
    gid = "b%d%d%d" % (int(vertical), outward, int(x + y))
    stops = [(0, "#6E4B16"), (0.35, BRASS), (0.7, GOLD_LIGHT), (1, "#8A6420")]
    if outward < 0:
        stops = [(1 - s[0], s[1]) for s in reversed(stops)]
    grad = lin_grad(gid, stops, 1 if vertical else 0, 0 if vertical else 1)
    return ('<defs>%s</defs><rect x="%g" y="%g" width="%g" height="%g" fill="url(#%s)"/>'
            % (grad, x, y, w, h, gid))


def edge(kind):
    """frame_U/D/L/R: 16 px long, band plus the shadow pixel on the board."""
    long_ = 16
    if kind in ("U", "D"):
        w, h = long_, BAND + 1
        if kind == "U":
            body = band_svg(0, 0, w, BAND, False, -1)
            body += '<rect x="0" y="0" width="%d" height="1" fill="%s" fill-opacity="0.9"/>' % (w, INK)
            body += '<rect x="0" y="%d" width="%d" height="1" fill="%s" fill-opacity="0.45"/>' % (BAND, w, INK)
        else:
            body = band_svg(0, 1, w, BAND, False, 1)
            body += '<rect x="0" y="%d" width="%d" height="1" fill="%s" fill-opacity="0.9"/>' % (BAND, w, INK)
            body += '<rect x="0" y="0" width="%d" height="1" fill="%s" fill-opacity="0.45"/>' % (w, INK)
    else:
        w, h = BAND + 1, long_
        if kind == "L":
            body = band_svg(0, 0, BAND, h, True, -1)
            body += '<rect x="0" y="0" width="1" height="%d" fill="%s" fill-opacity="0.9"/>' % (h, INK)
            body += '<rect x="%d" y="0" width="1" height="%d" fill="%s" fill-opacity="0.45"/>' % (BAND, h, INK)
        else:
            body = band_svg(1, 0, BAND, h, True, 1)
            body += '<rect x="%d" y="0" width="1" height="%d" fill="%s" fill-opacity="0.9"/>' % (BAND, h, INK)
            body += '<rect x="0" y="0" width="1" height="%d" fill="%s" fill-opacity="0.45"/>' % (h, INK)
    return render_svg(svg_doc(w, h, body))


def rosette(cx, cy, r):
    defs = (rad_grad("ros", [(0, GOLD_LIGHT), (0.6, BRASS), (1, "#6A4814")], 0.4, 0.35, 0.7) +
            rad_grad("gem", [(0, "#FFFFFF"), (0.35, TEAL), (1, "#1E7A80")], 0.4, 0.35, 0.7))
    s = ""
    for k in range(8):  # petals
        s += ('<ellipse cx="%g" cy="%g" rx="%g" ry="%g" transform="rotate(%d %g %g)" fill="url(#ros)" '
              'stroke="%s" stroke-width="1.3"/>' % (cx, cy - r * 0.62, r * 0.32, r * 0.45, k * 45, cx, cy, INK))
    s += '<circle cx="%g" cy="%g" r="%g" fill="url(#ros)" stroke="%s" stroke-width="1.4"/>' % (cx, cy, r * 0.55, INK)
    s += '<circle cx="%g" cy="%g" r="%g" fill="url(#gem)" stroke="%s" stroke-width="1"/>' % (cx, cy, r * 0.3, INK)
    return s, defs


def corner():
    """The top-left corner, board corner at (29, 29); the others are its
    mirror images shifted to their handles."""
    b = 29
    body = band_svg(b - BAND, b - BAND, CORNER - b + BAND, BAND, False, -1)
    body += band_svg(b - BAND, b - BAND, BAND, CORNER - b + BAND, True, -1)
    body += ('<path d="M %d %d L %d %d L %d %d" fill="none" stroke="%s" stroke-width="1" stroke-opacity="0.9"/>'
             % (CORNER, b - BAND + 0.5, b - BAND + 0.5, b - BAND + 0.5, b - BAND + 0.5, CORNER, INK))
    body += '<rect x="%d" y="%d" width="%d" height="1" fill="%s" fill-opacity="0.45"/>' % (b, b, CORNER - b, INK)
    body += '<rect x="%d" y="%d" width="1" height="%d" fill="%s" fill-opacity="0.45"/>' % (b, b + 1, CORNER - b - 1, INK)
    ros, defs = rosette(b - 12, b - 12, 15)
    # leaves curling from the rosette along both edges
    leaf = ('<path d="M %g %g Q %g %g %g %g Q %g %g %g %g Z" fill="#5F903F" stroke="%s" stroke-width="1.2"/>')
    body += leaf % (b + 2, b - 11, b + 12, b - 20, b + 24, b - 12, b + 12, b - 6, b + 2, b - 11, INK)
    body += leaf % (b - 11, b + 2, b - 20, b + 12, b - 12, b + 24, b - 6, b + 12, b - 11, b + 2, INK)
    body += ros
    return render_svg(svg_doc(CORNER, CORNER, body, defs))


def shift_mirror(img, flip_x, flip_y):
    """Mirror the corner and move it one pixel so the board's edge lands on
    the column/row that the handle names (R-1 and B-1 are board pixels)."""
    out = img
    if flip_x:
        out = out.transpose(Image.FLIP_LEFT_RIGHT)
    if flip_y:
        out = out.transpose(Image.FLIP_TOP_BOTTOM)
    canvas = Image.new("RGBA", img.size, (0, 0, 0, 0))
    canvas.alpha_composite(out, (1 if flip_x else 0, 1 if flip_y else 0))
    return canvas


def ornament():
    """The top ornament, 58 x 25, its base on the bottom row."""
    w, h = 58, 25
    defs = (lin_grad("crest", [(0, GOLD_LIGHT), (0.55, BRASS), (1, "#6E4B16")]) +
            rad_grad("gem2", [(0, "#FFFFFF"), (0.35, TEAL), (1, "#1E7A80")], 0.4, 0.35, 0.7))
    body = ('<path d="M 4 24.5 Q 8 12 18 10 Q 22 2 29 1.5 Q 36 2 40 10 Q 50 12 54 24.5 Z" '
            'fill="url(#crest)" stroke="%s" stroke-width="1.4" stroke-linejoin="round"/>' % INK)
    body += ('<path d="M 10 22 Q 14 15 21 14 M 48 22 Q 44 15 37 14" fill="none" stroke="%s" '
             'stroke-width="1.1" stroke-opacity="0.7"/>' % INK)
    body += '<circle cx="29" cy="13" r="5.5" fill="url(#gem2)" stroke="%s" stroke-width="1.1"/>' % INK
    body += '<circle cx="27.3" cy="11.3" r="1.4" fill="#FFFFFF" fill-opacity="0.85"/>'
    return render_svg(svg_doc(w, h, body, defs))


def make_fill_frame():
    for k in ("U", "D", "L", "R"):
        save_png(edge(k), "gfx/gui/game/frame_%s.png" % k)
    c = corner()
    save_png(c, "gfx/gui/game/frame_LU.png")
    save_png(shift_mirror(c, True, False), "gfx/gui/game/frame_RU.png")
    save_png(shift_mirror(c, False, True), "gfx/gui/game/frame_LD.png")
    save_png(shift_mirror(c, True, True), "gfx/gui/game/frame_RD.png")
    o = ornament()
    save_png(o, "gfx/gui/game/frame_ornament_u.png")
    save_png(o.transpose(Image.FLIP_TOP_BOTTOM), "gfx/gui/game/frame_ornament_d.png")
    save_png(o.transpose(Image.ROTATE_90), "gfx/gui/game/frame_ornament_l.png")
    save_png(o.transpose(Image.ROTATE_270), "gfx/gui/game/frame_ornament_r.png")


def make_all():
    make_window()
    make_fill_frame()


if __name__ == "__main__":
    make_all()
