"""The story's figures keep one look: the youngest druid, who walks to the
scroll at the intro's end, is the figure the outro sets on the dais, and no
other figure wears the youngest's colour. Measured on the figure pictures by
their dominant colour; prints the figures. Standard library only."""

import os

import colour
import pixels

FIGURES = 7              # gfx/story/druids/v1.png ... v7.png
INTRO_CROWD = 10         # the intro's figures take the pictures in turn
YOUNGEST_INTRO = (INTRO_CROWD - 1) % FIGURES  # the last of the crowd walks
YOUNGEST_OUTRO = 0       # the outro's figure is v1
SAME_LOOK = 5.0          # CIEDE2000: at most this far apart reads as one robe
OTHER_LOOK = 15.0        # at least this far from the youngest's robe


def dominant_colour(pic, step=16):
    """The mean of the most common colour, opaque pixels binned by step."""
    bins = {}
    for row in pic.rows:
        for r, g, b, a in row:
            if a > 250:
                acc = bins.setdefault((r // step, g // step, b // step), [0, 0, 0, 0])
                acc[0] += r
                acc[1] += g
                acc[2] += b
                acc[3] += 1
    if not bins:
        return None
    acc = max(bins.values(), key=lambda v: v[3])
    return tuple(v / acc[3] for v in acc[:3])


def look_problems(robes):
    """Problems of the robes (one colour per figure, v1 first)."""
    young_in, young_out = robes[YOUNGEST_INTRO], robes[YOUNGEST_OUTRO]
    problems = []
    apart = colour.ciede2000(young_in, young_out)
    print("story figures: the youngest in the intro (v%d) and the outro (v%d) %.1f apart (at most %g)"
          % (YOUNGEST_INTRO + 1, YOUNGEST_OUTRO + 1, apart, SAME_LOOK))
    if apart > SAME_LOOK:
        problems.append("gfx/story/druids: the youngest wears %s in the intro (v%d) and %s in the outro (v%d)"
                        % (_hex(young_in), YOUNGEST_INTRO + 1, _hex(young_out), YOUNGEST_OUTRO + 1))
    others = [k for k in range(FIGURES) if k not in (YOUNGEST_INTRO, YOUNGEST_OUTRO)]
    nearest = min(others, key=lambda k: colour.ciede2000(robes[k], young_in))
    gap = colour.ciede2000(robes[nearest], young_in)
    print("story figures: the nearest other robe (v%d) %.1f from the youngest's (at least %g)"
          % (nearest + 1, gap, OTHER_LOOK))
    if gap < OTHER_LOOK:
        problems.append("gfx/story/druids/v%d.png: wears the youngest's colour (%.1f apart)" % (nearest + 1, gap))
    return problems


def _hex(rgb):
    return "#%02X%02X%02X" % tuple(int(round(v)) for v in rgb)


def check(root):
    robes = []
    for k in range(FIGURES):
        rel = "gfx/story/druids/v%d.png" % (k + 1)
        try:
            with open(os.path.join(root, rel), "rb") as f:
                pic = pixels.read_png(f.read())
        except OSError:
            return []  # a missing file is the fixed-path check's problem
        robe = dominant_colour(pic) if pic else None
        if robe is None:
            return ["%s: no opaque pixel to measure" % rel]
        robes.append(robe)
    return look_problems(robes)
