"""The title screen and its two dialogs: the dusk hill of five portal stones
(back.png, opaque but for the five openings), the two views seen through each
opening (game<k><j>.png), the portal glows, the logo and the "x" button; the
mode picker's panel and pips; the continue dialog's panel; and their layouts.

The code draws, from the top-left corner: pair k's pictures at PAIRS[k],
portal k at PORTALS[k], the background at (0, 0) over both, the logo centred
on (512, 120). The picker's panel is centred on (512, 384) with its title's
top at y 230 and its pips centred on y 490 (x 312 + 18 i and 558 + 18 i); the
continue panel is centred on (512, 358)."""

import numpy as np
from PIL import Image, ImageDraw, ImageFilter, ImageFont

import scenery as sc
import ui
from backgrounds import common_defs, finish, haze
from kit import (ASSETS, BERRY, BRASS, FONT1, GOLD, GOLD_LIGHT, INK, PARCHMENT, TEAL, WALNUT_DARK, hexrgb, mix,
                 lin_grad, rad_grad, render_svg, rrect, save_png, svg_doc)
from layouts import KIT, caption_class, plate, write

W, H = 1024, 768
DIR = "gfx/gui/titleScreen/"
# Top left and size of each pair's pictures; the opening is the ellipse inside.
PAIRS = [(13, 35, 300, 155), (55, 196, 280, 190), (367, 259, 260, 230), (630, 192, 280, 190), (701, 35, 300, 155)]
PORTALS = [(23, 17), (68, 177), (354, 221), (625, 176), (700, 13)]
# The land seen through each opening, as painted for the levels.
VIEWS = ["background_1.jpg", "background_9.jpg", "background_8.jpg", "background_4.jpg", "background_5.jpg"]
INSET = 10   # from the pictures' edge to the opening
RIM = 12     # width of the translucent rim inside the opening
RING = 18    # width of the stone ring around it
MOSAIC = 14  # cell of the puzzle view
LOGO_ROOM = 10  # from the logo's glow to the upper rings
LOGO_GLOW = 12  # how far the logo's glow shows beyond its letters


def opening(k):
    x, y, w, h = PAIRS[k]
    return x + w / 2.0, y + h / 2.0, w / 2.0 - INSET, h / 2.0 - INSET


def landscape():
    """Dusk over a hill crowned by five ringed portal stones."""
    sky = [(0, "#1C2148"), (0.4, "#3B3A72"), (0.62, "#8A5A7A"), (0.78, "#E08A5C"), (1, "#F3B070")]
    defs = common_defs(sky, (0.5, 0.55), "#F8C080", 0.55)
    defs += lin_grad("stoneRing", [(0, "#9C97B4"), (0.5, "#6E6A86"), (1, "#45425A")])
    body = '<rect width="%d" height="%d" fill="url(#sky)"/><rect width="%d" height="%d" fill="url(#sun)"/>' % (W, H, W, H)
    body += sc.stars(51, 140, 260)
    body += sc.clouds(52, 6, 40, 240, "#9A7BB0", 0.3)
    far = sc.ridge(53, 430, 45, waves=3)
    body += sc.hill(far, "#3A3E6E", extra='filter="url(#haze)"')
    body += haze(380, 520, "#F3B070", 0.18)
    mid = sc.ridge(54, 520, 30, waves=2)
    body += sc.hill(mid, "#2E3F45", extra=sc.OUT)
    for x in (18, 340, 668, 1000):
        body += sc.pine(x, sc.height_at(mid, x) + 8, 150, "#1F3A35", 0.12)
    near = sc.ridge(55, 600, 16, waves=2)
    body += sc.hill(near, "#263528", extra=sc.OUT)
    for x, s in ((120, 90), (940, 110), (300, 60), (760, 70)):
        body += sc.round_tree(x, sc.height_at(near, x) + 6, s, "#2F4A2E", x)
    # the stone rings with their runes
    for k in range(5):
        cx, cy, rx, ry = opening(k)
        body += ('<ellipse cx="%g" cy="%g" rx="%g" ry="%g" fill="none" stroke="%s" stroke-width="%g" '
                 'stroke-opacity="0.6" filter="url(#soft)"/>' % (cx, cy + 5, rx + RING / 2, ry + RING / 2, INK, RING))
        body += ('<ellipse cx="%g" cy="%g" rx="%g" ry="%g" fill="none" stroke="url(#stoneRing)" stroke-width="%g"/>'
                 % (cx, cy, rx + RING / 2, ry + RING / 2, RING))
        body += ('<ellipse cx="%g" cy="%g" rx="%g" ry="%g" fill="none" stroke="#4F6E4A" stroke-width="5" '
                 'stroke-dasharray="30 50" stroke-opacity="0.8"/>' % (cx, cy + 2, rx + RING - 4, ry + RING - 4))
        for i in range(8):
            a = np.radians(22.5 + 45 * i)
            gx, gy = cx + (rx + RING / 2) * np.cos(a), cy + (ry + RING / 2) * np.sin(a)
            body += '<circle cx="%g" cy="%g" r="3" fill="%s" fill-opacity="0.85"/>' % (gx, gy, TEAL)
    # an ink band under the buttons, as on the loading picture
    body += ('<defs>%s</defs><rect x="0" y="500" width="%d" height="268" fill="url(#band)"/>'
             % (lin_grad("band", [(0, INK, 0), (1, INK, 0.8)]), W))
    return finish(render_svg(svg_doc(W, H, body, defs)), 51, vignette=0.35).convert("RGBA")


def cut_openings(img):
    """Clears each opening, leaving a translucent rim that fades inward."""
    a = np.asarray(img).copy()
    yy, xx = np.mgrid[0:H, 0:W].astype(np.float32)
    alpha = np.ones((H, W), np.float32)
    rim_colour = np.array(hexrgb(mix(TEAL, INK, 0.6)), np.float32)
    for k in range(5):
        cx, cy, rx, ry = opening(k)
        d = np.sqrt(((xx - cx) / rx) ** 2 + ((yy - cy) / ry) ** 2)
        inside = d < 1
        depth = (1 - d) * min(rx, ry)  # pixels in from the edge, nearly
        rim = np.clip(1 - depth / RIM, 0, 1) * 0.65
        alpha = np.where(inside, np.minimum(alpha, rim), alpha)
        a[inside, :3] = rim_colour
    a[..., 3] = (alpha * 255).astype(np.uint8)
    return Image.fromarray(a, "RGBA")


def view(k):
    """The land through opening k as painted: the middle of its level picture."""
    x, y, w, h = PAIRS[k]
    src = Image.open("%s/gfx/backgrounds/%s" % (ASSETS, VIEWS[k])).convert("RGB")
    ch = int(W * h / w)
    top = (H - ch) // 2
    return src.crop((0, top, W, top + ch)).resize((w, h), Image.LANCZOS)


def mosaic(img, seed):
    """The same land as a finished picture puzzle: bevelled cells on a grid,
    a few left crossed."""
    w, h = img.size
    cells = img.resize((w // MOSAIC + 1, h // MOSAIC + 1), Image.BOX)
    cells = Image.fromarray((np.asarray(cells) // 24 * 24 + 12).astype(np.uint8))
    big = cells.resize((cells.width * MOSAIC, cells.height * MOSAIC), Image.NEAREST).crop((0, 0, w, h)).convert("RGBA")
    d = ImageDraw.Draw(big, "RGBA")
    rnd = np.random.RandomState(seed)
    for cy in range(0, h, MOSAIC):
        for cx in range(0, w, MOSAIC):
            e = MOSAIC - 1
            d.line([(cx, cy + e), (cx, cy), (cx + e, cy)], fill=(255, 255, 255, 60))
            d.line([(cx + e, cy), (cx + e, cy + e), (cx, cy + e)], fill=hexrgb(INK) + (90,))
            if rnd.rand() < 0.015:
                d.line([(cx + 2, cy + 2), (cx + MOSAIC - 3, cy + MOSAIC - 3)], fill=hexrgb(INK) + (200,), width=2)
                d.line([(cx + MOSAIC - 3, cy + 2), (cx + 2, cy + MOSAIC - 3)], fill=hexrgb(INK) + (200,), width=2)
    return big


def portal_glow(k):
    """A teal glow hugging the inside of opening k, in portal k's frame."""
    cx, cy, rx, ry = opening(k)
    px, py = PORTALS[k]
    w, h = int(cx + rx + 30 - px), int(cy + ry + 30 - py)
    body = ('<ellipse cx="%g" cy="%g" rx="%g" ry="%g" fill="none" stroke="%s" stroke-width="22" filter="url(#b)"/>'
            % (cx - px, cy - py, rx - 6, ry - 6, TEAL))
    body += ('<ellipse cx="%g" cy="%g" rx="%g" ry="%g" fill="url(#core)"/>' % (cx - px, cy - py, rx, ry))
    defs = ('<filter id="b" x="-30%" y="-30%" width="160%" height="160%"><feGaussianBlur stdDeviation="8"/></filter>' +
            rad_grad("core", [(0, TEAL, 0.0), (0.7, TEAL, 0.05), (1, TEAL, 0.35)]))
    return render_svg(svg_doc(w, h, body, defs))


def logo():
    """The game's name: parchment to gold letters in an ink rim, a teal glow;
    as large as it can be while it keeps LOGO_ROOM clear of the stone rings
    of the two upper portals on either side."""
    text = "Sorvanta"
    gap = (opening(4)[0] - opening(4)[2] - RING) - (opening(0)[0] + opening(0)[2] + RING)
    size = 104
    while size > 40 and ImageFont.truetype(FONT1, size).getlength(text) + 2 * (5 + LOGO_GLOW + LOGO_ROOM) > gap:
        size -= 2
    font = ImageFont.truetype(FONT1, size)
    w, h = 600, 200
    x0, y0, x1, y1 = font.getbbox(text)
    x, y = (w - (x1 - x0)) // 2 - x0, (h - (y1 - y0)) // 2 - y0
    img = Image.new("RGBA", (w, h), (0, 0, 0, 0))
    layer = Image.new("RGBA", (w, h), (0, 0, 0, 0))
    ImageDraw.Draw(layer).text((x, y), text, font=font, fill=hexrgb(TEAL) + (200,))
    img.alpha_composite(layer.filter(ImageFilter.GaussianBlur(16)))
    shadow = Image.new("RGBA", (w, h), (0, 0, 0, 0))
    ImageDraw.Draw(shadow).text((x + 4, y + 6), text, font=font, fill=(30, 16, 10, 170),
                                stroke_width=5, stroke_fill=(30, 16, 10, 170))
    img.alpha_composite(shadow.filter(ImageFilter.GaussianBlur(4)))
    letters = Image.new("RGBA", (w, h), (0, 0, 0, 0))
    ImageDraw.Draw(letters).text((x, y), text, font=font, fill=(255, 255, 255, 255), stroke_width=5,
                                 stroke_fill=hexrgb(INK) + (255,))
    img.alpha_composite(letters)
    top, bot = np.array(hexrgb(PARCHMENT), np.float32), np.array(hexrgb(GOLD), np.float32)
    t = np.clip((np.arange(h) - y - (y1 - y0) * 0.35) / ((y1 - y0) * 0.7), 0, 1)[:, None]
    grad = np.zeros((h, w, 4), np.uint8)
    grad[..., :3] = (top * (1 - t) + bot * t)[:, None, :].astype(np.uint8)
    grad[..., 3] = 255
    inner = Image.new("L", (w, h), 0)
    ImageDraw.Draw(inner).text((x, y), text, font=font, fill=255)
    img.paste(Image.fromarray(grad, "RGBA"), (0, 0), inner)
    return img


def x_button(state):
    """A round berry button with a parchment cross (quit)."""
    s = 46
    fill = {"normal": BERRY, "over": mix(BERRY, GOLD, 0.2), "click": mix(BERRY, INK, 0.35)}[state]
    dy = 2 if state == "click" else 0
    defs = lin_grad("f", [(0, mix(fill, "#FFFFFF", 0.2)), (1, mix(fill, INK, 0.25))])
    body = '<circle cx="23" cy="24" r="19" fill="%s" fill-opacity="0.45"/>' % INK
    if state == "over":
        body += '<circle cx="23" cy="23" r="21" fill="none" stroke="%s" stroke-width="3" stroke-opacity="0.6"/>' % GOLD
    body += '<circle cx="23" cy="%d" r="18" fill="url(#f)" stroke="%s" stroke-width="2" stroke-opacity="0.85"/>' % (
        22 + dy, INK)
    body += ('<path d="M 16 %d L 30 %d M 30 %d L 16 %d" stroke="%s" stroke-width="4.5" stroke-linecap="round"/>'
             % (15 + dy, 29 + dy, 15 + dy, 29 + dy, PARCHMENT))
    return render_svg(svg_doc(s, s, body, defs))


def pip(lit):
    s = 16
    if lit:
        defs = rad_grad("g", [(0, "#FFFFFF"), (0.35, TEAL), (1, mix(TEAL, INK, 0.4))], 0.4, 0.35, 0.6)
        body = '<circle cx="8" cy="8" r="6.5" fill="url(#g)" stroke="%s" stroke-width="1.2"/>' % INK
    else:
        defs = rad_grad("g", [(0, WALNUT_DARK), (1, "#120A06")], 0.5, 0.6, 0.6)
        body = ('<circle cx="8" cy="8" r="6.5" fill="url(#g)" stroke="%s" stroke-width="1.2"/>'
                '<circle cx="8" cy="8" r="5.5" fill="none" stroke="%s" stroke-opacity="0.35"/>' % (BRASS, GOLD_LIGHT))
    return render_svg(svg_doc(s, s, body, defs))


def emblem(kind):
    """A small engraved picture of a campaign: a picture puzzle with clues,
    or a grid of painted cells with numbers."""
    s = 96
    body = rrect(4, 4, 88, 88, 10, 'fill="%s" stroke="%s" stroke-width="2"' % (PARCHMENT, INK))
    if kind == "picross":
        on = ["01110", "11111", "10101", "11111", "01010"]
        for r, row in enumerate(on):
            for c, v in enumerate(row):
                fill = mix(TEAL, INK, 0.35) if v == "1" else "#E6D3AA"
                body += rrect(28 + c * 12, 28 + r * 12, 11, 11, 2, 'fill="%s"' % fill)
        for i in range(5):
            body += rrect(10, 30 + i * 12, 12, 6, 2, 'fill="%s"' % INK)
            body += rrect(30 + i * 12, 10, 6, 12, 2, 'fill="%s"' % INK)
    else:
        colours = ["#DE4E47", "#2D64D2", "#F2CE5A", "#366B24"]
        for r in range(4):
            for c in range(4):
                body += rrect(14 + c * 17, 14 + r * 17, 16, 16, 3, 'fill="%s"' % colours[(r * 3 + c * 2) % 4])
        for c, r in ((1, 1), (2, 2), (0, 3)):
            body += '<circle cx="%g" cy="%g" r="4" fill="%s"/>' % (22 + c * 17, 22 + r * 17, PARCHMENT)
    return render_svg(svg_doc(s, s, body))


def picker_panel():
    """520 x 380 board; emblems above the buttons, wells for the pip rows."""
    w, h = 540, 380
    img = ui.panel(w, h, seed=41)
    left, top = 512 - w // 2, 384 - h // 2
    for kind, x in (("picross", 393), ("fill", 639)):
        e = emblem(kind)
        img.alpha_composite(e, (x - left - 48, 318 - top - 48))
    well = render_svg(svg_doc(180, 26, rrect(1, 1, 178, 24, 12, 'fill="#120A06" fill-opacity="0.7" stroke="%s" '
                                                                   'stroke-opacity="0.5"' % GOLD_LIGHT)))
    for x0 in (393, 639):
        img.alpha_composite(well, (x0 - 90 - left, 490 - 13 - top))
    return img


def layouts():
    menu = "[txt/#LANG#/mainMenu.txt|%d]"
    text = caption_class("titleCaption", 24)
    text += plate("play", 396, 552, KIT + "wide_leaf", menu % 1, "titleCaption")
    text += plate("settings", 268, 620, KIT + "wide_wood", menu % 6, "titleCaption")
    text += plate("more", 524, 620, KIT + "wide_wood", menu % 7, "titleCaption")
    text += ("OBJECT x {\n\tGFX = %sx.png\n\tPOSITION = \"966 708\"\n\tSTEPDELTA = 0.25\n"
             "\tOVER {\n\t\tGFX = %sx_over.png\n\t}\n\tCLICK {\n\t\tGFX = %sx_click.png\n\t}\n}\n\n" % ((DIR,) * 3))
    write(DIR + "en/title.gui", text)
    text = caption_class("dialogCaption", 26)
    text += plate("mesalor", 307, 400, KIT + "dialog_leaf", menu % 2, "dialogCaption")
    text += plate("normal", 553, 400, KIT + "dialog_leaf", menu % 3, "dialogCaption")
    write("gfx/gui/pickTryb/en/pickTryb.gui", text)
    text = caption_class("dialogCaption", 22)
    text += plate("resume", 396, 262, KIT + "wide_leaf", menu % 4, "dialogCaption")
    text += plate("new", 396, 329, KIT + "wide_wood", menu % 5, "dialogCaption")
    text += plate("exit", 396, 396, KIT + "wide_berry", menu % 11, "dialogCaption")
    write("gfx/gui/continueQuest/en/continueQuest.gui", text)


def make_all():
    save_png(cut_openings(landscape()), DIR + "back.png")
    for k in range(5):
        painted = view(k)
        save_png(painted.convert("RGBA"), DIR + "game%d1.png" % (k + 1))
        save_png(mosaic(painted, 60 + k), DIR + "game%d2.png" % (k + 1))
        save_png(portal_glow(k), DIR + "portal%d.png" % (k + 1))
    save_png(logo(), DIR + "en/logo.png")
    for state in ("normal", "over", "click"):
        save_png(x_button(state), DIR + ("x.png" if state == "normal" else "x_%s.png" % state))
    save_png(picker_panel(), "gfx/gui/pickTryb/panel.png")
    save_png(pip(False), "gfx/gui/pickTryb/off.png")
    save_png(pip(True), "gfx/gui/pickTryb/on.png")
    save_png(ui.panel(440, 300, seed=43), "gfx/gui/continueQuest/panel.png")
    layouts()


if __name__ == "__main__":
    make_all()
