"""The stage screen: its full-screen panel (title band, preview window, the
parchment page where the story is written and the level grid stands), the
level buttons in their looks, and the layout with "play" and "map". The code
fixes the places: title at y 10 (white, 32 px) centred on x 512, preview at
(117, 67), story text in black centred on y 640 and at most 680 px wide,
grid rows at y 590-702 (25 levels, scale 0.7) or 600 and 700 (scale 1).
The page leaves 8 px and more around every button of either grid."""

from PIL import Image

import ui
from kit import (INK, WALNUT, WALNUT_DARK, BRASS, GOLD, GOLD_LIGHT, PARCHMENT, PARCHMENT_SHADE, LEAF,
                 LEAF_LIGHT, TEAL, EMBER, mix, lin_grad, rad_grad, grain_filter, shadow_filter, glow_filter,
                 rrect, render_svg, save_jpg, save_png, svg_doc, out_path)

W, H = 1024, 768
PREVIEW = (117, 67, 790, 450)   # the catalogue's previews are 790 x 450
PAGE = (150, 543, 724, 207)     # parchment behind the story and the grid
TITLE_BAND = (222, 2, 580, 58)  # the ribbon behind the title's 32 px line at y 10
LEVEL = (88, 76)                # every level picture; 62 x 53 at scale 0.7
BUTTON = (132, 56)              # play and map, beside the page on the wood
BUTTON_Y = 640 - BUTTON[1] // 2
FOLDER = "gfx/gui/stageScreen/"


def back():
    px, py, pw, ph = PREVIEW
    gx, gy, gw, gh = PAGE
    defs = (lin_grad("wood", [(0, mix(WALNUT, "#6A4428", 0.35)), (0.45, WALNUT), (1, WALNUT_DARK)]) +
            grain_filter("grain", "0.004 0.06", 23, 0.3, 4) +
            lin_grad("rim", [(0, GOLD_LIGHT), (0.5, BRASS), (1, "#7A5418")]) +
            lin_grad("paper", [(0, "#FBF0D6"), (0.6, PARCHMENT), (1, PARCHMENT_SHADE)]) +
            grain_filter("fibre", "0.03 0.25", 5, 0.08) +
            rad_grad("vignette", [(0, "#000000", 0), (0.75, "#000000", 0), (1, "#000000", 0.45)], 0.5, 0.5, 0.75) +
            shadow_filter("sh", 6, 7, 0.6) +
            '<clipPath id="page">%s</clipPath>' % rrect(gx, gy, gw, gh, 12))
    body = '<rect width="%d" height="%d" fill="url(#wood)"/>' % (W, H)
    body += '<rect width="%d" height="%d" filter="url(#grain)"/>' % (W, H)
    body += '<rect width="%d" height="%d" fill="url(#vignette)"/>' % (W, H)
    # engraved border round the whole board
    body += rrect(10, 10, W - 20, H - 20, 22, 'fill="none" stroke="#1A0F08" stroke-opacity="0.6" stroke-width="2"')
    body += rrect(11, 12, W - 22, H - 22, 22, 'fill="none" stroke="%s" stroke-opacity="0.2" stroke-width="1"' % GOLD_LIGHT)
    # the preview's window: a brass moulding round a dark recess
    m = 9
    body += rrect(px - m, py - m, pw + 2 * m, ph + 2 * m, 10, 'fill="#000" filter="url(#sh)"')
    body += rrect(px - m, py - m, pw + 2 * m, ph + 2 * m, 10, 'fill="url(#rim)" stroke="%s" stroke-width="2"' % INK)
    body += rrect(px - 3, py - 3, pw + 6, ph + 6, 4, 'fill="%s" stroke="%s" stroke-width="1.5"' % (WALNUT_DARK, INK))
    for sx, sy in ((px - m + 7, py - m + 7), (px + pw + m - 7, py - m + 7), (px - m + 7, py + ph + m - 7),
                   (px + pw + m - 7, py + ph + m - 7)):
        body += '<circle cx="%g" cy="%g" r="3.6" fill="%s" stroke="%s" stroke-width="1"/>' % (sx, sy, GOLD_LIGHT, INK)
    # the page: parchment with rolled ends
    body += rrect(gx, gy, gw, gh, 12, 'fill="#000" filter="url(#sh)"')
    for x in (gx - 14, gx + gw - 14):
        body += rrect(x, gy - 6, 28, gh + 12, 13, 'fill="%s" stroke="%s" stroke-width="2"' % (PARCHMENT_SHADE, INK))
        body += rrect(x + 6, gy - 2, 8, gh + 4, 4, 'fill="#FFFFFF" fill-opacity="0.3"')
    body += rrect(gx, gy, gw, gh, 12, 'fill="url(#paper)"')
    body += '<g clip-path="url(#page)"><rect width="%d" height="%d" filter="url(#fibre)"/></g>' % (W, H)
    body += rrect(gx + 8, gy + 8, gw - 16, gh - 16, 8,
                  'fill="none" stroke="%s" stroke-opacity="0.55" stroke-width="1.2"' % BRASS)
    body += rrect(gx, gy, gw, gh, 12, 'fill="none" stroke="%s" stroke-width="2"' % INK)
    img = render_svg(svg_doc(W, H, body, defs))
    tx, ty, tw, th = TITLE_BAND
    img.alpha_composite(ui.ribbon(tw, th + 16, 2, th - 8), (tx, ty))
    return img


def badge_body(look, over, c, r):
    """The round plate of a level button and its emblem, centred on c."""
    cx, cy = c
    plates = {"won": (LEAF_LIGHT, LEAF, "#2C4A1C"), "open": (PARCHMENT, PARCHMENT_SHADE, "#9A7440"),
              "locked": ("#9A938A", "#6E675E", "#463F38")}
    top, base, bottom = plates[look]
    if over:  # lighter, a little larger, in a warm glow that reads on the parchment
        top, base = mix(top, "#FFF6D8", 0.35), mix(base, "#FFE0A0", 0.25)
        r += 2
    defs = (rad_grad("plate", [(0, top), (0.65, base), (1, bottom)], 0.42, 0.35, 0.75) +
            lin_grad("rim", [(0, GOLD_LIGHT), (0.5, BRASS), (1, "#6E4B16")] if look != "locked" else
                     [(0, "#B8B2A8"), (1, "#5E5850")]) +
            glow_filter("glow", 4, EMBER, 1.0) + shadow_filter("sh", 2.5, 2, 0.55))
    body = ""
    if over:
        body += '<circle cx="%g" cy="%g" r="%g" fill="#000" filter="url(#glow)"/>' % (cx, cy, r + 4)
        body += '<circle cx="%g" cy="%g" r="%g" fill="#000" filter="url(#glow)"/>' % (cx, cy, r + 3)
    body += '<circle cx="%g" cy="%g" r="%g" fill="#000" filter="url(#sh)"/>' % (cx, cy, r + 3)
    body += '<circle cx="%g" cy="%g" r="%g" fill="url(#rim)" stroke="%s" stroke-width="2"/>' % (cx, cy, r + 3, INK)
    body += '<circle cx="%g" cy="%g" r="%g" fill="url(#plate)" stroke="%s" stroke-width="1.6"/>' % (cx, cy, r - 2, INK)
    if look == "won":  # a gold star
        from math import cos, sin, radians
        pts = []
        for k in range(10):
            rr = (r - 2 * over) * (0.62 if k % 2 == 0 else 0.27)
            a = radians(-90 + 36 * k)
            pts.append("%g %g" % (cx + rr * cos(a), cy + 1 + rr * sin(a)))
        body += ('<path d="M %s Z" fill="%s" stroke="%s" stroke-width="2" stroke-linejoin="round"/>'
                 % (" L ".join(pts), GOLD, INK))
    elif look == "open":  # a small glowing portal
        defs += rad_grad("portal", [(0, "#FFFFFF"), (0.45, TEAL), (1, "#1E7A80")], 0.45, 0.4, 0.65)
        body += ('<ellipse cx="%g" cy="%g" rx="%g" ry="%g" fill="url(#portal)" stroke="%s" stroke-width="2"/>'
                 % (cx, cy + 1, r * 0.42, r * 0.55, INK))
        body += ('<ellipse cx="%g" cy="%g" rx="%g" ry="%g" fill="none" stroke="%s" stroke-width="2.4"/>'
                 % (cx, cy + 1, r * 0.58, r * 0.7, mix(BRASS, INK, 0.2)))
    else:  # a padlock
        s = r * 0.5
        body += ('<path d="M %g %g L %g %g A %g %g 0 0 1 %g %g L %g %g" fill="none" stroke="%s" stroke-width="6"/>'
                 % (cx - s * 0.6, cy, cx - s * 0.6, cy - s * 0.5, s * 0.6, s * 0.6, cx + s * 0.6, cy - s * 0.5,
                    cx + s * 0.6, cy, INK))
        body += ('<path d="M %g %g L %g %g A %g %g 0 0 1 %g %g L %g %g" fill="none" stroke="#C8C2B8" '
                 'stroke-width="3"/>' % (cx - s * 0.6, cy, cx - s * 0.6, cy - s * 0.5, s * 0.6, s * 0.6,
                                         cx + s * 0.6, cy - s * 0.5, cx + s * 0.6, cy))
        body += rrect(cx - s, cy - s * 0.1, 2 * s, s * 1.3, 3, 'fill="#8A8276" stroke="%s" stroke-width="2"' % INK)
        body += '<circle cx="%g" cy="%g" r="%g" fill="%s"/>' % (cx, cy + s * 0.5, s * 0.2, INK)
    return body, defs


def level_button(look, over=False):
    w, h = LEVEL
    body, defs = badge_body(look, over, (w / 2.0, h / 2.0), 27)
    return render_svg(svg_doc(w, h, body, defs))


def current_mark(colour):
    """A glowing ring beneath the current level's button, wider than its
    plate so that it shows round it."""
    w, h = LEVEL
    cx, cy = w / 2.0, h / 2.0
    defs = (rad_grad("halo", [(0, colour, 0), (0.7, colour, 0.9), (0.86, colour, 0.9), (1, colour, 0)]) +
            glow_filter("glow", 3, colour, 0.9))
    body = '<ellipse cx="%g" cy="%g" rx="%g" ry="%g" fill="url(#halo)"/>' % (cx, cy, w / 2.0 - 1, h / 2.0 - 1)
    body += '<circle cx="%g" cy="%g" r="33" fill="none" stroke="#000" stroke-width="5" filter="url(#glow)"/>' % (cx, cy)
    body += '<circle cx="%g" cy="%g" r="33" fill="none" stroke="%s" stroke-width="5.5"/>' % (cx, cy, INK)
    body += '<circle cx="%g" cy="%g" r="33" fill="none" stroke="%s" stroke-width="3.5"/>' % (cx, cy, colour)
    return render_svg(svg_doc(w, h, body, defs))


def layout():
    """The two buttons beside the page, clear of every grid row and column
    (the grid spans x 158-862 at most)."""
    ref = "[txt/#LANG#/stageScreen.txt|%d]"
    text = ("PROPCLASS stageCaption {\n\tFONT = gfx/fonts/font.ttf|24\n\tTEXTRGB = \"255 243 214\"\n}\n\n")
    for name, x, image, line in (("MAP", 14, "map", 2), ("PLAY", W - 14 - BUTTON[0], "play", 1)):
        text += ("OBJECT %s {\n\tGFX = %s%s.png\n\tPOSITION = \"%d %d\"\n\tTXT = %s\n\tPROPCLASS = stageCaption\n"
                 "\tSTEPDELTA = 0.25\n\tOVER {\n\t\tGFX = %s%s_over.png\n\t}\n"
                 "\tCLICK {\n\t\tGFX = %s%s_click.png\n\t\tTXT = %s\n\t\tADDTEXTDIM = \"0 2\"\n\t}\n}\n\n"
                 % (name, FOLDER, image, x, BUTTON_Y, ref % line, FOLDER, image, FOLDER, image, ref % line))
    with open(out_path(FOLDER + "en/stageScreen.gui"), "w", encoding="ascii", newline="\n") as f:
        f.write(text)


def make_all():
    save_jpg(back(), FOLDER + "back.jpg", quality=85)
    save_png(level_button("won"), FOLDER + "level.png")
    save_png(level_button("open"), FOLDER + "level1.png")
    save_png(level_button("locked"), FOLDER + "level2.png")
    save_png(level_button("won", True), FOLDER + "levelOver.png")
    save_png(level_button("open", True), FOLDER + "level1Over.png")
    save_png(current_mark(EMBER), FOLDER + "levelAct.png")
    save_png(current_mark(TEAL), FOLDER + "level1Act.png")
    for image, variant in (("play", "leaf"), ("map", "wood")):
        for state in ("normal", "over", "click"):
            suffix = "" if state == "normal" else "_" + state
            save_png(ui.button(*BUTTON, variant=variant, state=state), FOLDER + image + suffix + ".png")
    layout()


if __name__ == "__main__":
    make_all()
