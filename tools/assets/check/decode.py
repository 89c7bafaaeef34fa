"""Decoding checks for the file kinds the game loads. Standard library only.
Each check returns None when the file is sound, else a short reason."""

import struct
import zlib

PNG_SIG = b"\x89PNG\r\n\x1a\n"
PNG_CHANNELS = {0: 1, 2: 3, 3: 1, 4: 2, 6: 4}


def check_png(data):
    if not data.startswith(PNG_SIG):
        return "not a PNG (bad signature)"
    pos, ihdr, idat, seen_end = 8, None, [], False
    while pos + 12 <= len(data):
        length, kind = struct.unpack(">I4s", data[pos:pos + 8])
        body = data[pos + 8:pos + 8 + length]
        if len(body) != length or pos + 12 + length > len(data):
            return "PNG chunk %r runs past the end" % kind
        crc = struct.unpack(">I", data[pos + 8 + length:pos + 12 + length])[0]
        if zlib.crc32(kind + body) & 0xFFFFFFFF != crc:
            return "PNG chunk %r has a bad CRC" % kind
        if kind == b"IHDR":
            ihdr = struct.unpack(">IIBBBBB", body)
        elif kind == b"IDAT":
            idat.append(body)
        elif kind == b"IEND":
            seen_end = True
            break
        pos += 12 + length
    if ihdr is None or not idat or not seen_end:
        return "PNG lacks IHDR, IDAT or IEND"
    w, h, depth, colour, _comp, _filt, interlace = ihdr
    if w == 0 or h == 0 or colour not in PNG_CHANNELS:
        return "PNG header is invalid"
    try:
        raw = zlib.decompress(b"".join(idat))
    except zlib.error as e:
        return "PNG image data does not inflate (%s)" % e
    bits = depth * PNG_CHANNELS[colour]
    if interlace == 0:
        expected = h * (1 + (w * bits + 7) // 8)
    else:
        expected = 0
        for x0, y0, dx, dy in ((0, 0, 8, 8), (4, 0, 8, 8), (0, 4, 4, 8), (2, 0, 4, 4),
                               (0, 2, 2, 4), (1, 0, 2, 2), (0, 1, 1, 2)):
            pw, ph = (w - x0 + dx - 1) // dx, (h - y0 + dy - 1) // dy
            if pw and ph:
                expected += ph * (1 + (pw * bits + 7) // 8)
    if len(raw) != expected:
        return "PNG image data has %d bytes, %d expected" % (len(raw), expected)
    return None


def check_jpeg(data):
    if not data.startswith(b"\xff\xd8"):
        return "not a JPEG (no SOI marker)"
    pos, frame = 2, None
    while pos + 4 <= len(data):
        if data[pos] != 0xFF:
            return "JPEG marker expected at byte %d" % pos
        marker = data[pos + 1]
        if marker == 0xFF:
            pos += 1
            continue
        length = struct.unpack(">H", data[pos + 2:pos + 4])[0]
        if marker in (0xC0, 0xC1, 0xC2):
            frame = struct.unpack(">BHHB", data[pos + 4:pos + 10])
        if marker == 0xDA:  # start of scan: entropy-coded data up to EOI
            if frame is None:
                return "JPEG scan before any frame header"
            if frame[1] == 0 or frame[2] == 0:
                return "JPEG frame has no size"
            if not data.rstrip(b"\x00").endswith(b"\xff\xd9"):
                return "JPEG lacks its EOI marker"
            return None
        pos += 2 + length
    return "JPEG ends before its image data"


def _table_entry(i):
    r = i << 24
    for _ in range(8):
        r = ((r << 1) ^ 0x04C11DB7) if r & 0x80000000 else r << 1
        r &= 0xFFFFFFFF
    return r


_CRC_TABLE = [_table_entry(i) for i in range(256)]


def _ogg_crc(page):
    crc = 0
    for byte in page:
        crc = ((crc << 8) & 0xFFFFFFFF) ^ _CRC_TABLE[((crc >> 24) ^ byte) & 0xFF]
    return crc


def check_ogg(data):
    if not data.startswith(b"OggS"):
        return "not an Ogg file (no OggS)"
    pos, packets, current, pages = 0, [], b"", 0
    while pos < len(data):
        if data[pos:pos + 4] != b"OggS" or pos + 27 > len(data):
            return "Ogg page %d is broken" % pages
        nseg = data[pos + 26]
        table = data[pos + 27:pos + 27 + nseg]
        size = 27 + nseg + sum(table)
        page = bytearray(data[pos:pos + size])
        if len(page) != size:
            return "Ogg page %d runs past the end" % pages
        stored = struct.unpack("<I", bytes(page[22:26]))[0]
        page[22:26] = b"\0\0\0\0"
        if _ogg_crc(page) != stored:
            return "Ogg page %d has a bad CRC" % pages
        body, off = page[27 + nseg:], 0
        if len(packets) < 3:
            for lace in table:
                current += bytes(body[off:off + lace])
                off += lace
                if lace < 255:
                    packets.append(current)
                    current = b""
        pages += 1
        pos += size
    if len(packets) < 3:
        return "Ogg stream lacks the three Vorbis headers"
    ident = packets[0]
    if not ident.startswith(b"\x01vorbis") or len(ident) < 30:
        return "Ogg stream is not Vorbis"
    channels, rate = ident[11], struct.unpack("<I", ident[12:16])[0]
    if channels == 0 or rate == 0:
        return "Vorbis header has no channels or rate"
    if not packets[1].startswith(b"\x03vorbis") or not packets[2].startswith(b"\x05vorbis"):
        return "Vorbis comment or setup header missing"
    if pages < 4:
        return "Ogg stream holds no audio"
    return None


def check_wav(data):
    if data[:4] != b"RIFF" or data[8:12] != b"WAVE":
        return "not a RIFF/WAVE file"
    pos, fmt, has_data = 12, None, False
    while pos + 8 <= len(data):
        kind, length = struct.unpack("<4sI", data[pos:pos + 8])
        if kind == b"fmt ":
            fmt = struct.unpack("<HHIIHH", data[pos + 8:pos + 24])
        elif kind == b"data":
            has_data = length > 0 and pos + 8 + length <= len(data)
        pos += 8 + length + (length & 1)
    if fmt is None or not has_data:
        return "WAV lacks its fmt or data chunk"
    if fmt[0] not in (1, 3) or fmt[1] == 0 or fmt[2] == 0:
        return "WAV format is not plain PCM"
    return None


def check_ttf(data):
    if data[:4] not in (b"\x00\x01\x00\x00", b"OTTO", b"true"):
        return "not a TrueType font"
    return None


def check_text(data):
    """Text files are read one byte a character unless they start with a
    byte-order mark, so anything beyond ASCII needs the UTF-8 mark."""
    if data.startswith(b"\xef\xbb\xbf") or data[:2] in (b"\xff\xfe", b"\xfe\xff"):
        return None
    if any(b >= 0x80 for b in data):
        return "has non-ASCII bytes but no byte-order mark (would read as Latin-1)"
    return None


CHECKS = {".png": check_png, ".jpg": check_jpeg, ".jpeg": check_jpeg, ".ogg": check_ogg,
          ".wav": check_wav, ".ttf": check_ttf, ".txt": check_text, ".gui": check_text,
          ".dat": check_text}
