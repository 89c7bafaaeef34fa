"""A contact sheet of the board for judging the cell assets without the
game: every cell size with a clue digit of every colour on an empty and on
a painted cell (black clues on black paint use the light digits), the
picture pieces, both board frames around a 3 x 3 board, and the palette as
seen with the three common colour-vision deficiencies. Reads the committed
tree; writes build/tmp/contact_sheet.png (not part of the assets).

  tools/assets/contact_sheet.py [OUT.png]"""

import os
import sys

import numpy as np
from PIL import Image, ImageDraw, ImageFont

import cells
import cvd
from kit import ASSETS, FONT2, ROOT, hexrgb

BG = (92, 78, 96)  # a dusky backdrop like the level backgrounds


def load(rel):
    return Image.open(os.path.join(ASSETS, rel)).convert("RGBA")


def tinted(img, rgb):
    a = np.asarray(img).astype(np.float32)
    a[..., :3] *= np.array(rgb, np.float32) / 255.0
    return Image.fromarray(a.astype(np.uint8), "RGBA")


def centred(sheet, img, x, y):
    sheet.alpha_composite(img, (int(x - img.width // 2), int(y - img.height // 2)))


def clue(sheet, x, y, digit, s, cid, rgb, painted_black=False):
    """Digit and satisfied dot the way the colour's number drawing places
    them: digit centred on the cell, dot's corner at (x + 0.26 w, y - 0.4 h)."""
    ds = max(s, 1)
    prefix = "gfx/numbers/b" if painted_black else "gfx/numbers/"
    num = load("%s%d_%d.png" % (prefix, digit, ds))
    dot = load("gfx/gui/game/%spoint%d.png" % ("b" if painted_black else "", s))
    if not painted_black:
        num, dot = tinted(num, rgb), tinted(dot, rgb)
    centred(sheet, num, x, y)
    sheet.alpha_composite(dot, (int(x + 0.26 * num.width), int(y - 0.4 * num.height)))


def colour_rows(sheet, y0, label):
    font = ImageFont.truetype(FONT2, 14)
    d = ImageDraw.Draw(sheet)
    y = y0
    for s in range(5):
        n = cells.CELL[s]
        d.text((8, y + n // 2 - 8), "%d: %dpx" % (s, n), font=font, fill=(255, 255, 255))
        x = 90
        for k, (cid, name, _paint, tint) in enumerate(cells.COLOURS):
            rgb = hexrgb(tint)
            empty = load("gfx/tiles/empty%d.png" % s)
            paint_img = load("gfx/tiles/colors/%s_a%d.png" % (name, s))
            centred(sheet, empty, x + n // 2, y + n // 2)
            clue(sheet, x + n // 2, y + n // 2, (k + 3) % 10, s, cid, rgb)
            centred(sheet, paint_img, x + n + n // 2, y + n // 2)
            clue(sheet, x + n + n // 2, y + n // 2, (k + 3) % 10, s, cid, rgb, painted_black=(cid == cells.BLACK_ID))
            x += 2 * n + 6
        # the cross on an empty cell and the cross entry over a colour
        centred(sheet, load("gfx/tiles/empty%d.png" % s), x + n // 2, y + n // 2)
        centred(sheet, load("gfx/tiles/x%d.png" % s), x + n // 2, y + n // 2)
        centred(sheet, load("gfx/tiles/colors/red_a%d.png" % s), x + n + n // 2, y + n // 2)
        centred(sheet, load("gfx/tiles/colors/cross_a%d.png" % s), x + n + n // 2, y + n // 2)
        y += n + 8
    d.text((8, y0 - 20), label, font=font, fill=(255, 255, 255))
    return y


def pieces_row(sheet, y):
    x = 90
    for k, (name, _c) in enumerate(cells.piece_colours()):
        img = load("gfx/tiles/pieces/%s_1.png" % name)
        sheet.alpha_composite(img, (x + (k % 27) * 42, y + (k // 27) * 42))
    return y + 2 * 42 + 10


def cvd_strip(sheet, y):
    """The painted cells of size 1 with their digits as each deficiency sees them."""
    font = ImageFont.truetype(FONT2, 14)
    d = ImageDraw.Draw(sheet)
    strip = Image.new("RGBA", (12 * 88 + 8, 50), BG + (255,))
    x = 4
    for k, (cid, name, _paint, tint) in enumerate(cells.COLOURS):
        rgb = hexrgb(tint)
        centred(strip, load("gfx/tiles/empty1.png"), x + 21, 25)
        clue(strip, x + 21, 25, (k + 3) % 10, 1, cid, rgb)
        centred(strip, load("gfx/tiles/colors/%s_a1.png" % name), x + 63, 25)
        clue(strip, x + 63, 25, (k + 3) % 10, 1, cid, rgb, painted_black=(cid == cells.BLACK_ID))
        x += 88
    named = [("empty", hexrgb(cells.EMPTY))] + [(n, hexrgb(p)) for _i, n, p, _t in cells.COLOURS]
    worst = cvd.closest_pairs(named)
    for kind in ("normal", "protan", "deutan", "tritan"):
        a = np.asarray(strip.convert("RGB")).astype(np.float64)
        sim = cvd.simulate(a.reshape(-1, 3), kind).reshape(a.shape)
        sheet.paste(Image.fromarray(np.clip(sim, 0, 255).astype(np.uint8)), (90, y))
        dist, p, q = worst[kind]
        d.text((8, y + 16), kind, font=font, fill=(255, 255, 255))
        d.text((90 + strip.width + 8, y + 16), "closest: %s/%s %.1f" % (p, q, dist), font=font, fill=(255, 255, 255))
        y += 54
    return y


def fill_frame(sheet, cx, cy, s=1, rows=3, cols=3):
    """A Fill board of 3 x 3 with its ornate frame."""
    n = cells.CELL[s]
    left, top = cx - cols * n // 2, cy - rows * n // 2
    for r in range(rows):
        for c in range(cols):
            name = ["red", "yellow", "sky"][(r + c) % 3]
            img = load("gfx/tiles/empty%d.png" % s) if (r * cols + c) % 2 else load("gfx/tiles/colors/%s_a%d.png" % (name, s))
            sheet.alpha_composite(img, (left + c * n, top + r * n))
    fill_frame_at(sheet, left, top, left + cols * n, top + rows * n)


def fill_frame_at(sheet, L, T, R, B):
    """The ornate frame placed as the play screen places it around a board
    whose pixels run from (L, T) to (R - 1, B - 1)."""
    piece = {k: load("gfx/gui/game/frame_%s.png" % k) for k in
             ("LU", "U", "RU", "L", "R", "LD", "D", "RD", "ornament_u", "ornament_l", "ornament_r", "ornament_d")}

    def put(img, x, y, hx, hy, sx=1.0, sy=1.0):
        if sx != 1.0 or sy != 1.0:
            img = img.resize((max(1, int(round(img.width * sx))), max(1, int(round(img.height * sy)))), Image.BILINEAR)
            hx, hy = hx * sx, hy * sy
        sheet.alpha_composite(img, (int(x - hx), int(y - hy)))
    lu, ru, ld = piece["LU"], piece["RU"], piece["LD"]
    fx1, fy1 = L - 29 + lu.width - 1, T
    fx2, fy2 = R - 53 + 1, B
    fx3, fy3 = L, T - 29 + lu.height
    fx4, fy4 = R, B - 53
    fsx = (fx2 - fx1) / float(piece["U"].width)
    fsy = (fy4 - fy3) / float(piece["L"].height)
    put(lu, L, T, 29, 29)
    put(ru, R - 1, T, 53, 29)
    put(ld, L, B - 1, 29, 53)
    put(piece["RD"], R - 1, B - 1, 53, 53)
    put(piece["U"], fx1, fy1, 0, 7, fsx, 1)
    put(piece["D"], fx1, fy2 - 1, 0, 0, fsx, 1)
    put(piece["L"], fx3, fy3, 7, 0, 1, fsy)
    put(piece["R"], fx4 - 1, fy3, 0, 0, 1, fsy)
    midx, midy = fx1 + (fx2 - fx1) / 2, fy3 + (fy4 - fy3) / 2
    put(piece["ornament_u"], midx, fy1 - 5, 29, 25)
    put(piece["ornament_d"], midx, fy2 + 5, 29, 0)
    put(piece["ornament_l"], fx3 - 5, midy, 25, 29)
    put(piece["ornament_r"], fx4 + 5, midy, 0, 29)


def picross_frame(sheet, cx, cy, s=1, rows=3, cols=3):
    """A Picross board of 3 x 3 inside the window frame, some cells
    covered, some uncovered, some acted on and empty."""
    n = cells.CELL[s]
    x0, y0 = cx - cols * n // 2 + n // 2, cy - rows * n // 2 + n // 2  # centre of cell (0, 0)
    picross_frame_at(sheet, x0, y0, rows, cols, s)
    for r in range(rows):
        for c in range(cols):
            if (r + c) % 3 == 0:
                continue  # acted empty cells show the board behind them
            name = "empty%d.png" % s if (r + c) % 3 == 1 else None
            im = load("gfx/tiles/" + name) if name else load("gfx/tiles/pieces/%s_%d.png" % (["green2", "sky2", "orange2"][c], s))
            centred(sheet, im, x0 + c * n, y0 + r * n)


def picross_frame_at(sheet, x0, y0, rows, cols, s):
    """The window frame (drawn at half alpha behind the cells) and the grid
    lines, for a grid whose cell (0, 0) is centred on (x0, y0)."""
    n = cells.CELL[s]
    gx = lambda k: x0 + k * n + (k // 5) * 2  # noqa: E731
    gy = lambda k: y0 + k * n + (k // 5) * 2  # noqa: E731
    fx, fy = x0 - n // 2 + 11, y0 - n // 2 + 10
    fw, fh = gx(cols - 1) + n / 2 - 10 - fx, gy(rows - 1) + n / 2 - 10 - fy
    layer = Image.new("RGBA", sheet.size, (0, 0, 0, 0))
    names = ["lg", "g", "pg", "l", "s", "p", "ld", "d", "pd"]
    img = {k: load("gfx/gui/game/frame/okno_%s.png" % k) for k in names}
    hand = {"lg": (21, 20), "g": (0, 20), "pg": (0, 20), "l": (21, 0), "ld": (21, 0)}

    def put(k, x, y, sx=1.0, sy=1.0):
        im = img[k]
        hx, hy = hand.get(k, (0, 0))
        if sx != 1.0 or sy != 1.0:
            im = im.resize((max(1, int(round(im.width * sx))), max(1, int(round(im.height * sy)))), Image.BILINEAR)
            hx, hy = hx * sx, hy * sy
        layer.alpha_composite(im, (int(x - hx), int(y - hy)))
    put("lg", fx, fy)
    put("pg", fx + fw, fy)
    put("ld", fx, fy + fh)
    put("pd", fx + fw, fy + fh)
    put("g", fx, fy, fw / img["g"].width, 1)
    put("d", fx, fy + fh, fw / img["d"].width, 1)
    put("l", fx, fy, 1, fh / img["l"].height)
    put("p", fx + fw, fy, 1, fh / img["p"].height)
    put("s", fx, fy, fw / img["s"].width, fh / img["s"].height)
    a = np.asarray(layer).copy()
    a[..., 3] = (a[..., 3] * 0.5).astype(np.uint8)
    sheet.alpha_composite(Image.fromarray(a, "RGBA"))
    d = ImageDraw.Draw(sheet, "RGBA")
    hw = n // 2
    gh, gw = rows * n + ((rows - 1) // 5) * 2, cols * n + ((cols - 1) // 5) * 2
    for k in range(cols + 1):
        x = x0 + k * n + int(k * 0.4) - hw - (2 if k % 5 == 0 else 1)
        d.rectangle((x, y0 - hw, x + 1, y0 - hw + gh - 1), fill=(0, 0, 0, 128 if k % 5 == 0 else 51))
    for k in range(rows + 1):
        y = y0 + k * n + int(k * 0.4) - hw - (2 if k % 5 == 0 else 1)
        d.rectangle((x0 - hw, y, x0 - hw + gw - 1, y + 1), fill=(0, 0, 0, 128 if k % 5 == 0 else 51))


def main(out):
    sheet = Image.new("RGBA", (1560, 1000), BG + (255,))
    y = colour_rows(sheet, 30, "clue digits of every colour on empty and painted cells, sizes 0-4")
    y = pieces_row(sheet, y + 10)
    y = cvd_strip(sheet, y + 6)
    if os.path.exists(os.path.join(ASSETS, "gfx/gui/game/frame_LU.png")):
        fill_frame(sheet, 300, y + 100)
        picross_frame(sheet, 700, y + 100)
    os.makedirs(os.path.dirname(out), exist_ok=True)
    sheet.convert("RGB").save(out)
    print("wrote %s" % out)


if __name__ == "__main__":
    main(sys.argv[1] if len(sys.argv) > 1 else os.path.join(ROOT, "build", "tmp", "contact_sheet.png"))
