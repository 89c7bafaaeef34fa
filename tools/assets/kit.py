"""Shared pieces of the asset pipeline: palette, paths, SVG rendering and
deterministic saving. Every generator imports this module."""

import os
import subprocess
import io

from PIL import Image

ROOT = os.path.abspath(os.path.join(os.path.dirname(__file__), "..", ".."))
ASSETS = os.path.join(ROOT, "assets")
FONT1 = os.path.join(ASSETS, "gfx", "fonts", "font.ttf")   # Comfortaa Bold
FONT2 = os.path.join(ASSETS, "gfx", "fonts", "font2.ttf")  # the numbers face, from Quicksand Bold
QUICKSAND = "/usr/share/fonts/truetype/quicksand/Quicksand-Bold.ttf"  # fonts-quicksand

# The palette of docs/art.md.
INK = "#3B2416"
WALNUT_DARK = "#2E1C12"
WALNUT = "#4A2E1C"
OAK = "#8A5A33"
OAK_LIGHT = "#B98150"
PARCHMENT = "#F3E3C0"
PARCHMENT_SHADE = "#D9B77E"
BRASS = "#C9962E"
GOLD = "#FFCE22"
GOLD_LIGHT = "#F8E08A"
LEAF = "#4F7A3A"
LEAF_LIGHT = "#86B35A"
BERRY = "#A8382E"
DUSK = "#2B3560"
VIOLET = "#5B4A8A"
TEAL = "#7FE3E0"
EMBER = "#F08A3C"


def out_path(rel):
    """Absolute path of an asset, creating its folder."""
    path = os.path.join(ASSETS, rel)
    os.makedirs(os.path.dirname(path), exist_ok=True)
    return path


def render_svg(svg):
    """Renders SVG text with rsvg-convert into an RGBA Pillow image."""
    png = subprocess.run(["rsvg-convert", "-f", "png"], input=svg.encode("utf-8"),
                         stdout=subprocess.PIPE, check=True).stdout
    return Image.open(io.BytesIO(png)).convert("RGBA")


def svg_doc(w, h, body, defs=""):
    return ('<svg xmlns="http://www.w3.org/2000/svg" width="%d" height="%d" '
            'viewBox="0 0 %d %d"><defs>%s</defs>%s</svg>' % (w, h, w, h, defs, body))


def save_png(img, rel):
    """PNG with alpha; Pillow writes no time stamp, so the bytes repeat."""
    img.save(out_path(rel), "PNG", optimize=True)
    return img


def save_jpg(img, rel, quality=88):
    img.convert("RGB").save(out_path(rel), "JPEG", quality=quality, optimize=True,
                            progressive=False, subsampling="4:2:0")
    return img


def hexrgb(h):
    h = h.lstrip("#")
    return tuple(int(h[i:i + 2], 16) for i in (0, 2, 4))


def mix(a, b, t):
    """Hex colour between a and b."""
    ca, cb = hexrgb(a), hexrgb(b)
    return "#%02X%02X%02X" % tuple(round(ca[i] + (cb[i] - ca[i]) * t) for i in range(3))


def lin_grad(gid, stops, x2=0, y2=1):
    """A linear gradient definition; stops are (offset, colour[, opacity])."""
    s = "".join('<stop offset="%g" stop-color="%s" stop-opacity="%g"/>'
                % (st[0], st[1], st[2] if len(st) > 2 else 1) for st in stops)
    return ('<linearGradient id="%s" x1="0" y1="0" x2="%g" y2="%g">%s</linearGradient>'
            % (gid, x2, y2, s))


def rad_grad(gid, stops, cx=0.5, cy=0.5, r=0.5, fx=None, fy=None):
    s = "".join('<stop offset="%g" stop-color="%s" stop-opacity="%g"/>'
                % (st[0], st[1], st[2] if len(st) > 2 else 1) for st in stops)
    return ('<radialGradient id="%s" cx="%g" cy="%g" r="%g" fx="%g" fy="%g">%s</radialGradient>'
            % (gid, cx, cy, r, fx if fx is not None else cx, fy if fy is not None else cy, s))


def grain_filter(fid, freq="0.012 0.25", seed=3, opacity=0.18, octaves=3):
    """A wood-grain or paper texture, tinted dark, to lay over a shape
    (use with a clip path)."""
    return ('<filter id="%s" x="0" y="0" width="100%%" height="100%%">'
            '<feTurbulence type="fractalNoise" baseFrequency="%s" numOctaves="%d" seed="%d"/>'
            '<feColorMatrix type="matrix" values="0 0 0 0 0.16  0 0 0 0 0.09  0 0 0 0 0.04  '
            '%g 0 0 0 %g"/></filter>' % (fid, freq, octaves, seed, opacity * 2.2, -opacity * 0.9))


def shadow_filter(fid, dy=6, blur=7, opacity=0.4):
    return ('<filter id="%s" x="-20%%" y="-20%%" width="140%%" height="150%%">'
            '<feGaussianBlur in="SourceAlpha" stdDeviation="%g"/>'
            '<feOffset dy="%g" result="b"/>'
            '<feComponentTransfer><feFuncA type="linear" slope="%g"/></feComponentTransfer>'
            '<feColorMatrix type="matrix" values="0 0 0 0 0.23  0 0 0 0 0.14  0 0 0 0 0.09  0 0 0 1 0"/>'
            '</filter>' % (fid, blur, dy, opacity))


def glow_filter(fid, blur=4, colour=GOLD, opacity=0.9):
    r, g, b = [c / 255.0 for c in hexrgb(colour)]
    return ('<filter id="%s" x="-50%%" y="-50%%" width="200%%" height="200%%">'
            '<feGaussianBlur in="SourceAlpha" stdDeviation="%g"/>'
            '<feColorMatrix type="matrix" values="0 0 0 0 %g  0 0 0 0 %g  0 0 0 0 %g  0 0 0 %g 0"/>'
            '</filter>' % (fid, blur, r, g, b, opacity))


def rrect(x, y, w, h, r, extra=""):
    return '<rect x="%g" y="%g" width="%g" height="%g" rx="%g" ry="%g" %s/>' % (x, y, w, h, r, r, extra)
