"""Music composed by rule: every track is a seeded tune over a chord
progression (phrases A A' B A'), arranged for harp, flute, bells, pad,
bass and frame drum, rendered as a seamless loop and encoded as Ogg Vorbis.
Also writes data/globalSnd.dat, the registry of every effect and track."""

import random

import numpy as np

import sounds
import synth as s
from kit import out_path
from synth import midi_hz

MODES = {
    "major": [0, 2, 4, 5, 7, 9, 11], "dorian": [0, 2, 3, 5, 7, 9, 10],
    "mixolydian": [0, 2, 4, 5, 7, 9, 10], "aeolian": [0, 2, 3, 5, 7, 8, 10],
}

# Bar rhythms in beats; a negative length is a rest.
RHYTHMS = {
    4: [[2, 1, 1], [1, 1, 2], [1.5, 0.5, 1, 1], [1, 0.5, 0.5, 2], [3, 1], [1, 1, 1, 1], [2, -1, 1]],
    3: [[2, 1], [1, 1, 1], [1.5, 0.5, 1], [3], [1, 2]],
}
CALM = {4: [[2, 2], [3, 1], [2, -1, 1], [4], [1, 1, 2]], 3: [[3], [2, 1], [1, 2], [-1, 2]]}

TRACKS = {
    # name: bpm, beats a bar, root, mode, progression (16 bars), lead, accompaniment, drums, calm, seed
    "title": (92, 4, 62, "major", [1, 5, 6, 4, 1, 5, 4, 5, 6, 4, 1, 5, 6, 4, 5, 1], "flute",
              ["arp", "pad", "bass"], True, False, 11),
    "intro": (70, 4, 62, "dorian", [1, 7, 4, 1, 1, 7, 4, 5, 3, 4, 7, 1, 1, 7, 4, 1], "bell",
              ["pad", "slowarp"], False, True, 12),
    "outro": (84, 4, 55, "major", [1, 5, 6, 4, 1, 5, 4, 1, 4, 5, 3, 6, 4, 5, 4, 1], "flute",
              ["arp", "pad", "bass"], True, False, 13),
    "meadow": (96, 4, 65, "major", [1, 4, 1, 5, 1, 4, 5, 1, 6, 4, 1, 5, 1, 4, 5, 1], "flute",
               ["arp", "bass"], "shaker", True, 21),
    "grove": (80, 4, 57, "dorian", [1, 4, 1, 4, 1, 4, 7, 1, 3, 4, 1, 7, 1, 4, 7, 1], "bell",
              ["pad", "slowarp"], False, True, 22),
    "brook": (108, 3, 60, "major", [1, 1, 4, 4, 5, 5, 1, 1, 6, 6, 4, 4, 5, 5, 1, 1], "harp",
              ["waltz"], False, True, 23),
    "lanterns": (88, 4, 64, "dorian", [1, 7, 1, 4, 1, 7, 4, 1, 3, 4, 5, 4, 1, 7, 4, 1], "flute",
                 ["arp", "bells"], True, True, 24),
    "sea": (72, 3, 58, "major", [1, 1, 4, 4, 6, 6, 5, 5, 4, 4, 1, 1, 2, 2, 5, 5], "flute",
            ["pad", "waltz"], False, True, 25),
    "hills": (100, 4, 55, "mixolydian", [1, 7, 4, 1, 1, 7, 4, 1, 4, 1, 7, 4, 1, 7, 4, 1], "bell",
              ["arp", "bass"], True, True, 26),
    "stars": (66, 4, 62, "major", [1, 3, 4, 1, 6, 4, 2, 5, 1, 3, 4, 1, 6, 4, 5, 1], "bell",
              ["pad"], False, True, 27),
    "portal": (90, 4, 59, "dorian", [1, 4, 1, 7, 1, 4, 7, 1, 6, 7, 1, 4, 1, 4, 7, 1], "harp",
               ["pad", "bass"], True, True, 28),
}
BACKGROUND_FILES = ["meadow", "grove", "brook", "lanterns", "sea", "hills", "stars", "portal"]


def background_names():
    return ["background-1_%d" % k for k in range(3)] + \
           ["background-%d_%d" % (b, k) for b in range(2, 11) for k in range(2)]


def music_entries():
    """(name, file, loop) in registry order. Track numbers are positions in
    this list and are stored in level files: only ever append."""
    entries = [("title", "title", 1), ("intro", "intro", 1), ("outro", "outro", 1)]
    for i, name in enumerate(background_names()):
        # the two tracks of one background are always different files
        entries.append((name, BACKGROUND_FILES[i % len(BACKGROUND_FILES)], 1))
    entries += [("match-win", "match-win", 0), ("match-lost", "match-lost", 0)]
    return entries


class Tune:
    def __init__(self, root, mode):
        self.root, self.scale = root, MODES[mode]

    def midi(self, idx):
        return self.root + 12 * (idx // 7) + self.scale[idx % 7]

    @staticmethod
    def chord(degree):
        d = degree - 1
        return [d, d + 2, d + 4]


def compose(tune, prog, beats, calm, rnd):
    """The lead line: a list of (start beat, length, scale index) notes."""
    pool = (CALM if calm else RHYTHMS)[beats]
    bars = len(prog)
    phrase = bars // 4

    step_weight = {0: 0.12, 1: 1.0, 2: 0.9, 3: 0.6, 4: 0.35}
    state = {"dir": 1}

    def pick(cands, prev, lo, hi):
        if prev >= hi - 1:
            state["dir"] = -1
        elif prev <= lo + 1:
            state["dir"] = 1
        elif rnd.random() < 0.25:
            state["dir"] = -state["dir"]
        weights = [step_weight.get(abs(c - prev), 0.12) * (1.7 if (c - prev) * state["dir"] > 0 else 1.0)
                   for c in cands]
        return rnd.choices(cands, weights)[0]

    def bar_notes(bar, rhythm, prev, lo, hi, end_on=None):
        out, t = [], 0.0
        chord = Tune.chord(prog[bar])
        for i, length in enumerate(rhythm):
            if length < 0:
                t -= length
                continue
            last = i == len(rhythm) - 1
            if last and end_on is not None:
                cands = [c + 7 * o for c in end_on for o in range(-1, 3)]
            elif t == int(t) and (t == 0 or length >= 1):
                cands = [c + 7 * o for c in chord for o in range(-1, 3)]
            else:
                cands = [prev + d for d in (-2, -1, 1, 2)]
            cands = [c for c in cands if lo <= c <= hi] or [max(lo, min(hi, prev))]
            prev = pick(cands, prev, lo, hi)
            out.append((bar * beats + t, length, prev))
            t += length
        return out, prev

    def phrase_notes(first_bar, lo, hi, final):
        notes, prev = [], (lo + hi) // 2
        rhythms = [rnd.choice(pool) for _ in range(phrase)]
        rhythms[-1] = [beats] if beats == 3 else rnd.choice(([2, 2], [3, 1], [4]))
        for k in range(phrase):
            bar = first_bar + k
            end_on = None
            if k == phrase - 1:
                end_on = [Tune.chord(prog[bar])[0]] if final else Tune.chord(prog[bar])[1:]
            got, prev = bar_notes(bar, rhythms[k], prev, lo, hi, end_on)
            notes += got
        return notes

    a = phrase_notes(0, 5, 13, False)
    a2 = [(st + phrase * beats, ln, ix) for st, ln, ix in a if st < (phrase - 1) * beats]
    a2 += [n for n in phrase_notes(phrase, 5, 13, True) if n[0] >= (2 * phrase - 1) * beats]
    b = phrase_notes(2 * phrase, 8, 16, False)
    a3 = [(st + 2 * phrase * beats, ln, ix) for st, ln, ix in a2]
    return a + a2 + b + a3


def arrange(name):
    bpm, beats, root, mode, prog, lead, acc, drums, calm, seed = TRACKS[name]
    rnd = random.Random(seed)
    tune = Tune(root, mode)
    beat = 60.0 / bpm
    length = len(prog) * beats * beat
    mix = s.Mix(length + 4.0)

    def human():
        return rnd.uniform(-0.008, 0.008)

    for st, ln, ix in compose(tune, prog, beats, calm, rnd):
        f = midi_hz(tune.midi(ix) + 12 * (lead == "harp"))
        dur = ln * beat
        note = {"flute": lambda: s.flute(f, dur * 0.95, int(st * 7)),
                "bell": lambda: s.bell(f, dur), "harp": lambda: s.harp(f, dur)}[lead]()
        mix.add(note, st * beat + human(), rnd.uniform(0.85, 1.0) * (0.9 if lead == "flute" else 1.0), 0.1)
    for bar, degree in enumerate(prog):
        chord = [tune.midi(i) for i in Tune.chord(degree)]
        t0 = bar * beats * beat
        low = [m - 12 for m in chord]
        if "pad" in acc:
            mix.add(s.pad([midi_hz(m) for m in low], beats * beat), t0, 0.9, -0.2)
        if "bass" in acc or "waltz" in acc:
            mix.add(s.bass(midi_hz(low[0] - 12), beat * 2), t0 + human(), 0.75, 0.0)
        if "arp" in acc:
            seq = [low[0], low[2], low[0] + 12, low[1] + 12, low[2] + 12, low[1] + 12, low[0] + 12, low[2]]
            for i in range(beats * 2):
                mix.add(s.harp(midi_hz(seq[i % len(seq)]), beat), t0 + i * beat / 2 + human(),
                        0.42 * (1.0 if i % 2 == 0 else 0.75), -0.35)
        if "slowarp" in acc:
            for i, m in enumerate((low[0], low[1], low[2], low[1] + 12)[:beats]):
                mix.add(s.harp(midi_hz(m), beat * 2), t0 + i * beat + human(), 0.4, -0.4)
        if "waltz" in acc:
            for i in range(1, beats):
                for m in low:
                    mix.add(s.harp(midi_hz(m + 12), beat), t0 + i * beat + human(), 0.2, -0.3)
        if "bells" in acc and bar % 2 == 1:
            mix.add(s.bell(midi_hz(chord[2] + 12), beat * 2), t0 + beat * 2 + human(), 0.35, 0.45)
        if drums is True:
            mix.add(s.drum(1.0, bar), t0 + human(), 0.8, 0.0)
            if beats == 4:
                mix.add(s.drum(0.55, bar + 50), t0 + 2.5 * beat + human(), 0.8, 0.0)
                mix.add(s.drum(0.7, bar + 90), t0 + 3 * beat + human(), 0.8, 0.0)
        if drums:
            for i in range(beats * 2):
                if i % 2 == 1:
                    mix.add(s.shaker(rnd.uniform(0.6, 1.0), bar * 10 + i), t0 + i * beat / 2 + human(), 0.8, 0.3)
    return mix.buf, length


def render(name):
    buf, length = arrange(name)
    wet = s.reverb(buf, 2.4, 0.3, seed=len(name))
    n = s.secs(length)
    out = wet[:n].copy()
    tail = wet[n:]
    out[:len(tail)] += tail  # what rings past the end rings on at the start
    return s.master(out, 0.85)


def jingle(fn):
    x = fn()
    return np.stack([x, x], axis=1)


def write_registry(effects):
    """data/globalSnd.dat exactly as the game's data-file writer lays it out."""
    lines = ["globalSnd {"]
    music = music_entries()
    lines.append("\tmusics = %d" % len(music))
    lines.append("\tsounds = %d" % len(effects))
    for i, (name, fname, loop) in enumerate(music, 1):
        lines += ["\tmusic%d {" % i, '\t\tid = "%s"' % name, "\t\tloop = %d" % loop,
                  '\t\turl = "sfx/music/%s.ogg"' % fname, "\t}", ""]
    for i, (name, _fn) in enumerate(effects, 1):
        lines += ["\tsnd%d {" % i, '\t\tid = "%s"' % name, '\t\turl = "%s"' % sounds.effect_path(name), "\t}", ""]
    lines += ["}", ""]
    with open(out_path("data/globalSnd.dat"), "w", encoding="ascii", newline="\n") as f:
        f.write("\n".join(lines) + "\n")


def make_all(names=None):
    files = sorted(set(f for _n, f, _l in music_entries()))
    for serial, fname in enumerate(files, 1):
        if names and fname not in names:
            continue
        if fname == "match-win":
            x = jingle(sounds.win)
        elif fname == "match-lost":
            x = jingle(sounds.lose)
        else:
            x = render(fname)
        s.write_ogg(x, "sfx/music/%s.ogg" % fname, quality=2, serial=serial)
    write_registry(sounds.EFFECTS)


if __name__ == "__main__":
    import sys
    make_all(sys.argv[1:])
