"""Mock screenshots of the puzzle screens (a Fill level, a Picross level, the
lose panel and the level summary) composed at the code's fixed points from
the committed pictures, for judging them without the game. Writes PNGs to
the folder given (default build/tmp/preview)."""

import os
import random
import sys


import cells
import contact_sheet as cs
import preview as pv
from kit import ROOT


def side_panel(c, fill):
    panel = pv.img("gfx/gui/game/panel.png")
    c.alpha_composite(panel, (1024 - panel.width, 0))
    c.alpha_composite(pv.img("gfx/gui/game/en/hints.png"), (856, 410))
    pv.draw_layout(c, "gfx/gui/game/en/mainGame.gui", states={"SHOW": "OVER"})
    if fill:
        c.alpha_composite(pv.img("gfx/gui/game/en/colors.png"), (860, 200))
        frame = pv.img("gfx/gui/game/tileFrame.png")
        fw, fh = frame.size
        entries = [None] + cells.COLOURS[:5]
        for k, e in enumerate(entries):
            x, y = 879 + (k % 3) * (fw - 4), 266 + (k // 3) * (fh - 4)
            if e is None:
                cs.centred(c, pv.img("gfx/tiles/colors/red_a1.png"), x, y)
                cs.centred(c, pv.img("gfx/tiles/colors/cross_a1.png"), x + 2, y)
            else:
                cs.centred(c, pv.img("gfx/tiles/colors/%s_a1.png" % e[1]), x + 2, y)
            cs.centred(c, frame, x, y)
            if k == 1:
                chk = pv.img("gfx/gui/game/checked.png")
                c.alpha_composite(chk, (x, y - 2))
            if k == 3:
                cs.centred(c, pv.img("gfx/gui/game/tick.png"), x, y)
    else:
        tf = pv.img("gfx/gui/game/frame.png")
        fw, fh = tf.size
        cs.centred(c, pv.img("gfx/gui/game/reka-over.png"), 860 + fw // 2, 250 + fh // 2)
        cs.centred(c, pv.img("gfx/gui/game/hak-normal.png"), 940 + fw // 2, 250 + fh // 2)
        cs.centred(c, tf, 860 + fw // 2, 250 + fh // 2 - 5)
        c.alpha_composite(pv.img("gfx/gui/game/en/mistakes.png"), (856, 324))
        t = "2 / 5"
        w = pv.text_width(t, 26)
        pv.draw_text(c, (940 - w // 2 + 1, 361), t, 26, (0, 0, 0))
        pv.draw_text(c, (940 - w // 2, 360), t, 26, (255, 255, 255))
    for k in range(6):
        x, y = 828 + 56 * (k % 3 + 1), 470 + 50 * (k // 3)
        cs.centred(c, pv.img("gfx/gui/game/hint_%d.png" % (0 if k < 4 else 1)), x, y)
    if fill:
        but = pv.img("gfx/gui/game/button0.png")
        c.alpha_composite(but, (850, 510))
        cap = pv.text_line("[txt/en/mainGame.txt|4]")
        pv.draw_text(c, (850 + but.width // 2 - pv.text_width(cap, 24) // 2, 527), cap, 24, (0, 0, 0))


def fill_level(out, rows=10, cols=10, s=1):
    c = pv.img("gfx/backgrounds/background_1.jpg")
    n = cells.CELL[s]
    rnd = random.Random(3)
    left, top = 420 - cols * n // 2, 384 - rows * n // 2 - n // 2
    for r in range(rows):
        for col in range(cols):
            x, y = left + col * n + n // 2, top + r * n + n // 2
            cs.centred(c, pv.img("gfx/tiles/empty%d.png" % s), x, y)
            k = rnd.randrange(6)
            cid, name, _paint, _tint = cells.COLOURS[k]
            painted = rnd.random() < 0.4
            if painted:
                cs.centred(c, pv.img("gfx/tiles/colors/%s_a%d.png" % (name, s)), x, y)
            elif rnd.random() < 0.15:
                cs.centred(c, pv.img("gfx/tiles/x%d.png" % s), x, y)
            if rnd.random() < 0.35:
                cs.clue(c, x, y, rnd.randrange(10), s, cid, cells.hexrgb(paint),
                        painted_black=painted and cid == cells.BLACK_ID)
    cs.fill_frame_at(c, left, top, left + cols * n, top + rows * n)
    side_panel(c, True)
    c.convert("RGB").save(out)


def picross_level(out, rows=15, cols=15, s=2):
    c = pv.img("gfx/backgrounds/background_3.jpg")
    n = cells.CELL[s]
    rnd = random.Random(5)
    x0, y0 = 300, 200
    cs.picross_frame_at(c, x0, y0, rows, cols, s)
    for r in range(rows):
        for col in range(cols):
            x, y = x0 + col * n + (col // 5) * 2, y0 + r * n + (r // 5) * 2
            state = rnd.random()
            if state < 0.55:
                cs.centred(c, pv.img("gfx/tiles/empty%d.png" % s), x, y)
            elif state < 0.8:
                cs.centred(c, pv.img("gfx/tiles/pieces/%s_%d.png" % (rnd.choice(["green2", "green3", "sky2", "brown2"]), s)), x, y)
    for r in range(rows):
        for i, v in enumerate((3, 1, 4)[: 1 + r % 3]):
            t = str(v)
            w = pv.text_width(t, 24)
            xx, yy = x0 - ((i + 1) * n + 15), y0 + r * n + (r // 5) * 2
            pv.draw_text(c, (xx - w // 2 + 2, yy - 12 + 2), t, 24, (0, 0, 0))
            pv.draw_text(c, (xx - w // 2, yy - 12), t, 24, (255, 255, 0))
    side_panel(c, False)
    c.convert("RGB").save(out)


def lose(out):
    c = pv.img("gfx/backgrounds/background_3.jpg")
    pv.dim(c, 0.5)
    p = pv.img("gfx/gui/loseScreen/panel.png")
    cs.centred(c, p, 412, 384)
    t = pv.text_line("[txt/en/loseScreen.txt|1]")
    pv.draw_text(c, (412 - pv.text_width(t, 48) // 2, 200), t, 48, (0, 0, 0))
    pv.draw_layout(c, "gfx/gui/loseScreen/en/loseScreen.gui")
    c.convert("RGB").save(out)


def summary(out, stats):
    c = pv.img("gfx/backgrounds/background_1.jpg")
    cs.centred(c, pv.img("gfx/gui/levelSummary/panel.png"), 512, 410)
    n = 34
    for r in range(10):
        for col in range(10):
            name = ["green2", "sky2", "yellow2", "red2"][(r * 3 + col * 7) % 4]
            cs.centred(c, pv.img("gfx/tiles/pieces/%s_0.png" % name).resize((n, n)), 512 - 5 * n + col * n + n // 2,
                       350 - 5 * n + r * n + n // 2)
    name = "The Lantern on the Hill"
    w = pv.text_width(name, 24)
    pv.draw_text(c, (514 - w // 2, 542), name, 24, (0, 0, 0))
    pv.draw_text(c, (512 - w // 2, 540), name, 24, (255, 255, 255))
    hidden = ("STATS",) if stats else ("VIEW",)
    if stats:
        c.alpha_composite(pv.img("gfx/gui/levelSummary/in.png"), (295, 150))
        for k, (lab, val) in enumerate((("Score", "1250"), ("Mistakes", "2"), ("Time", "04:37"))):
            y = 220 + 80 * k
            pv.draw_text(c, (530 - pv.text_width(lab, 36) + 2, y + 2), lab, 36, (0, 0, 0))
            pv.draw_text(c, (530 - pv.text_width(lab, 36), y), lab, 36, (255, 206, 34))
            pv.draw_text(c, (562, y + 2), val, 36, (0, 0, 0))
            pv.draw_text(c, (560, y), val, 36, (255, 255, 255))
    pv.draw_layout(c, "gfx/gui/levelSummary/en/summary.gui", hidden=hidden)
    c.convert("RGB").save(out)


def main(folder):
    os.makedirs(folder, exist_ok=True)
    fill_level(os.path.join(folder, "play_fill.png"))
    picross_level(os.path.join(folder, "play_picross.png"))
    lose(os.path.join(folder, "lose.png"))
    summary(os.path.join(folder, "summary.png"), False)
    summary(os.path.join(folder, "summary_stats.png"), True)
    print("wrote previews to %s" % folder)


if __name__ == "__main__":
    main(sys.argv[1] if len(sys.argv) > 1 else os.path.join(ROOT, "build", "tmp", "preview"))
