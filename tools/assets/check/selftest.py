"""The asset check checks itself first: small files made here, sound and
broken, must be judged the way the game would judge them. Returns a list of
failures (empty when the checker is sound)."""

import struct
import zlib

import decode
import formats


def _png(w=2, h=2, bad_crc=False, short=False):
    def chunk(kind, body):
        crc = zlib.crc32(kind + body) & 0xFFFFFFFF
        return struct.pack(">I", len(body)) + kind + body + struct.pack(">I", crc ^ (1 if bad_crc and kind == b"IDAT" else 0))
    raw = b"".join(b"\x00" + b"\x80" * (w * 4) for _ in range(h - (1 if short else 0)))
    return (decode.PNG_SIG + chunk(b"IHDR", struct.pack(">IIBBBBB", w, h, 8, 6, 0, 0, 0)) +
            chunk(b"IDAT", zlib.compress(raw)) + chunk(b"IEND", b""))


def _wav(frames=10):
    fmt = struct.pack("<HHIIHH", 1, 1, 44100, 88200, 2, 16)
    data = b"\x00\x00" * frames
    body = b"WAVE" + b"fmt " + struct.pack("<I", len(fmt)) + fmt + b"data" + struct.pack("<I", len(data)) + data
    return b"RIFF" + struct.pack("<I", len(body)) + body


def run():
    failures = []

    def expect(cond, what):
        if not cond:
            failures.append("self-test: " + what)

    expect(decode.check_png(_png()) is None, "a sound PNG passes")
    expect(decode.check_png(_png(bad_crc=True)) is not None, "a PNG with a bad CRC fails")
    expect(decode.check_png(_png(short=True)) is not None, "a PNG with missing rows fails")
    expect(decode.check_png(b"GIF89a") is not None, "a GIF is no PNG")
    expect(decode.check_wav(_wav()) is None, "a sound WAV passes")
    expect(decode.check_wav(_wav(0)) is not None, "a WAV without samples fails")
    expect(decode.check_jpeg(b"\xff\xd8\xff\xd9") is not None, "a JPEG without a frame fails")
    expect(decode.check_ogg(b"OggS" + b"\x00" * 40) is not None, "a broken Ogg page fails")
    expect(decode.check_text("caf\u00e9".encode("utf-8")) is not None, "UTF-8 without a mark is flagged")
    expect(decode.check_text(b"\xef\xbb\xbf" + "caf\u00e9".encode("utf-8")) is None, "UTF-8 with a mark passes")

    # data files: the game's own writer layout reads back; quirks as in the game
    root, err = formats.read_datafile(b'g {\n\tn = 2\n\ts = "a b", "c"\n\tsub {\n\t\tk = 1\n\t}\n\n\tafter = 3\n}\n')
    expect(err is None and formats.get(root, "G::N").strip() == "2", "number entry read back")
    expect(formats.get(root, "g::s", 1) == "c" and formats.get(root, "g::s") == "a b", "string values read back")
    expect(formats.get(root, "g::sub::k").strip() == "1" and formats.get(root, "g::after").strip() == "3",
           "entries after a subgroup stay in the outer group")
    expect(formats.read_datafile(b"g {\n\tn = 1\n")[1] is not None, "unbalanced braces are reported")
    root, _ = formats.read_datafile(b"g {\n\tlost = 1 }\n")
    expect(formats.get(root, "g::lost") == "", "an entry before its closing brace on one line is lost")

    # layouts: tokens, errors and declarations as the game reads them
    toks = [t for t, _ in formats.gui_tokens('TXT = "Hello world"\nA = 1;B = 2')]
    expect(toks == ["TXT", "=", "Hello world", "A", "=", "1", "B", "=", "2"], "layout tokens")
    widgets, _c, _s, errors = formats.read_layout("OBJECT btn x GFX = a.png }")
    expect(errors == [] and [w for w, _ in widgets] == ["BTN"], "any token serves as the opening brace")
    widgets, _c, _s, errors = formats.read_layout("OBJECT a {\n TXT = Hello world\n GFX = b.png\n}")
    expect(widgets == [] and any("Expected" in e and "GFX" in e for e in errors), "an unquoted caption breaks the body")
    widgets, _c, _s, _e = formats.read_layout("\ufeffOBJECT a { GFX = b.png }".encode("utf-8").decode("latin-1"))
    expect(widgets == [], "a byte-order mark hides the first declaration")
    _w, _c, _s, errors = formats.read_layout("OBJECT a { OVER = nothing }")
    expect(any("Couldn't find properties class" in e for e in errors), "an unknown state class is reported")
    return failures
