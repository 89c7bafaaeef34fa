"""A small additive synthesiser: instruments, filters, reverb and the
writers for WAV and Ogg Vorbis. Everything is numpy arrays of floats in
-1..1 at RATE samples a second."""

import os
import subprocess
import tempfile
import wave

import numpy as np

from kit import out_path

RATE = 44100


def secs(n):
    return int(round(n * RATE))


def timeline(dur):
    return np.arange(secs(dur)) / float(RATE)


def midi_hz(m):
    return 440.0 * 2 ** ((m - 69) / 12.0)


def attack_release(n, attack, release):
    env = np.ones(n)
    a, r = min(secs(attack), n), min(secs(release), n)
    if a:
        env[:a] = np.linspace(0, 1, a) ** 1.5
    if r:
        env[-r:] *= np.linspace(1, 0, r) ** 1.5
    return env


# ---- instruments: each returns a mono note -------------------------------

def harp(f, dur, bright=1.0):
    """A plucked string: harmonics that die away faster the higher they are."""
    t = timeline(dur + 1.2)
    out = np.zeros_like(t)
    for k in range(1, 9):
        fk = f * k * (1 + 0.0004 * k * k)
        if fk > 9000:
            break
        amp = (1.0 / k ** 1.35) * (bright if k > 2 else 1)
        out += amp * np.sin(2 * np.pi * fk * t + k) * np.exp(-t * (1.6 + 1.1 * k))
    return out * attack_release(len(t), 0.003, 0.05) * 0.6


def bell(f, dur):
    """A soft glockenspiel: a few inharmonic partials with long decays."""
    t = timeline(dur + 1.8)
    out = np.zeros_like(t)
    for ratio, amp, decay in ((1.0, 1.0, 1.6), (2.0, 0.35, 2.6), (3.01, 0.18, 4.0), (4.16, 0.12, 6.0), (5.43, 0.05, 8.0)):
        if f * ratio < 10000:
            out += amp * np.sin(2 * np.pi * f * ratio * t) * np.exp(-t * decay)
    return out * attack_release(len(t), 0.002, 0.1) * 0.45


def flute(f, dur, seed=0):
    """A breathy wooden flute with a late, gentle vibrato."""
    t = timeline(dur + 0.15)
    vib = 1 + 0.004 * np.sin(2 * np.pi * 5.2 * t) * np.clip((t - 0.18) / 0.3, 0, 1)
    phase = 2 * np.pi * f * np.cumsum(vib) / RATE
    out = np.sin(phase) + 0.22 * np.sin(2 * phase) + 0.07 * np.sin(3 * phase)
    rnd = np.random.RandomState(seed)
    breath = band_noise(rnd.normal(0, 1, len(t)), 1500, 5000) * 0.05
    env = attack_release(len(t), 0.07, 0.16) * (0.85 + 0.15 * np.exp(-t * 3))
    return (out + breath) * env * 0.32


def pad(freqs, dur):
    """A warm string pad: detuned soft saws, slow to rise and fall."""
    t = timeline(dur + 0.9)
    out = np.zeros_like(t)
    for f in freqs:
        for det in (-0.0045, 0.0, 0.005):
            for k in range(1, 7):
                out += np.sin(2 * np.pi * f * (1 + det) * k * t + k * 1.3 + det * 500) / k ** 1.7
    return out * attack_release(len(t), 0.45, 0.9) * 0.07 / max(1, len(freqs)) ** 0.5


def bass(f, dur):
    t = timeline(dur + 0.3)
    out = np.sin(2 * np.pi * f * t) + 0.28 * np.sin(4 * np.pi * f * t) + 0.08 * np.sin(6 * np.pi * f * t)
    return out * np.exp(-t * 1.4) * attack_release(len(t), 0.006, 0.2) * 0.5


def drum(accent=1.0, seed=0):
    """A frame drum: a falling low tone and a soft skin slap."""
    t = timeline(0.45)
    f = 62 + 45 * np.exp(-t * 30)
    body = np.sin(2 * np.pi * np.cumsum(f) / RATE) * np.exp(-t * 9)
    rnd = np.random.RandomState(seed)
    slap = band_noise(rnd.normal(0, 1, len(t)), 200, 1800) * np.exp(-t * 45) * 0.5
    return (body + slap) * attack_release(len(t), 0.001, 0.05) * 0.55 * accent


def shaker(accent=1.0, seed=0):
    t = timeline(0.12)
    rnd = np.random.RandomState(seed)
    n = band_noise(rnd.normal(0, 1, len(t)), 4000, 9000)
    return n * np.exp(-((t - 0.02) / 0.025) ** 2) * 0.12 * accent


# ---- filters and effects ----------------------------------------------------

def band_noise(x, lo, hi, soft=0.3):
    """Band-pass by shaping the spectrum; edges roll off over soft octaves."""
    spec = np.fft.rfft(x)
    fr = np.fft.rfftfreq(len(x), 1.0 / RATE) + 1e-9
    mask = np.ones_like(fr)
    if lo:
        mask *= 1 / (1 + (lo / fr) ** (2 / soft))
    if hi:
        mask *= 1 / (1 + (fr / hi) ** (2 / soft))
    return np.fft.irfft(spec * mask, len(x))


def lowpass(x, hi, soft=0.5):
    return band_noise(x, 0, hi, soft)


def reverb(stereo, seconds=2.2, mix=0.25, seed=1, damp=4500):
    """Convolution with a decaying noise tail, different left and right."""
    rnd = np.random.RandomState(seed)
    n = secs(seconds)
    t = np.arange(n) / float(RATE)
    out = np.copy(stereo)
    size = 1 << int(np.ceil(np.log2(stereo.shape[0] + n)))
    for ch in range(2):
        ir = rnd.normal(0, 1, n) * np.exp(-t * 6.9 / seconds)
        ir = lowpass(ir, damp)
        ir[:secs(0.012)] = 0  # a little pre-delay
        ir /= np.sqrt(np.sum(ir ** 2))
        wet = np.fft.irfft(np.fft.rfft(stereo[:, ch], size) * np.fft.rfft(ir, size), size)[:stereo.shape[0]]
        out[:, ch] = stereo[:, ch] * (1 - mix * 0.5) + wet * mix
    return out


class Mix:
    """A stereo buffer that notes are added into."""

    def __init__(self, dur):
        self.buf = np.zeros((secs(dur), 2))

    def add(self, note, at, gain=1.0, pan=0.0):
        start = max(0, secs(at))
        if start >= len(self.buf):
            return
        end = min(len(self.buf), start + len(note))
        seg = note[:end - start] * gain
        self.buf[start:end, 0] += seg * np.sqrt(0.5 * (1 - pan))
        self.buf[start:end, 1] += seg * np.sqrt(0.5 * (1 + pan))


def master(x, peak=0.89, rms_db=-15.0):
    """Gentle soft clipping, then a level of about rms_db, peaks capped."""
    x = x / (np.max(np.abs(x)) + 1e-9)
    x = np.tanh(x * 1.2) / np.tanh(1.2)
    rms = np.sqrt(np.mean(x ** 2)) + 1e-9
    gain = min(10 ** (rms_db / 20.0) / rms, peak)
    return x * gain


def write_wav(x, rel):
    """16-bit WAV; mono when given one channel."""
    data = np.clip(np.round(x * 32767), -32768, 32767).astype("<i2")
    channels = 1 if data.ndim == 1 else data.shape[1]
    with wave.open(out_path(rel), "wb") as w:
        w.setnchannels(channels)
        w.setsampwidth(2)
        w.setframerate(RATE)
        w.writeframes(data.tobytes())


def write_ogg(x, rel, quality=2, serial=1):
    """Ogg Vorbis through oggenc; a fixed serial keeps the bytes repeatable."""
    fd, tmp = tempfile.mkstemp(suffix=".wav")
    os.close(fd)
    try:
        data = np.clip(np.round(x * 32767), -32768, 32767).astype("<i2")
        with wave.open(tmp, "wb") as w:
            w.setnchannels(1 if data.ndim == 1 else data.shape[1])
            w.setsampwidth(2)
            w.setframerate(RATE)
            w.writeframes(data.tobytes())
        subprocess.run(["oggenc", "--quiet", "-q", str(quality), "--serial", str(serial),
                        "-o", out_path(rel), tmp], check=True)
    finally:
        os.unlink(tmp)
