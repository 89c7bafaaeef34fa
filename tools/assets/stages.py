"""Map markers (a brass-rimmed badge with the land's pennant, and its lit
hover twin) and stage previews (the land's play background framed as a
storybook vignette with its flag) for every land of tools/campaign/lands.py."""

import os
import sys

from PIL import Image, ImageDraw, ImageFilter, ImageFont

import kit

sys.path.insert(0, os.path.join(kit.ROOT, "tools", "campaign"))
import lands  # noqa: E402

MARKER = 80   # px, square
SS = 4        # supersampling for soft edges
FLAGS = [kit.LEAF_LIGHT, kit.LEAF, kit.TEAL, kit.EMBER, kit.BERRY, kit.OAK_LIGHT, kit.PARCHMENT, kit.VIOLET,
         kit.GOLD, kit.DUSK]
PREVIEW = (790, 450)


def rgb(h, a=255):
    return kit.hexrgb(h) + (a,)


def flag(draw, x, y, pole, colour, scale):
    """A pole from (x, y) down `pole` px with a two-tailed pennant at its top."""
    s = scale
    draw.rounded_rectangle((x - 2 * s, y, x + 2 * s, y + pole), radius=2 * s, fill=rgb(kit.INK))
    draw.rounded_rectangle((x - 1 * s, y + s, x + 1 * s, y + pole - s), radius=s, fill=rgb(kit.OAK_LIGHT))
    cloth = [(x + 2 * s, y + 2 * s), (x + 30 * s, y + 8 * s), (x + 22 * s, y + 13 * s), (x + 30 * s, y + 19 * s),
             (x + 2 * s, y + 24 * s)]
    draw.polygon(cloth, fill=rgb(colour), outline=rgb(kit.INK), width=2 * s)
    draw.ellipse((x - 4 * s, y - 4 * s, x + 4 * s, y + 4 * s), fill=rgb(kit.BRASS), outline=rgb(kit.INK), width=s)


def marker(stage, lit):
    n = MARKER * SS
    img = Image.new("RGBA", (n, n), (0, 0, 0, 0))
    if lit:  # a soft golden halo behind the badge
        halo = Image.new("RGBA", (n, n), (0, 0, 0, 0))
        ImageDraw.Draw(halo).ellipse((2 * SS, 2 * SS, n - 2 * SS, n - 2 * SS), fill=rgb(kit.GOLD, 200))
        img = Image.alpha_composite(img, halo.filter(ImageFilter.GaussianBlur(4 * SS)))
    d = ImageDraw.Draw(img)
    c, r = n // 2, 30 * SS
    d.ellipse((c - r, c - r, c + r, c + r), fill=rgb(kit.INK))
    r2 = r - 2 * SS
    d.ellipse((c - r2, c - r2, c + r2, c + r2), fill=rgb(kit.GOLD_LIGHT if lit else kit.BRASS))
    r3 = r2 - 4 * SS
    d.ellipse((c - r3, c - r3, c + r3, c + r3), fill=rgb(kit.PARCHMENT if lit else kit.PARCHMENT_SHADE),
              outline=rgb(kit.INK), width=SS)
    flag(d, c - 8 * SS, c - 17 * SS, 34 * SS, FLAGS[(stage - 1) % len(FLAGS)], SS)
    return img.resize((MARKER, MARKER), Image.LANCZOS)


def preview(stage):
    land = lands.LANDS[stage - 1]
    back = Image.open(os.path.join(kit.ASSETS, "gfx/backgrounds/background_%s.jpg" % land["background"])).convert("RGB")
    w, h = PREVIEW
    scale = max(w / back.width, h / back.height)
    back = back.resize((round(back.width * scale), round(back.height * scale)), Image.LANCZOS)
    left, top = (back.width - w) // 2, (back.height - h) // 2
    img = back.crop((left, top, left + w, top + h)).convert("RGBA")
    # Warm dusk vignette towards the edges.
    shade = Image.new("L", PREVIEW, 0)
    ImageDraw.Draw(shade).rectangle((0, 0, w, h), outline=170, width=36)
    shade = shade.filter(ImageFilter.GaussianBlur(30))
    img = Image.composite(Image.new("RGBA", PREVIEW, rgb(kit.WALNUT_DARK)), img, shade)
    big = Image.new("RGBA", (w * 2, h * 2), (0, 0, 0, 0))
    flag(ImageDraw.Draw(big), w * 2 - 280, 90, 260, FLAGS[(stage - 1) % len(FLAGS)], 6)
    img = Image.alpha_composite(img, big.resize(PREVIEW, Image.LANCZOS))
    d = ImageDraw.Draw(img)
    d.rectangle((0, 0, w - 1, h - 1), outline=rgb(kit.INK), width=4)
    d.rectangle((4, 4, w - 5, h - 5), outline=rgb(kit.BRASS), width=3)
    return img.convert("RGB")


def wrapped_lines(text, font):
    """The stage screen's wrap: words joined while the line stays under 681 px."""
    lines, line = [], ""
    for word in text.split(" "):
        if not word.strip():
            continue
        if font.getlength(line + " " + word) < 681:
            line += " " + word
        else:
            lines.append(line)
            line = word
    return lines + [line]


def check_pages():
    font = ImageFont.truetype(kit.FONT1, 24)
    for stage, land in enumerate(lands.LANDS, 1):
        n = len(wrapped_lines(land["page"], font))
        if n > 5:
            raise SystemExit("story page %d wraps to %d lines, more than 5" % (stage, n))


def make_all():
    check_pages()
    for stage in range(1, len(lands.LANDS) + 1):
        img, over = lands.marker_paths(stage)
        kit.save_png(marker(stage, False), img)
        kit.save_png(marker(stage, True), over)
        kit.save_jpg(preview(stage), lands.preview_path(stage))
