"""Sound effects, synthesised: soft wood and bells for the interface,
glassy chimes for magic, low rumbles for thunder. Mono WAV files."""

import numpy as np

import synth as s
from synth import RATE, midi_hz, secs, timeline


def place(total, parts):
    """Mixes (note, start seconds, gain) into one mono buffer."""
    out = np.zeros(s.secs(total))
    for note, at, gain in parts:
        a = secs(at)
        n = min(len(note), len(out) - a)
        if n > 0:
            out[a:a + n] += note[:n] * gain
    return out


def wet(x, amount=0.3, seconds=1.6):
    st = np.stack([x, x], axis=1)
    return s.reverb(st, seconds, amount, seed=5).mean(axis=1)


def fade_out(x, tail=0.05):
    n = min(len(x), secs(tail))
    x = x.copy()
    x[-n:] *= np.linspace(1, 0, n)
    return x


def finish(x, peak=0.7):
    x = x - np.mean(x)
    x = fade_out(x)
    return x / (np.max(np.abs(x)) + 1e-9) * peak


def click():
    t = timeline(0.07)
    knock = (np.sin(2 * np.pi * 1650 * t) * np.exp(-t * 260) +
             0.6 * np.sin(2 * np.pi * 820 * t) * np.exp(-t * 140))
    rnd = np.random.RandomState(1)
    tick = s.band_noise(rnd.normal(0, 1, len(t)), 1500, 5000) * np.exp(-t * 900) * 0.6
    return finish(s.lowpass(knock + tick, 7000), 0.5)


def good():
    """A soft marimba note with a wooden knock."""
    f = midi_hz(84)
    t = timeline(0.4)
    x = (np.sin(2 * np.pi * f * t) * np.exp(-t * 11) +
         0.25 * np.sin(2 * np.pi * f * 3.93 * t) * np.exp(-t * 40) +
         0.15 * np.sin(2 * np.pi * f * 0.5 * t) * np.exp(-t * 18))
    x *= s.attack_release(len(x), 0.002, 0.03)
    return finish(wet(x, 0.12, 0.8), 0.55)


def wrong():
    """A muffled low double bonk, bending down."""
    parts = []
    for i, m in enumerate((52, 48)):
        t = timeline(0.28)
        f = midi_hz(m) * (1 - 0.06 * t / 0.28)
        ph = 2 * np.pi * np.cumsum(f) / RATE
        x = (np.sin(ph) + 0.3 * np.sin(3 * ph) + 0.1 * np.sin(5 * ph)) * np.exp(-t * 9)
        parts.append((x * s.attack_release(len(x), 0.004, 0.04), i * 0.13, 1.0))
    return finish(wet(s.lowpass(place(0.5, parts), 1800), 0.12, 0.8), 0.6)


def arpeggio(notes, step, total, gain=1.0, inst=s.bell):
    return [(inst(midi_hz(m), 0.4), i * step, gain) for i, m in enumerate(notes)]


def sparkle(total, seed, start=0.0, lo=5000, hi=9000):
    rnd = np.random.RandomState(seed)
    n = np.zeros(secs(total))
    for _ in range(26):
        at = secs(start + rnd.uniform(0, total * 0.6))
        f = rnd.uniform(2500, 5200)
        t = timeline(0.12)
        g = np.sin(2 * np.pi * f * t) * np.exp(-t * 40) * rnd.uniform(0.1, 0.25)
        g *= s.attack_release(len(g), 0.004, 0.02)
        m = min(len(g), len(n) - at)
        if m > 0:
            n[at:at + m] += g[:m]
    return n


def hint():
    parts = arpeggio((84, 88, 91, 96), 0.06, 1.2)
    x = place(1.2, parts) + sparkle(1.2, 3, 0.05)
    return finish(wet(x, 0.35), 0.6)


def hint_load():
    t = timeline(0.3)
    rnd = np.random.RandomState(4)
    whoosh = np.zeros(len(t))
    noise = rnd.normal(0, 1, len(t))
    for i, lo in enumerate(np.linspace(800, 3000, 6)):
        seg = slice(i * len(t) // 6, (i + 1) * len(t) // 6)
        whoosh[seg] = s.band_noise(noise, lo, lo * 1.6)[seg]
    whoosh *= np.sin(np.pi * t / 0.3) * 0.35
    x = place(0.9, [(whoosh, 0, 1.0), (s.bell(midi_hz(91), 0.5), 0.24, 1.0), (s.bell(midi_hz(98), 0.3), 0.28, 0.3)])
    return finish(wet(x, 0.3), 0.55)


def show_number():
    x = place(0.8, [(s.bell(midi_hz(88), 0.4), 0, 1.0), (s.bell(midi_hz(95), 0.4), 0.09, 0.8)])
    return finish(wet(x, 0.25), 0.55)


def win():
    """A bright little fanfare: harp run, bell tune and a warm chord."""
    parts = [(s.harp(midi_hz(m), 0.5), i * 0.07, 0.8) for i, m in enumerate((60, 64, 67, 72, 76, 79))]
    parts += [(s.bell(midi_hz(m), 0.6), 0.45 + i * 0.16, 0.9) for i, m in enumerate((79, 84, 88))]
    parts += [(s.pad([midi_hz(m) for m in (48, 55, 64, 67)], 1.4), 0.4, 1.4)]
    parts += [(s.bell(midi_hz(96), 1.0), 0.93, 0.6)]
    return finish(wet(place(3.2, parts), 0.3, 2.0), 0.75)


def lose():
    """A gentle falling phrase in minor, no alarm."""
    parts = [(s.flute(midi_hz(m), d, i), at, 1.0) for i, (m, at, d) in
             enumerate(((69, 0.0, 0.3), (65, 0.32, 0.3), (62, 0.64, 0.9)))]
    parts += [(s.pad([midi_hz(m) for m in (50, 57, 62, 65)], 1.4), 0.55, 1.0)]
    parts += [(s.harp(midi_hz(38), 1.0), 0.62, 0.9)]
    return finish(wet(place(2.6, parts), 0.3, 2.0), 0.7)


def unlock():
    t = timeline(0.8)
    rnd = np.random.RandomState(8)
    noise = rnd.normal(0, 1, len(t))
    rise = np.zeros(len(t))
    for i, lo in enumerate(np.linspace(400, 4000, 8)):
        seg = slice(i * len(t) // 8, (i + 1) * len(t) // 8)
        rise[seg] = s.band_noise(noise, lo, lo * 1.5)[seg]
    rise *= np.linspace(0, 1, len(t)) ** 2 * 0.3
    parts = [(rise, 0, 1.0)]
    parts += [(s.bell(midi_hz(m), 0.8), 0.75 + i * 0.03, 0.8) for i, m in enumerate((74, 78, 81, 86, 88))]
    parts += [(s.pad([midi_hz(m) for m in (50, 62, 66, 69)], 1.0), 0.72, 1.2)]
    return finish(wet(place(2.4, parts) + sparkle(2.4, 9, 0.7), 0.35, 2.0), 0.75)


def thunder(seed):
    """A crack and a long rolling rumble, low-passed so it never hurts."""
    rnd = np.random.RandomState(seed)
    total = 3.2
    n = secs(total)
    t = np.arange(n) / float(RATE)
    crack_at = 0.02 + 0.1 * seed
    crack = s.band_noise(rnd.normal(0, 1, n), 300, 3200) * np.exp(-np.clip(t - crack_at, 0, None) * 22)
    crack[t < crack_at] = 0
    rumble = s.lowpass(rnd.normal(0, 1, n), 160, 0.4)
    # rolling: a slow random swell, the way a real roll comes in waves
    knots = rnd.uniform(0.3, 1.0, 12)
    swell = np.interp(t, np.linspace(0, total, 12), knots)
    rumble *= swell * np.clip(t / 0.15, 0, 1) * np.exp(-t * 1.1)
    rumble /= np.max(np.abs(rumble)) + 1e-9
    crack /= np.max(np.abs(crack)) + 1e-9
    x = rumble * 1.0 + crack * 0.45
    return finish(wet(x, 0.25, 2.5), 0.8)


EFFECTS = [
    ("click", click), ("good", good), ("wrong", wrong), ("hint", hint), ("hint-load", hint_load),
    ("show-number", show_number), ("win", win), ("lose", lose), ("unlock", unlock),
    ("piorun0", lambda: thunder(0)), ("piorun1", lambda: thunder(1)),
]


def effect_path(name):
    return "sfx/%s.wav" % name


def make_all():
    for name, fn in EFFECTS:
        s.write_wav(fn(), effect_path(name))


if __name__ == "__main__":
    make_all()
