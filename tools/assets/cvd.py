"""Colour-vision checks for the puzzle palette: simulates the three common
dichromacies (Machado, Oliveira and Fernandes 2009, full severity) and
measures colour differences in CIELAB, so the palette can be judged the way
a colour-blind player sees it."""

import os
import sys

import numpy as np

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "check"))
from colour import CVD_MATRICES  # noqa: E402  (one home for the matrices)

MATRICES = {kind: np.array(m) for kind, m in CVD_MATRICES.items()}


def _to_linear(c):
    c = np.asarray(c, dtype=np.float64) / 255.0
    return np.where(c <= 0.04045, c / 12.92, ((c + 0.055) / 1.055) ** 2.4)


def _to_srgb(c):
    c = np.clip(c, 0, 1)
    return np.where(c <= 0.0031308, c * 12.92, 1.055 * c ** (1 / 2.4) - 0.055) * 255.0


def simulate(rgb, kind):
    """An sRGB colour (0-255 triple or array of them) as seen with the
    given deficiency; "normal" returns it unchanged."""
    if kind == "normal":
        return np.asarray(rgb, dtype=np.float64)
    lin = _to_linear(rgb)
    return _to_srgb(lin @ MATRICES[kind].T)


def lab(rgb):
    lin = _to_linear(rgb)
    m = np.array([[0.4124, 0.3576, 0.1805], [0.2126, 0.7152, 0.0722], [0.0193, 0.1192, 0.9505]])
    xyz = lin @ m.T / np.array([0.95047, 1.0, 1.08883])
    f = np.where(xyz > 0.008856, np.cbrt(xyz), 7.787 * xyz + 16 / 116.0)
    return np.stack([116 * f[..., 1] - 16, 500 * (f[..., 0] - f[..., 1]), 200 * (f[..., 1] - f[..., 2])], -1)


def distance(a, b):
    """CIE76 difference of two sRGB colours."""
    return float(np.linalg.norm(lab(np.asarray(a, float)) - lab(np.asarray(b, float))))


def closest_pairs(named, kinds=("normal", "protan", "deutan", "tritan")):
    """For each vision kind, the pair of (name, rgb) entries that look most
    alike and their distance."""
    out = {}
    for kind in kinds:
        best = None
        for i in range(len(named)):
            for j in range(i + 1, len(named)):
                d = distance(simulate(named[i][1], kind), simulate(named[j][1], kind))
                if best is None or d < best[0]:
                    best = (d, named[i][0], named[j][0])
        out[kind] = best
    return out
