"""The more-games screen: its background, the label under each picture and
its highlight, the entries' pictures, the layout and data/MORE_GAMES.dat.
The code puts the current picture's centre at (210, 340) and the label
160 px (times the picture's scale) below it; the following entries recede
to the right, 200 px apart, each 0.8 the size of the one before.
The entries open the pages shipped with the game (tools/assets/pages.py),
which the code opens from the installed docs/ folder. ADDRESS_BASE is the
one place to change when the project has a public site that serves the same
pages: set it to the site's address ("https://...") and the entries open
the site instead."""

import random

import layouts
import pages
import scenery as sc
import tables
from backgrounds import common_defs, finish, haze
from kit import (BERRY, BRASS, DUSK, GOLD, GOLD_LIGHT, INK, LEAF, PARCHMENT, PARCHMENT_SHADE, TEAL, WALNUT,
                 WALNUT_DARK, lin_grad, render_svg, rrect, save_jpg, save_png, svg_doc)
from story import glow

W, H = 1024, 768
CARD = (300, 280)
ADDRESS_BASE = ""  # "": the shipped pages, named by their file in docs/
# (picture, page): about the game, how each campaign is played, the credits.
ENTRIES = [("home", "about.html"), ("picross", "picross.html"), ("fill", "fill.html"), ("credits", "credits.html")]
TITLE_LINE = 5  # entry k's title: line TITLE_LINE + k - 1 of txt/en/more.txt


def back():
    """Twilight over a gallery rail; a warm light where the current entry
    stands and a calm band along the bottom for the buttons."""
    defs = common_defs([(0, "#141A38"), (0.5, "#2B3560"), (0.8, "#5B4A8A"), (1, "#8A5A7A")], (0.2, 0.45),
                       "#F0B080", 0.45)
    body = '<rect width="%d" height="%d" fill="url(#sky)"/><rect width="%d" height="%d" fill="url(#sun)"/>' % (W, H, W, H)
    body += sc.stars(201, 140, 300)
    body += sc.clouds(202, 4, 90, 250, "#9A7BB0", 0.3)
    far = sc.ridge(203, 470, 36, waves=3)
    body += sc.hill(far, "#3A3E6E", extra='filter="url(#haze)"')
    near = sc.ridge(204, 560, 14, waves=2)
    body += sc.hill(near, "#24303E", extra=sc.OUT)
    for x in (40, 990):
        body += sc.pine(x, 600, 240, "#1F3A35", 0.12)
    # the walnut floor board under the buttons, with a brass edge
    body += ('<defs>%s</defs><rect x="0" y="610" width="%d" height="%d" fill="url(#floor)"/>'
             % (lin_grad("floor", [(0, WALNUT), (1, WALNUT_DARK)]), W, H - 610))
    body += '<rect x="0" y="608" width="%d" height="4" fill="%s"/>' % (W, BRASS)
    body += haze(560, 640, GOLD_LIGHT, 0.12)
    return finish(render_svg(svg_doc(W, H, body, defs)), 201, vignette=0.4)


def frame(inner):
    """A picture card: the scene inside a brass frame with rounded corners."""
    w, h = CARD
    defs = ('<clipPath id="in">%s</clipPath>' % rrect(14, 14, w - 28, h - 28, 10) +
            lin_grad("rim", [(0, GOLD_LIGHT), (0.5, BRASS), (1, "#7A5418")], 1, 1) +
            '<filter id="soft" x="-50%" y="-50%" width="200%" height="200%"><feGaussianBlur stdDeviation="6"/>'
            '</filter>')
    body = rrect(4, 4, w - 8, h - 8, 18, 'fill="url(#rim)" stroke="%s" stroke-width="2"' % INK)
    body += '<g clip-path="url(#in)">%s</g>' % inner
    body += rrect(14, 14, w - 28, h - 28, 10, 'fill="none" stroke="%s" stroke-opacity="0.8" stroke-width="2"' % INK)
    return render_svg(svg_doc(w, h, body, defs))


def dusk_fill(top="#2B3560", bottom="#8A5A7A"):
    w, h = CARD
    return ('<defs>%s</defs><rect width="%d" height="%d" fill="url(#bg)"/>'
            % (lin_grad("bg", [(0, top), (1, bottom)]), w, h))


def home():
    """The four banners round the scroll: the game's own page."""
    s = dusk_fill()
    s += glow(150, 150, 70, GOLD_LIGHT, 0.5)
    for k, (x, y, col) in enumerate(((70, 90, BERRY), (230, 90, LEAF), (70, 200, DUSK), (230, 200, BRASS))):
        s += ('<path d="M %g %g h 40 v 46 l -20 -10 l -20 10 Z" fill="%s" %s/>' % (x - 20, y - 25, col, sc.OUT))
        s += '<rect x="%g" y="%g" width="48" height="5" rx="2" fill="%s" %s/>' % (x - 24, y - 28, WALNUT, sc.OUT)
    s += '<rect x="100" y="118" width="100" height="64" fill="%s" %s/>' % (PARCHMENT, sc.OUT)
    for y in (112, 176):
        s += '<rect x="94" y="%d" width="112" height="12" rx="6" fill="%s" %s/>' % (y, BRASS, sc.OUT)
    for y in (136, 150, 164):
        s += '<path d="M 112 %d H 188" stroke="%s" stroke-width="2" stroke-dasharray="8 4"/>' % (y, PARCHMENT_SHADE)
    return frame(s)


def picross():
    """A small nonogram with its clues, a heart half filled in."""
    s = dusk_fill("#3A4470", "#5B4A8A")
    heart = ["01100110", "11111111", "11111111", "11111111", "01111110", "00111100", "00011000", "00000000"]
    x0, y0, c = 100, 78, 20
    s += '<rect x="%d" y="%d" width="%d" height="%d" fill="%s"/>' % (x0, y0, 8 * c, 8 * c, PARCHMENT)
    for r, row in enumerate(heart):
        for col, bit in enumerate(row):
            if bit == "1" and (r + col) < 10:
                s += '<rect x="%d" y="%d" width="%d" height="%d" fill="%s"/>' % (x0 + col * c + 1, y0 + r * c + 1,
                                                                               c - 2, c - 2, BERRY)
    for k in range(9):
        s += '<path d="M %d %d V %d M %d %d H %d" stroke="%s" stroke-width="1.2"/>' % (
            x0 + k * c, y0, y0 + 8 * c, x0, y0 + k * c, x0 + 8 * c, INK)
    for r in range(5):  # clue marks: dots where the digits would stand
        s += '<circle cx="%d" cy="%d" r="4" fill="%s"/>' % (x0 - 16, y0 + r * c + c // 2, GOLD)
        s += '<circle cx="%d" cy="%d" r="4" fill="%s"/>' % (x0 + r * c + c // 2, y0 - 16, GOLD)
    return frame(s)


def fill():
    """Coloured number cells of the Fill rules on a stone board."""
    s = dusk_fill("#2E3F45", "#4F6E4A")
    rnd = random.Random(211)
    colours = (BERRY, LEAF, "#2D64D2", "#F2CE5A")
    x0, y0, c = 60, 50, 45
    for r in range(4):
        for col in range(4):
            x, y = x0 + col * c, y0 + r * c
            paint = rnd.random() < 0.55
            s += rrect(x + 2, y + 2, c - 4, c - 4, 5, 'fill="%s" %s' % (rnd.choice(colours) if paint else "#BFB095",
                                                                         sc.OUT))
            if rnd.random() < 0.35:
                s += '<circle cx="%d" cy="%d" r="8" fill="#FFFFFF" fill-opacity="0.85" %s/>' % (
                    x + c // 2, y + c // 2, sc.OUT)
    return frame(s)


def credits():
    """The credits: a written page on the desk, its wax seal and a quill."""
    s = dusk_fill("#4A2E1C", "#2E1C12")
    s += rrect(50, 40, 200, 200, 8, 'fill="%s" %s' % (PARCHMENT, sc.OUT))
    rnd = random.Random(211)
    for k in range(7):  # lines of writing, the first a heading
        y = 66 + k * 22
        w = 110 if k == 0 else rnd.randrange(110, 160)
        s += '<rect x="%d" y="%d" width="%d" height="%d" rx="2" fill="%s" fill-opacity="%g"/>' % (
            150 - w // 2, y, w, 6 if k == 0 else 4, INK, 0.75 if k == 0 else 0.45)
    s += '<circle cx="200" cy="212" r="18" fill="%s" %s/>' % (BERRY, sc.OUT)
    s += '<circle cx="200" cy="212" r="10" fill="none" stroke="%s" stroke-width="2"/>' % GOLD_LIGHT
    s += ('<path d="M 250 40 Q 200 100 170 190 L 176 194 Q 220 110 262 52 Z" fill="#F6F2E8" %s/>' % sc.OUT)
    s += '<path d="M 170 190 L 164 206 L 176 194 Z" fill="%s"/>' % INK
    return frame(s)


def label(highlight):
    """The ornament under each picture: a brass flourish, two scrolls either
    side of a diamond, that sets the picture on its stand like a gallery's
    rail. It carries no mark of a button or a link, since only the picture
    opens the page; the highlight (the picture under the pointer) glows."""
    w, h = 120, 44
    metal = GOLD_LIGHT if highlight else BRASS
    defs = '<filter id="g" x="-30%" y="-80%" width="160%" height="260%"><feGaussianBlur stdDeviation="4"/></filter>'
    s = ""
    if highlight:
        s += '<ellipse cx="60" cy="22" rx="46" ry="9" fill="%s" fill-opacity="0.7" filter="url(#g)"/>' % GOLD
    line = 'fill="none" stroke="%s" stroke-width="%g" stroke-linecap="round" stroke-linejoin="round"'
    for sign in (-1, 1):  # a scroll to each side, curling back under itself
        d = ("M %g 22 C %g 22 %g 16 %g 16 C %g 16 %g 22 %g 24 C %g 27 %g 27 %g 24"
             % (60 + 10 * sign, 60 + 26 * sign, 60 + 34 * sign, 60 + 44 * sign, 60 + 50 * sign,
                60 + 50 * sign, 60 + 46 * sign, 60 + 43 * sign, 60 + 39 * sign, 60 + 39 * sign))
        s += '<path d="%s" %s/>' % (d, line % (INK, 5))
        s += '<path d="%s" %s/>' % (d, line % (metal, 2.5))
    s += '<path d="M 60 14 L 68 22 L 60 30 L 52 22 Z" fill="%s" stroke="%s" stroke-width="2"/>' % (metal, INK)
    return render_svg(svg_doc(w, h, s, defs))


def layout():
    """PREV and NEXT on the floor board below the row, EXIT at the right."""
    ref = "[txt/#LANG#/more.txt|%d]"
    kit = layouts.KIT
    text = layouts.caption_class("moreCaption", 24)
    text += layouts.plate("PREV", 262, 660, kit + "dialog_wood", ref % 2, "moreCaption")
    text += layouts.plate("NEXT", 442, 660, kit + "dialog_wood", ref % 3, "moreCaption")
    text += layouts.plate("EXIT", 814, 660, kit + "dialog_berry", ref % 1, "moreCaption")
    layouts.write("gfx/gui/more/en/more.gui", text)


def data():
    body = [("i", len(ENTRIES))]
    for k, (picture, page) in enumerate(ENTRIES, 1):
        body.append(("game%d" % k, [("id", k), ("title", TITLE_LINE + k - 1), ("gfx", "gfx/gui/more/%s.png" % picture),
                                    ("url", ADDRESS_BASE + page)]))
    tables.write("data/MORE_GAMES.dat", "games", body)


def make_all():
    save_jpg(back(), "gfx/gui/more/back.jpg", 85)
    save_png(label(False), "gfx/gui/more/read.png")
    save_png(label(True), "gfx/gui/more/read2.png")
    for name, make in (("home", home), ("picross", picross), ("fill", fill), ("credits", credits)):
        save_png(make(), "gfx/gui/more/%s.png" % name)
    layout()
    data()
    pages.make_all()


if __name__ == "__main__":
    make_all()
