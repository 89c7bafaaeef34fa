"""The mean colour of every 16 x 16 square of a baseline JPEG, read from the
blocks' DC terms alone (what the asset scripts write: baseline, 4:2:0 or
unsampled, no restart markers). Enough to know the ground under a board's
cells without decoding the whole picture. Standard library only."""

import struct


def _segments(data):
    pos = 2
    while pos + 4 <= len(data):
        if data[pos] != 0xFF:
            return
        marker = data[pos + 1]
        if marker == 0xD9:
            return
        length = struct.unpack(">H", data[pos + 2:pos + 4])[0]
        yield marker, data[pos + 4:pos + 2 + length], pos + 2 + length
        pos += 2 + length


def _lookup(counts, symbols):
    """A 16-bit-peek table of (symbol, code length)."""
    table, code, k = [None] * 65536, 0, 0
    for length in range(1, 17):
        for _ in range(counts[length - 1]):
            span = 1 << (16 - length)
            start = code << (16 - length)
            table[start:start + span] = [(symbols[k], length)] * span
            code += 1
            k += 1
        code <<= 1
    return table


def _extend(v, s):
    return v - (1 << s) + 1 if v < 1 << (s - 1) else v


def square_means(data):
    """(columns, rows, [[(r, g, b)] per row]) of 16 x 16 squares, or None
    for a JPEG of another kind."""
    quant, huff, frame, scan_at, restart = {}, {}, None, None, 0
    for marker, body, end in _segments(data):
        if marker == 0xDB:
            p = 0
            while p < len(body):
                precision, tid = body[p] >> 4, body[p] & 15
                quant[tid] = struct.unpack(">H", body[p + 1:p + 3])[0] if precision else body[p + 1]
                p += 1 + 64 * (2 if precision else 1)
        elif marker == 0xC4:
            p = 0
            while p < len(body):
                counts = list(body[p + 1:p + 17])
                n = sum(counts)
                huff[(body[p] >> 4, body[p] & 15)] = _lookup(counts, list(body[p + 17:p + 17 + n]))
                p += 17 + n
        elif marker == 0xDD:
            restart = struct.unpack(">H", body[:2])[0]
        elif marker in (0xC1, 0xC2, 0xC3):
            return None
        elif marker == 0xC0:
            h, w, n = struct.unpack(">HHB", body[1:6])
            frame = (w, h, [(body[6 + 3 * i], body[7 + 3 * i] >> 4, body[7 + 3 * i] & 15, body[8 + 3 * i])
                            for i in range(n)])
        elif marker == 0xDA:
            tables = {body[1 + 2 * i]: (body[2 + 2 * i] >> 4, body[2 + 2 * i] & 15) for i in range(body[0])}
            scan_at = end
            break
    if not frame or scan_at is None or restart or len(frame[2]) != 3:
        return None
    w, h, comps = frame
    hmax, vmax = max(c[1] for c in comps), max(c[2] for c in comps)
    if (hmax, vmax) not in ((1, 1), (2, 2)) or any((c[1], c[2]) != (1, 1) for c in comps[1:]):
        return None
    stop = scan_at
    while True:
        stop = data.find(b"\xff", stop)
        if stop < 0 or data[stop + 1] != 0:
            break
        stop += 2
    buf = data[scan_at:stop if stop >= 0 else len(data)].replace(b"\xff\x00", b"\xff") + b"\0\0\0\0"
    plan = []  # per component: blocks per square, DC table, AC table, DC step
    for cid, hs, vs, tq in comps:
        td, ta = tables.get(cid, (0, 0))
        if (0, td) not in huff or (1, ta) not in huff or tq not in quant:
            return None
        plan.append((hs * vs, huff[(0, td)], huff[(1, ta)], quant[tq]))
    size = 8 * hmax
    cols, rows = -(-w // size), -(-h // size)
    p, preds, out = 0, [0, 0, 0], []
    frombytes = int.from_bytes
    for _ in range(rows):
        line = []
        for _ in range(cols):
            means = []
            for ci, (blocks, dct, act, step) in enumerate(plan):
                total = 0
                for _ in range(blocks):
                    sym, ln = dct[(frombytes(buf[p >> 3:(p >> 3) + 3], "big") >> (8 - (p & 7))) & 0xFFFF]
                    p += ln
                    if sym:
                        v = (frombytes(buf[p >> 3:(p >> 3) + 4], "big") >> (32 - (p & 7) - sym)) & ((1 << sym) - 1)
                        p += sym
                        preds[ci] += _extend(v, sym)
                    total += preds[ci]
                    k = 1
                    while k < 64:
                        rs, ln = act[(frombytes(buf[p >> 3:(p >> 3) + 3], "big") >> (8 - (p & 7))) & 0xFFFF]
                        p += ln
                        s = rs & 15
                        if s == 0:
                            if rs != 0xF0:
                                break
                            k += 16
                            continue
                        p += s
                        k += (rs >> 4) + 1
                means.append(total * step / (8.0 * blocks) + 128)
            y, cb, cr = means
            line.append((y + 1.402 * (cr - 128), y - 0.344136 * (cb - 128) - 0.714136 * (cr - 128),
                         y + 1.772 * (cb - 128)))
        out.append(line)
    return cols, rows, out
