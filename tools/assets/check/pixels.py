"""Pixels of the PNG files our generators write (8-bit grey, RGB or RGBA,
not interlaced), for the figures that look at what is drawn. Standard library
only."""

import struct
import zlib

_CHANNELS = {0: 1, 2: 3, 4: 2, 6: 4}


def _paeth(a, b, c):
    p = a + b - c
    pa, pb, pc = abs(p - a), abs(p - b), abs(p - c)
    return a if pa <= pb and pa <= pc else (b if pb <= pc else c)


def read_png(data):
    """(width, height, channels, rows): rows are bytearrays of width x
    channels values; None for a PNG of another kind."""
    pos, ihdr, idat = 8, None, []
    while pos + 8 <= len(data):
        length, kind = struct.unpack(">I4s", data[pos:pos + 8])
        body = data[pos + 8:pos + 8 + length]
        if kind == b"IHDR":
            ihdr = struct.unpack(">IIBBBBB", body)
        elif kind == b"IDAT":
            idat.append(body)
        elif kind == b"IEND":
            break
        pos += 12 + length
    if not ihdr or ihdr[2] != 8 or ihdr[3] not in _CHANNELS or ihdr[6] != 0:
        return None
    w, h, n = ihdr[0], ihdr[1], _CHANNELS[ihdr[3]]
    raw, stride = zlib.decompress(b"".join(idat)), w * n
    rows, prev = [], bytearray(stride)
    for y in range(h):
        kind, line = raw[y * (stride + 1)], bytearray(raw[y * (stride + 1) + 1:(y + 1) * (stride + 1)])
        if kind == 1:
            for i in range(n, stride):
                line[i] = (line[i] + line[i - n]) & 255
        elif kind == 2:
            line = bytearray((a + b) & 255 for a, b in zip(line, prev))
        elif kind == 3:
            for i in range(stride):
                line[i] = (line[i] + ((line[i - n] if i >= n else 0) + prev[i]) // 2) & 255
        elif kind == 4:
            for i in range(stride):
                left, up_left = (line[i - n], prev[i - n]) if i >= n else (0, 0)
                line[i] = (line[i] + _paeth(left, prev[i], up_left)) & 255
        rows.append(line)
        prev = line
    return w, h, n, rows


def alpha_spans(png, threshold):
    """Per row, the first and last x whose alpha is above threshold (None
    for a row with none)."""
    w, _h, n, rows = png
    spans = []
    for line in rows:
        alpha = line[n - 1::n] if n in (2, 4) else bytes([255]) * w
        xs = [x for x, a in enumerate(alpha) if a > threshold]
        spans.append((xs[0], xs[-1]) if xs else None)
    return spans
