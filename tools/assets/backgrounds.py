"""Full-screen pictures: the loading screen and the level backgrounds (lands
1 and 2 here, the others in land_scenes.py). Painted as SVG layers, then
given paper grain and a vignette."""

import random

import numpy as np
from PIL import Image, ImageDraw, ImageFilter, ImageFont

import places
import scenery as sc
import gui_core
from kit import (FONT1, INK, hexrgb, PARCHMENT, GOLD, GOLD_LIGHT, TEAL, mix, lin_grad, rad_grad,
                 render_svg, save_jpg, svg_doc)

W, H = 1024, 768
# Luminance the bright scenes are squeezed towards where the Picross clues stand.
CLUE_CAP = 0.17
# Luminance the credits' background is held under behind the roll.
CREDITS_CAP = 0.036
# The moon of the Whispering Wood, which the credits roll over: its glow
# (60 px) keeps left of the widest line of the roll.
CREDITS_MOON = (118, 178)


def common_defs(sky, light_xy, light_col, light_r=0.5):
    return (lin_grad("sky", sky) +
            rad_grad("sun", [(0, light_col, 0.85), (0.25, light_col, 0.35), (1, light_col, 0)],
                     light_xy[0], light_xy[1], light_r) +
            rad_grad("portalGlow", [(0, TEAL, 0.75), (0.4, TEAL, 0.25), (1, TEAL, 0)]) +
            '<filter id="cloudBlur" x="-20%" y="-50%" width="140%" height="200%">'
            '<feGaussianBlur stdDeviation="9"/></filter>'
            '<filter id="soft" x="-50%" y="-50%" width="200%" height="200%"><feGaussianBlur stdDeviation="6"/></filter>'
            '<filter id="haze" x="-5%" y="-5%" width="110%" height="110%"><feGaussianBlur stdDeviation="1.6"/></filter>')


def haze(y0, y1, colour, opacity, gid="hz"):
    """A band of mist that fades in and out, without hard edges."""
    grad = lin_grad(gid, [(0, colour, 0), (0.5, colour, opacity), (1, colour, 0)])
    return ('<defs>%s</defs><rect x="0" y="%g" width="%d" height="%g" fill="url(#%s)"/>'
            % (grad, y0, W, y1 - y0, gid))


def squeeze_light(a, m, cap):
    """Compresses the picture in linear light towards the luminance cap where
    the mask m is 1, keeping hue; dark parts barely change."""
    lin = np.where(a <= 10.31, a / 3294.6, ((a / 255.0 + 0.055) / 1.055) ** 2.4)
    lum = np.maximum(lin @ np.array([0.2126, 0.7152, 0.0722], np.float32), 1e-4)
    squeezed = lum / (1 + lum / cap)
    lin = lin * (1 - m + m * squeezed / lum)[..., None]
    return np.where(lin <= 0.0031308, lin * 3294.6, (1.055 * np.clip(lin, 0, 1) ** (1 / 2.4) - 0.055) * 255.0)


def shade_clue_area(a, xx, yy, cap):
    """Bright parts of the area where Picross clues stand (left of and above
    boards of every size, centred on (420, 384)) are squeezed so that the
    yellow clue digits stand out at least 4.5:1 in luminance."""
    # flat over the clue area, fading without an edge towards the frame
    return squeeze_light(a, np.exp(-(((xx - 405) / 560) ** 6 + ((yy - 368) / 500) ** 6)), cap)


def shade_credits_column(a, xx, yy, spare):
    """The credits roll up the middle in tints from magenta over blue to cyan
    (the darkest about 0.24 in luminance): the column they cross, lines of
    up to 640 px, is held below CREDITS_CAP so that every tint reads 3:1;
    the disc spare (x, y, r), the moon, keeps its light."""
    m = np.exp(-(np.clip(np.abs(xx - W / 2) - 340, 0, None) / 90) ** 2)
    sx, sy, sr = spare
    m *= np.clip((np.hypot(xx - sx, yy - sy) - sr) / 24, 0, 1)
    return squeeze_light(a, m, CREDITS_CAP)


def finish(img, seed, vignette=0.35, grain=3.0, calm=0.0, clue_cap=0.0, credits_spare=None):
    """Paper grain, a soft vignette and, for level backgrounds, a calmer
    middle where the board stands; clue_cap, when given, darkens a bright
    scene where the Picross clues stand, credits_spare the column of the
    credits roll but for that disc."""
    a = np.asarray(img.convert("RGB")).astype(np.float32)
    yy, xx = np.mgrid[0:H, 0:W].astype(np.float32)
    dx, dy = (xx - W / 2) / (W / 2), (yy - H / 2) / (H / 2)
    d2 = dx * dx + dy * dy
    a *= (1.0 - vignette * np.clip(d2 - 0.25, 0, None) / 1.75)[..., None]
    if calm:
        mean = a.mean(axis=2, keepdims=True)
        k = (calm * np.exp(-((xx - 440) / 330) ** 2 - ((yy - 390) / 260) ** 2))[..., None]
        a = a * (1 - k) + (mean * 0.35 + a * 0.65) * k
    if clue_cap:
        a = shade_clue_area(a, xx, yy, clue_cap)
    if credits_spare:
        a = shade_credits_column(a, xx, yy, credits_spare)
    rnd = np.random.RandomState(seed)
    noise = rnd.normal(0, 1, (H // 2, W // 2)).astype(np.float32)
    noise = np.kron(noise, np.ones((2, 2), np.float32)) * grain
    a += noise[..., None]
    return Image.fromarray(np.clip(a, 0, 255).astype(np.uint8))


def meadow():
    """1: a meadow morning with standing stones and a far portal."""
    defs = common_defs([(0, "#8FB4D8"), (0.45, "#F3D9B0"), (0.62, "#F8E4C0")], (0.72, 0.36), "#FFF1C8", 0.45)
    body = '<rect width="%d" height="%d" fill="url(#sky)"/><rect width="%d" height="%d" fill="url(#sun)"/>' % (W, H, W, H)
    body += sc.clouds(4, 7, 60, 250, "#FFFFFF", 0.55)
    far = sc.ridge(11, 400, 40, waves=3)
    body += sc.hill(far, "#A9B7C9", extra='filter="url(#haze)"')
    mid = sc.ridge(12, 470, 36, waves=4)
    body += sc.hill(mid, "#93AE7A")
    body += sc.portal(770, sc.height_at(mid, 770) + 6, 90, 70, "#9C99A8")
    body += haze(380, 520, "#F8E8C8", 0.18)
    near = sc.ridge(13, 600, 30, waves=3)
    for x in (40, 95, 150, 905, 965):
        body += sc.round_tree(x, sc.height_at(near, x) + 12, 120 + (x % 50), "#5E8C45", x)
    body += sc.hill(near, "#6F9A4E", extra=sc.OUT)
    for x, h, t in ((120, 95, -4), (195, 70, 3), (880, 85, 5)):
        body += sc.stone(x, sc.height_at(near, x) + 20, h * 0.55, h, t, "#8E8A9A")
    front = sc.ridge(14, 700, 16, waves=2)
    body += sc.hill(front, "#557E3C", extra=sc.OUT)
    body += ''.join(sc.flag(x, foot, places.FLAG_HEIGHT, c, w) for x, foot, c, w in places.BACKGROUND_FLAGS["1"])
    rnd = random.Random(15)
    for _ in range(120):  # flowers in the near grass
        x, y = rnd.uniform(0, W), rnd.uniform(640, 768)
        if y < sc.height_at(front, x) + 8:
            continue
        c = rnd.choice(("#F3E3C0", "#F8E08A", "#D86C5E", "#C7B3E0"))
        body += '<circle cx="%g" cy="%g" r="%g" fill="%s" fill-opacity="0.9"/>' % (x, y, rnd.uniform(1.8, 3.2), c)
    return finish(render_svg(svg_doc(W, H, body, defs)), 1, calm=0.25, clue_cap=CLUE_CAP)


def twilight(seed=2, calm=0.25, moon=CREDITS_MOON, credits=False, clue_cap=CLUE_CAP):
    """2: the Whispering Wood: pines under a crescent moon and stars, fireflies,
    and a portal half awake in the clearing (the credits roll over it too).
    The moon stands clear of the preview's frame and of its flag, and left
    of every line of the credits roll, which spans x 200 to 824."""
    defs = common_defs([(0, "#141A38"), (0.5, "#2B3560"), (0.78, "#5B4A8A"), (1, "#8A5A7A")],
                       (0.5, 0.78), "#F0A070", 0.55)
    body = '<rect width="%d" height="%d" fill="url(#sky)"/><rect width="%d" height="%d" fill="url(#sun)"/>' % (W, H, W, H)
    body += sc.stars(seed, 170, 430)
    # a crescent: the moon's disc with a shifted disc cut away
    body += ('<mask id="crescent"><circle cx="%d" cy="%d" r="38" fill="#FFFFFF"/>'
             '<circle cx="%d" cy="%d" r="34" fill="#000000"/></mask>' % (moon[0], moon[1], moon[0] + 16, moon[1] - 10))
    body += ('<circle cx="%d" cy="%d" r="60" fill="#FFF3D6" fill-opacity="0.12" filter="url(#soft)"/>'
             % moon)
    body += '<circle cx="%d" cy="%d" r="38" fill="#FFF3D6" mask="url(#crescent)"/>' % moon
    body += sc.clouds(seed + 5, 5, 200, 380, "#9A7BB0", 0.35)
    far = sc.ridge(seed + 21, 500, 45, waves=3)
    body += sc.hill(far, "#3A3E6E", extra='filter="url(#haze)"')
    body += sc.portal(512, sc.height_at(far, 512) + 40, 120, 95, "#4E4A70")
    near = sc.ridge(seed + 22, 620, 28)
    for x in (30, 90, 160, 230, 800, 870, 940, 1000):
        body += sc.pine(x, sc.height_at(near, x) + 15, 150 + (x * 7) % 60, "#1F3A35", 0.12)
    body += sc.hill(near, "#1E2C3A", extra=sc.OUT)
    rnd = random.Random(seed)
    for _ in range(40):  # fireflies
        x, y = rnd.uniform(0, W), rnd.uniform(520, 760)
        body += '<circle cx="%g" cy="%g" r="2.2" fill="%s" fill-opacity="0.8" filter="url(#haze)"/>' % (x, y, GOLD_LIGHT)
    return finish(render_svg(svg_doc(W, H, body, defs)), seed, vignette=0.45, calm=calm, clue_cap=clue_cap,
                  credits_spare=(moon[0], moon[1], 60) if credits else None)


def logo(img):
    """The game's name on the loading picture."""
    text = "Sorvanta"
    font = ImageFont.truetype(FONT1, 124)
    x0, y0, x1, y1 = font.getbbox(text)
    tw, th = x1 - x0, y1 - y0
    x, y = (W - tw) // 2 - x0, 96 - y0
    layer = Image.new("RGBA", img.size, (0, 0, 0, 0))
    d = ImageDraw.Draw(layer)
    d.text((x, y), text, font=font, fill=(127, 227, 224, 255))
    glow = layer.filter(ImageFilter.GaussianBlur(18))
    img.alpha_composite(glow)
    img.alpha_composite(glow)
    shadow = Image.new("RGBA", img.size, (0, 0, 0, 0))
    ImageDraw.Draw(shadow).text((x + 4, y + 7), text, font=font, fill=(30, 16, 10, 170),
                                stroke_width=6, stroke_fill=(30, 16, 10, 170))
    img.alpha_composite(shadow.filter(ImageFilter.GaussianBlur(4)))
    # parchment letters in an ink rim, a gold lower half
    letters = Image.new("RGBA", img.size, (0, 0, 0, 0))
    ImageDraw.Draw(letters).text((x, y), text, font=font, fill=(255, 255, 255, 255),
                                 stroke_width=5, stroke_fill=(59, 36, 22, 255))
    fill = Image.new("RGBA", img.size, (0, 0, 0, 0))
    grad = np.zeros((H, W, 4), np.uint8)
    top, bot = np.array(hexrgb(PARCHMENT), np.float32), np.array(hexrgb(GOLD), np.float32)
    t = np.clip((np.arange(H) - y - th * 0.35) / (th * 0.7), 0, 1)[:, None]
    grad[..., :3] = (top * (1 - t) + bot * t)[:, None, :].astype(np.uint8)
    grad[..., 3] = 255
    fill = Image.fromarray(grad, "RGBA")
    inner = Image.new("L", img.size, 0)
    ImageDraw.Draw(inner).text((x, y), text, font=font, fill=255)
    img.alpha_composite(letters)
    img.paste(fill, (0, 0), inner)
    return img


def loading():
    img = twilight(seed=9, calm=0.0, moon=(900, 300), clue_cap=0.0).convert("RGBA")
    img = logo(img)
    band = Image.new("RGBA", (W, H), (0, 0, 0, 0))
    a = np.zeros((H, W, 4), np.uint8)
    a[..., :3] = hexrgb(INK)
    a[..., 3] = (np.clip((np.arange(H) - 600) / 168.0, 0, 1) ** 1.3 * 200).astype(np.uint8)[:, None]
    band = Image.fromarray(a, "RGBA")
    img.alpha_composite(band)
    groove = gui_core.loading_groove()
    img.alpha_composite(groove, (512 - groove.width // 2, 710 - groove.height // 2))
    return img


def make_all():
    save_jpg(loading(), "gfx/gui/loading/back.jpg")
    save_jpg(meadow(), "gfx/backgrounds/background_1.jpg")
    save_jpg(twilight(credits=True), "gfx/backgrounds/background_2.jpg")


if __name__ == "__main__":
    make_all()
