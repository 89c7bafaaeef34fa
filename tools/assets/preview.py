"""Mock screenshots of the core's screens, composed the way the game draws
them (fixed positions of the code, widgets from the layouts), for judging
the pictures without running the game. Writes PNGs to the folder given
(default /tmp/sorvanta-preview)."""

import os
import sys

from PIL import Image, ImageDraw, ImageFont

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "check"))
import formats  # noqa: E402
from kit import ASSETS, FONT1  # noqa: E402


def img(rel):
    return Image.open(os.path.join(ASSETS, rel)).convert("RGBA")


def font(size):
    return ImageFont.truetype(FONT1, size)


def text_line(ref):
    path, n = formats.split(ref[1:-1], "|")[:2]
    with open(os.path.join(ASSETS, path.replace("#LANG#", "en")), "rb") as f:
        return formats.text_lines(formats.load_text(f.read()))[int(n) - 1]


def draw_text(canvas, xy, text, size, colour):
    d = ImageDraw.Draw(canvas)
    d.text(xy, text, font=font(size), fill=colour)


def text_width(text, size):
    return int(font(size).getlength(text))


def draw_layout(canvas, rel, hidden=(), states=None):
    """Widgets at their POSITION, image centred, caption centred; states
    maps a widget id to "OVER" or "CLICK" to show that look."""
    with open(os.path.join(ASSETS, rel), "rb") as f:
        widgets, _c, _s, _e = formats.read_layout(formats.load_text(f.read()))
    with open(os.path.join(ASSETS, rel), "rb") as f:
        tokens = formats.load_text(f.read())
    for wid, sets in widgets:
        if wid in hidden:
            continue
        std = dict(sets[0])
        look = dict(std)
        state = (states or {}).get(wid)
        if state:
            idx = {"OVER": 1, "CLICK": 2}[state]
            if len(sets) > idx:
                look.update(dict(sets[idx]))
        if "GFX" not in std:
            continue
        pic = img(look["GFX"])
        x, y = [float(v) for v in std["POSITION"].split()[:2]]
        cx, cy = int(x + pic.width / 2), int(y + pic.height / 2)
        canvas.alpha_composite(pic, (cx - pic.width // 2, cy - pic.height // 2))
        if "TXT" in std:
            size = 22
            for line in tokens.split("\n"):
                if "FONT" in line and "|" in line:
                    size = int(line.split("|")[1])
                    break
            caption = text_line(look.get("TXT", std["TXT"]))
            dy = 2 if state == "CLICK" else 0
            w = text_width(caption, size)
            draw_text(canvas, (cx - w // 2, cy - (size + 4) // 2 + dy), caption, size, (255, 243, 214))


def dim(canvas, alpha):
    canvas.alpha_composite(Image.new("RGBA", canvas.size, (0, 0, 0, int(255 * alpha))))


def loading(out):
    c = img("gfx/gui/loading/back.jpg")
    fill, frame = img("gfx/gui/loading/pasek.png"), img("gfx/gui/loading/bar.png")
    part = fill.crop((0, 0, int(fill.width * 14 / 23), fill.height))
    c.alpha_composite(part, (512 - fill.width // 2, 710 - fill.height // 2))
    c.alpha_composite(frame, (512 - frame.width // 2, 710 - frame.height // 2))
    t = text_line("[txt/#LANG#/loading.txt|1]")
    draw_text(c, (512 - text_width(t, 28) // 2, 720), t, 28, (255, 255, 255))
    c.alpha_composite(img("gfx/cursor.png"), (600 - 2, 500 - 2))
    c.save(os.path.join(out, "loading.png"))


def wrap(text, size, width):
    words, lines, line = text.split(" "), [], ""
    for w in words:
        if text_width(line + " " + w, size) <= width:
            line = w if not line else line + " " + w
        else:
            lines.append(line.strip())
            line = w
    return lines + [line]


def popup(out):
    c = img("gfx/backgrounds/background_1.jpg")
    dim(c, 0.5)
    c.alpha_composite(img("gfx/gui/popUp/panel.png"), (265, 215))
    draw_layout(c, "gfx/gui/popUp/en/popUp.gui", states={"YES": "OVER"})
    msg = text_line("[txt/#LANG#/settings.txt|15]")
    for k, line in enumerate(wrap(msg, 42, 420)):
        draw_text(c, (310 + 210 - text_width(line, 42) // 2, 270 + k * 49), line, 42, (255, 255, 255))
    c.save(os.path.join(out, "popup.png"))


def options(out, from_menu, name, music=0.6, sound=0.35):
    c = img("gfx/backgrounds/background_%d.jpg" % (2 if from_menu else 1))
    dim(c, 0.5)
    vx = -10
    panel, title = img("gfx/gui/options/panel.png"), img("gfx/gui/options/title.png")
    c.alpha_composite(panel, (vx + 300, 110))
    c.alpha_composite(title, (vx + 300 + panel.width // 2 - title.width // 2, 110 - title.height // 2))
    gold, black, white = (255, 206, 34), (0, 0, 0), (255, 255, 255)
    lines = {n: text_line("[txt/#LANG#/settings.txt|%d]" % n) for n in (1, 2, 3, 10, 14)}
    for colour, off in ((black, 2), (None, 0)):
        draw_text(c, (512 - text_width(lines[14], 28) // 2 + off, 85 + off), lines[14], 28, colour or white)
        for n, top in ((2, 145), (1, 210)):
            draw_text(c, (512 - text_width(lines[n], 20) // 2 + off, top + off), lines[n], 20, colour or gold)
    draw_text(c, (vx + 420, 330), lines[3], 20, gold)
    draw_text(c, (vx + 420, 290), lines[10], 20, gold)
    hidden = {"ONW", "OFFW", "OFF", "OFFC"}
    hidden |= {"RESTART", "MAINMENU", "BACKTOMAP"} if from_menu else {"CREDITS", "PROFILE"}
    draw_layout(c, "gfx/gui/options/en/options.gui", hidden,
                {"OK": "OVER", "MAINMENU": "CLICK", "PLUS1": "OVER", "CREDITS": "OVER"})
    bar, bar2, knob = img("gfx/gui/options/bar.png"), img("gfx/gui/options/bar2.png"), img("gfx/gui/options/suwak.png")
    d = ImageDraw.Draw(c)
    for y, v in ((180, music), (250, sound)):
        c.alpha_composite(bar2, (vx + 340, y))
        d.rectangle((vx + 349, y + 7, vx + 349 + int(335 * v), y + 12), fill=gold)
        c.alpha_composite(bar, (vx + 340, y))
        c.alpha_composite(knob, (int(vx + 350 + 337 * v) - knob.width // 2, y + 10 - knob.height // 2))
    c.save(os.path.join(out, name))


def main():
    out = sys.argv[1] if len(sys.argv) > 1 else "/tmp/sorvanta-preview"
    os.makedirs(out, exist_ok=True)
    loading(out)
    popup(out)
    options(out, False, "options_game.png")
    options(out, True, "options_menu.png")


if __name__ == "__main__":
    main()
