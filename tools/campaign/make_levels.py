#!/usr/bin/env python3
"""Writes the campaign levels' sources (tools/levels/data/levelSM/sSS-LL.level,
Picross, and tools/levels/data/levels/sSS-LL.level, Fill) from the named
pictures of shapes.py, then has the level tool build and validate them.
Deterministic: every choice comes from a random generator seeded by the
level's place. Fill levels whose clues leave more than one painting are
drawn again with more clues until the validator proves them unique.

Usage (from the repository root, after building the level tool):
  tools/campaign/make_levels.py [--tool build/tools/leveltool/sorvanta_leveltool]
Prints each level's size and solving effort, and the stage averages."""

import argparse
import os
import random
import re
import subprocess
import sys

sys.dont_write_bytecode = True
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import lands  # noqa: E402
import shapes  # noqa: E402

ROOT = os.path.abspath(os.path.join(os.path.dirname(__file__), "..", ".."))

# Picture parts as Picross pieces (1 + 4 * hue + shade, greys 49..54) and as Fill paints.
PIECES = {"main": 2, "dark": 53, "light": 50, "accent": 10, "green": 18, "brown": 46, "blue": 30, "white": 49}
PAINTS = {"main": 2, "dark": 7, "light": 6, "accent": 5, "green": 3, "brown": 9, "blue": 4, "white": 13}
KEYS = {"main": "r", "dark": "k", "light": "l", "accent": "y", "green": "g", "brown": "n", "blue": "b", "white": "w"}

# Per stage (index 0 = stage 1): smallest board side, hints (charged, icons), maxMistakes.
PICROSS_SIDE = [5, 6, 7, 8, 9, 10, 11, 12, 13, 14]
FILL_SIDE = [6, 7, 8, 9, 10, 11, 12, 13, 14, 15]
HINTS = [(3, 3), (3, 3), (2, 3), (2, 3), (2, 3), (2, 3), (1, 3), (1, 3), (1, 3), (1, 3)]
MISTAKES = [5, 5, 5, 5, 4, 4, 4, 4, 3, 3]
# Share of cells that keep their Fill clue, falling stage by stage.
CLUE_SHARE = [1.0, 0.9, 0.8, 0.75, 0.7, 0.65, 0.6, 0.55, 0.5, 0.45]


def cell_size(side, fill):
    limits = [(6, 0), (8, 1), (10, 2), (13, 3)] if fill else [(7, 1), (10, 2), (13, 3)]
    for limit, size in limits:
        if side <= limit:
            return size
    return 3 if not fill else 4


def render(picture, w, h, rng, jitter):
    """The picture's parts on a w x h grid (None for empty)."""
    s = 1.0 + (rng.uniform(-0.08, 0.08) if jitter else 0)
    dx = rng.uniform(-0.04, 0.04) if jitter else 0
    dy = rng.uniform(-0.04, 0.04) if jitter else 0
    grid = []
    for r in range(h):
        row = []
        for c in range(w):
            u = ((c + 0.5) / w - 0.5) * s + 0.5 + dx
            v = ((r + 0.5) / h - 0.5) * s + 0.5 + dy
            part = None
            for name, inside in picture[1]:
                if inside(u, v):
                    part = name
            row.append(part)
        grid.append(row)
    return grid


# -- Picross line solving: the effort is the number of line steps that fix a cell --

def runs(line):
    out, n = [], 0
    for cell in line + [False]:
        if cell:
            n += 1
        elif n:
            out.append(n)
            n = 0
    return out


def line_fits(clue, known):
    """Cells every placement agrees on (True/False), else None; [] when none fits."""
    n = len(known)
    agree = None

    def place(i, pos, cells):
        nonlocal agree
        if i == len(clue):
            full = cells + [False] * (n - len(cells))
            if any(k is not None and k != f for k, f in zip(known, full)):
                return
            agree = full[:] if agree is None else [a if a == f else None for a, f in zip(agree, full)]
            return
        need = sum(clue[i:]) + len(clue) - i - 1
        for start in range(pos, n - need + 1):
            cells2 = cells + [False] * (start - len(cells)) + [True] * clue[i]
            if i + 1 < len(clue):
                cells2.append(False)
            if any(k is not None and k != f for k, f in zip(known, cells2)):
                continue
            place(i + 1, len(cells2), cells2)

    place(0, 0, [])
    return agree


def line_solve(filled):
    h, w = len(filled), len(filled[0])
    rows = [runs(r) for r in filled]
    cols = [runs([filled[r][c] for r in range(h)]) for c in range(w)]
    known = [[None] * w for _ in range(h)]
    steps = 0  # lines that fixed at least one cell
    while True:
        changed = False
        for r in range(h):
            got = line_fits(rows[r], known[r])
            fixed = [c for c in range(w) if got and got[c] is not None and known[r][c] is None]
            for c in fixed:
                known[r][c] = got[c]
            steps += bool(fixed)
            changed |= bool(fixed)
        for c in range(w):
            got = line_fits(cols[c], [known[r][c] for r in range(h)])
            fixed = [r for r in range(h) if got and got[r] is not None and known[r][c] is None]
            for r in fixed:
                known[r][c] = got[r]
            steps += bool(fixed)
            changed |= bool(fixed)
        if all(k is not None for row in known for k in row):
            return steps
        if not changed:
            return None


def picross_level(stage, index, picture):
    rng = random.Random("picross-%d-%d" % (stage, index))
    side = PICROSS_SIDE[stage - 1] + (index - 1) * 2 // lands.LEVELS
    for attempt in range(400):
        w = side + (rng.choice([0, 0, 1]) if attempt else 0)
        grid = render(picture, w, side, rng, attempt > 0)
        filled = [[p is not None for p in row] for row in grid]
        if sum(map(sum, filled)) < side:
            continue
        sweeps = line_solve(filled)
        if sweeps:
            return grid, sweeps
    raise SystemExit("no line-solvable drawing of %s at stage %d" % (picture[0], stage))


def fill_level(stage, index, picture, attempt):
    rng = random.Random("fill-%d-%d-%d" % (stage, index, attempt))
    side = FILL_SIDE[stage - 1] + (index - 1) * 2 // lands.LEVELS
    grid = render(picture, side, side, rng, attempt > 2)  # later retries also redraw the picture
    h, w = side, side
    share = min(1.0, CLUE_SHARE[stage - 1] + 0.02 * (attempt // 4))  # new seeds first, then more clues
    clue = [[None] * w for _ in range(h)]
    near = lambda r, c: [grid[y][x] for y in range(max(0, r - 1), min(h, r + 2))  # noqa: E731
                         for x in range(max(0, c - 1), min(w, c + 2)) if grid[y][x]]
    for r in range(h):
        for c in range(w):
            seen = near(r, c)
            if rng.random() >= share:
                continue
            if grid[r][c]:
                clue[r][c] = grid[r][c]
            elif not seen:
                clue[r][c] = "0"
            else:
                # The block's main colour first; a retry draws another.
                colours = sorted(set(seen))
                clue[r][c] = rng.choice(colours) if attempt else max(colours, key=seen.count)
    # Every painted cell must be seen by a clue of its own colour.
    for r in range(h):
        for c in range(w):
            part = grid[r][c]
            if part and not any(clue[y][x] == part for y in range(max(0, r - 1), min(h, r + 2))
                                for x in range(max(0, c - 1), min(w, c + 2))):
                clue[r][c] = part
    clues = sum(1 for row in clue for x in row if x)
    return grid, clue, clues


def write(path, text):
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, "w", newline="\n") as f:
        f.write(text)


def header(ruleset, stage, index, picture, side, fill):
    charged, icons = HINTS[stage - 1]
    return ("# %s, stage %d level %d: %s. Written by tools/campaign/make_levels.py.\n"
            "ruleset %s\nsize %d\nbackground %s\nmaxMistakes %d\nhints %d %d\n"
            % ("Fill" if fill else "Picross", stage, index, picture[0], ruleset, cell_size(side, fill),
               lands.LANDS[stage - 1]["background" if fill else "picross"], MISTAKES[stage - 1], charged, icons))


def picross_source(stage, index, picture, grid):
    parts = sorted({p for row in grid for p in row if p})
    text = header("picross", stage, index, picture, max(len(grid), len(grid[0])), False)
    text += "".join("key %s %d\n" % (KEYS[p], PIECES[p]) for p in parts) + "grid\n"
    text += "".join("".join(KEYS[p] if p else "." for p in row) + "\n" for row in grid)
    return text


def fill_source(stage, index, picture, grid, clue):
    parts = sorted({p for row in grid for p in row if p} | {x for row in clue for x in row if x and x != "0"})
    text = header("fill", stage, index, picture, len(grid), True)
    text += "".join("key %s %d\n" % (KEYS[p], PAINTS[p]) for p in parts) + "grid\n"
    for row, crow in zip(grid, clue):
        tokens = []
        for p, q in zip(row, crow):
            if q == "0":
                tokens.append("0")
            elif p and q == p:
                tokens.append(KEYS[p].upper())
            elif p:
                tokens.append(KEYS[p])
            elif q:
                tokens.append("." + KEYS[q].upper())
            else:
                tokens.append(".")
        text += " ".join(tokens) + "\n"
    return text


def tool_run(tool, *args):
    return subprocess.run([tool, *args], cwd=ROOT, capture_output=True, text=True)


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    parser.add_argument("--tool", default="build/tools/leveltool/sorvanta_leveltool")
    tool = os.path.abspath(os.path.join(ROOT, parser.parse_args().tool))
    table = []  # (mode, stage, index, name, size, effort)
    # Each Picross stage takes the pictures that are easiest to solve at its
    # size among those left, so stages grow harder; the hardest comes last.
    left = list(range(len(shapes.PICTURES)))
    names = {"picross": [], "fill": []}

    def trial(stage, k):
        if shapes.MIN_SIDE.get(shapes.PICTURES[k][0], 0) > PICROSS_SIDE[stage - 1]:
            return 10 ** 6
        try:
            return picross_level(stage, 1, shapes.PICTURES[k])[1]
        except SystemExit:
            return 10 ** 6
    for stage in range(1, len(lands.LANDS) + 1):
        drawn = []
        chosen = sorted(left, key=lambda k: (trial(stage, k), k))[:lands.LEVELS]
        left = [k for k in left if k not in chosen]
        for index, k in enumerate(chosen, 1):
            picture = shapes.PICTURES[k]
            drawn.append((picture,) + picross_level(stage, index, picture))
        drawn.sort(key=lambda d: d[2])
        for index, (picture, grid, steps) in enumerate(drawn, 1):
            write(os.path.join(ROOT, "tools/levels", lands.level_path("picross", stage, index)).replace(".lvl", ".level"),
                  picross_source(stage, index, picture, grid))
            table.append(["Picross", stage, index, picture[0], "%dx%d" % (len(grid[0]), len(grid)), steps])
            names["picross"].append(picture[0])
    # Each Fill land takes, among the pictures left that read well at its
    # size, those that Picross shows in the most distant land.
    picross_land = {name: k // lands.LEVELS + 1 for k, name in enumerate(names["picross"])}
    fill_order, pool = [], list(shapes.PICTURES)
    for stage in range(1, len(lands.LANDS) + 1):
        fits = [pic for pic in pool if shapes.MIN_SIDE.get(pic[0], 0) <= FILL_SIDE[stage - 1]]
        fits.sort(key=lambda pic: (-abs(picross_land[pic[0]] - stage), pic[0]))
        fill_order += fits[:lands.LEVELS]
        pool = [pic for pic in pool if pic not in fits[:lands.LEVELS]]
    fills = {}
    attempt = {}
    pending = [(s, i) for s in range(1, len(lands.LANDS) + 1) for i in range(1, lands.LEVELS + 1)]
    while pending:
        for stage, index in pending:
            picture = fill_order[(stage - 1) * lands.LEVELS + index - 1]
            a = attempt.get((stage, index), 0)
            grid, clue, clues = fill_level(stage, index, picture, a)
            fills[(stage, index)] = (picture[0], len(grid), clues)
            write(os.path.join(ROOT, "tools/levels", lands.level_path("fill", stage, index)).replace(".lvl", ".level"),
                  fill_source(stage, index, picture, grid, clue))
        built = tool_run(tool, "build")
        if built.returncode:
            raise SystemExit(built.stdout + built.stderr)
        checked = tool_run(tool, "check", "assets/data/levels")
        failed = set(re.findall(r"data/levels/s(\d\d)-(\d\d)\.lvl\s+FAILED", checked.stdout))
        pending = []
        for s, i in sorted(failed):
            key = (int(s), int(i))
            attempt[key] = attempt.get(key, 0) + 1
            if attempt[key] > 120:
                raise SystemExit("no unique Fill drawing at stage %s level %s:\n%s" % (s, i, checked.stdout))
            pending.append(key)
    for (stage, index), (name, side, clues) in sorted(fills.items()):
        table.append(["Fill", stage, index, name, "%dx%d" % (side, side), side * side - clues])
        names["fill"].append(name)
    checked = tool_run(tool, "check", "assets/data/levels", "assets/data/levelSM")
    if checked.returncode:
        raise SystemExit(checked.stdout)
    print("%-8s %5s %5s  %-16s %6s %7s" % ("mode", "stage", "level", "picture", "size", "effort"))
    for row in table:
        print("%-8s %5d %5d  %-16s %6s %7d" % tuple(row))
    print("effort: Picross line steps that fix cells, Fill cells without a clue")
    lands.write_all(names)
    for mode in ("Picross", "Fill"):
        for stage in range(1, len(lands.LANDS) + 1):
            rows = [r for r in table if r[0] == mode and r[1] == stage]
            cells = sum(int(r[4].split("x")[0]) * int(r[4].split("x")[1]) for r in rows) / len(rows)
            effort = sum(r[5] for r in rows) / len(rows)
            print("%-8s stage %d: mean cells %6.1f, mean effort %5.1f" % (mode, stage, cells, effort))


if __name__ == "__main__":
    main()
