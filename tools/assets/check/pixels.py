"""Reads the pixels of our PNG files (8-bit grey, grey-alpha, RGB or RGBA,
not interlaced: what the asset scripts write) into rows of RGBA tuples, and
composes images the way the game draws them. Standard library only."""

import struct
import zlib

import decode

_CHANNELS = {0: 1, 2: 3, 4: 2, 6: 4}


class Picture:
    def __init__(self, w, h, rows):
        self.w, self.h, self.rows = w, h, rows

    def at(self, x, y):
        return self.rows[y][x]


def _paeth(a, b, c):
    p = a + b - c
    pa, pb, pc = abs(p - a), abs(p - b), abs(p - c)
    return a if pa <= pb and pa <= pc else (b if pb <= pc else c)


def read_png(data):
    """The picture in a PNG's bytes; None for a kind the scripts never write."""
    if not data.startswith(decode.PNG_SIG):
        return None
    pos, ihdr, idat = 8, None, []
    while pos + 12 <= len(data):
        length, kind = struct.unpack(">I4s", data[pos:pos + 8])
        body = data[pos + 8:pos + 8 + length]
        if kind == b"IHDR":
            ihdr = struct.unpack(">IIBBBBB", body)
        elif kind == b"IDAT":
            idat.append(body)
        elif kind == b"IEND":
            break
        pos += 12 + length
    if ihdr is None:
        return None
    w, h, depth, colour, _c, _f, interlace = ihdr
    if depth != 8 or colour not in _CHANNELS or interlace:
        return None
    n = _CHANNELS[colour]
    raw = zlib.decompress(b"".join(idat))
    stride, prev, rows = w * n, bytearray(w * n), []
    for y in range(h):
        start = y * (stride + 1)
        kind, line = raw[start], bytearray(raw[start + 1:start + 1 + stride])
        for i in range(stride):
            a = line[i - n] if i >= n else 0
            if kind == 1:
                line[i] = (line[i] + a) & 255
            elif kind == 2:
                line[i] = (line[i] + prev[i]) & 255
            elif kind == 3:
                line[i] = (line[i] + ((a + prev[i]) >> 1)) & 255
            elif kind == 4:
                line[i] = (line[i] + _paeth(a, prev[i], prev[i - n] if i >= n else 0)) & 255
        prev = line
        px = [tuple(line[x * n:(x + 1) * n]) for x in range(w)]
        if n == 1:
            px = [(g, g, g, 255) for (g,) in px]
        elif n == 2:
            px = [(g, g, g, a) for (g, a) in px]
        elif n == 3:
            px = [p + (255,) for p in px]
        rows.append(px)
    return Picture(w, h, rows)


def over(base, top, tint=(255, 255, 255), alpha=1.0):
    """A picture's pixel (r, g, b) under a tinted, faded pixel of another
    (r, g, b, a), as alpha blending draws it."""
    k = top[3] / 255.0 * alpha
    return tuple(base[i] * (1 - k) + top[i] * tint[i] / 255.0 * k for i in range(3))


def mean_colour(pic, inset):
    """The average colour of a picture's opaque inside, an inset from its
    edge (a cell's face without its rim)."""
    acc, count = [0.0, 0.0, 0.0], 0
    for y in range(inset, pic.h - inset):
        for x in range(inset, pic.w - inset):
            p = pic.at(x, y)
            if p[3] > 250:
                for i in range(3):
                    acc[i] += p[i]
                count += 1
    return tuple(v / max(1, count) for v in acc)
