#!/usr/bin/env python3
"""Writes the campaign levels' sources (tools/levels/data/levelSM/sSS-LL.level,
Picross, and tools/levels/data/levels/sSS-LL.level, Fill) from the named
pictures of shapes.py, then has the level tool build and validate them.
Deterministic: every choice comes from a random generator seeded by the
level's place. A Picross drawing that lines alone cannot finish is mended a
cell at a time; a Fill level whose clues leave more than one painting is
drawn again with a new seed and, later, more clues, until the validator
proves it unique.

Usage (from the repository root, after building the level tool):
  tools/campaign/make_levels.py [--tool build/tools/leveltool/sorvanta_leveltool]
Prints each level's size and solving effort, and the stage averages."""

import argparse
import os
import random
import re
import shutil
import statistics
import subprocess
import sys
import tempfile

sys.dont_write_bytecode = True
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import lands  # noqa: E402
import line_logic  # noqa: E402
import shapes  # noqa: E402

ROOT = os.path.abspath(os.path.join(os.path.dirname(__file__), "..", ".."))

# Picture parts as Picross pieces (1 + 4 * hue + shade, greys 49..54) and as Fill paints.
PIECES = {"r": 2, "k": 54, "l": 49, "y": 10, "g": 18, "n": 46, "b": 30, "w": 52, "o": 6, "p": 34, "s": 26, "i": 42}
PAINTS = {"r": 2, "k": 7, "l": 6, "y": 5, "g": 3, "n": 9, "b": 4, "w": 13, "o": 8, "p": 10, "s": 11, "i": 12}

STAGES = len(lands.LANDS)
# Per stage (index 0 = stage 1): the side of a shape picture's board at the
# stage's first and last level, hints (charged, icons), maxMistakes. Pixel
# pictures keep their drawn size.
SHAPE_SIDE = [(5, 5), (6, 7), (7, 8), (8, 10), (10, 11), (11, 13), (13, 14), (14, 16), (15, 17), (20, 24)]
HINTS = [(3, 3), (3, 3), (2, 3), (2, 3), (2, 3), (2, 3), (1, 3), (1, 3), (1, 3), (1, 3)]
MISTAKES = [5, 5, 5, 5, 4, 4, 4, 4, 3, 3]
# Share of cells that keep their Fill clue, falling stage by stage.
CLUE_SHARE = [1.0, 0.9, 0.85, 0.8, 0.75, 0.7, 0.68, 0.65, 0.62, 0.6]
# Drawings whose Fill clues cannot single out one painting, even mended.
FILL_UNFIT = {"Steam Train"}
# From this stage on every Picross level has a line of two runs or more.
DETAIL_FROM = 3
# The campaign's last level: a detailed picture (most lines of several runs)
# on the largest board, among the hardest of its land.
FINALE = "Sailing Boat"
SHAPE_KEY = 15.5  # shape pictures read best on big boards: they sort among the largest drawings


CELL_PX = [45, 42, 34, 28, 22]
# A won board shorter than 340 px grows by 1.3 in the level summary; taller
# than this it would reach the summary's name line.
SUMMARY_HEIGHT = 352


def cell_size(side, fill, rows):
    limits = [(10, 0), (12, 1), (14, 2), (16, 3)] if fill else [(9, 0), (11, 1), (15, 2), (18, 3)]
    size = next((size for limit, size in limits if side <= limit), 4)
    while size < 4 and side * CELL_PX[size] < 340 and rows * CELL_PX[size] * 1.3 > SUMMARY_HEIGHT:
        size += 1
    return size


def planned_side(stage, index):
    first, last = SHAPE_SIDE[stage - 1]
    count = lands.LEVELS[stage - 1]
    return first + (last - first) * (index - 1) // max(1, count - 1)


def board(picture, stage, index, rng=None):
    """The picture's rows of parts: a pixel picture as drawn, a shape picture
    at the stage's side (shifted a little when rng is given)."""
    if picture.native:
        return picture.draw(*picture.native)
    side = max(picture.min_side, planned_side(stage, index))
    if rng is None:
        return picture.draw(side, side)
    return picture.draw(side, side, rng.uniform(-0.04, 0.04), rng.uniform(-0.04, 0.04), 1 + rng.uniform(-0.08, 0.08))


def picross_level(stage, index, picture):
    rng = random.Random("picross-%d-%d-%s" % (stage, index, picture.name))
    grid = board(picture, stage, index)
    steps, _ = line_logic.line_solve(line_logic.filled(grid))
    for _ in range(0 if steps or picture.native else 60):  # a shape picture first tries small shifts
        grid = board(picture, stage, index, rng)
        steps, _ = line_logic.line_solve(line_logic.filled(grid))
        if steps:
            break
    if not steps:
        grid, steps = line_logic.mend(board(picture, stage, index), rng)
    if not steps:
        raise SystemExit("no line-solvable drawing of %s at stage %d" % (picture.name, stage))
    if stage >= DETAIL_FROM:
        grid, steps = line_logic.carve_detail(grid, rng)
        if line_logic.single_runs(line_logic.filled(grid)):
            raise SystemExit("no detail for %s at stage %d keeps it line-solvable" % (picture.name, stage))
    return grid, line_logic.first_sweep_undecided(line_logic.filled(grid))


def fill_level(stage, index, picture, attempt, pinned=(), avoid=None, edits=None):
    """The board and its clues; pinned cells always carry one, an empty clue
    cell never takes a colour that avoid lists for it, and edits change cells
    of the drawing (a part, or None for empty)."""
    avoid = avoid or {}
    rng = random.Random("fill-%d-%d-%d" % (stage, index, attempt))
    grid = board(picture, stage, index, rng if attempt > 2 and not picture.native else None)
    grid = [[p if p != "." else None for p in row] for row in grid]
    for (r, c), part in (edits or {}).items():
        grid[r][c] = part
    h, w = len(grid), len(grid[0])
    share = min(1.0, CLUE_SHARE[stage - 1] + 0.02 * (attempt // 4))  # new seeds first, then more clues
    clue = [[None] * w for _ in range(h)]

    def near(r, c):
        return [grid[y][x] for y in range(max(0, r - 1), min(h, r + 2))
                for x in range(max(0, c - 1), min(w, c + 2)) if grid[y][x]]
    for r in range(h):
        for c in range(w):
            seen = near(r, c)
            if rng.random() >= share and (r, c) not in pinned:
                continue
            if grid[r][c]:
                clue[r][c] = grid[r][c]
            elif not seen:
                clue[r][c] = "0"
            else:
                # The block's main colour first; a retry draws another.
                colours = sorted(set(seen) - avoid.get((r, c), set())) or sorted(set(seen))
                clue[r][c] = rng.choice(colours) if attempt and (r, c) not in pinned else max(colours, key=seen.count)
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


def source_path(mode, stage, index):
    return os.path.join(ROOT, "tools/levels", lands.level_path(mode, stage, index)).replace(".lvl", ".level")


def header(ruleset, stage, index, name, size):
    charged, icons = HINTS[stage - 1]
    fill = ruleset == "fill"
    return ("# %s, stage %d level %d: %s. Written by tools/campaign/make_levels.py.\n"
            "ruleset %s\nsize %d\nbackground %s\nmaxMistakes %d\nhints %d %d\n"
            % ("Fill" if fill else "Picross", stage, index, name, ruleset, size,
               lands.LANDS[stage - 1]["background"], MISTAKES[stage - 1], charged, icons))


def picross_source(stage, index, name, grid, size):
    parts = sorted({p for row in grid for p in row if p != "."})
    text = header("picross", stage, index, name, size)
    text += "".join("key %s %d\n" % (p, PIECES[p]) for p in parts) + "grid\n"
    return text + "".join("".join(row) + "\n" for row in grid)


def fill_source(stage, index, name, grid, clue, size):
    parts = sorted({p for row in grid for p in row if p} | {x for row in clue for x in row if x and x != "0"})
    text = header("fill", stage, index, name, size)
    text += "".join("key %s %d\n" % (p, PAINTS[p]) for p in parts) + "grid\n"
    for row, crow in zip(grid, clue):
        tokens = []
        for p, q in zip(row, crow):
            if q == "0":
                tokens.append("0")
            elif p and q == p:
                tokens.append(p.upper())
            elif p:
                tokens.append(p)
            elif q:
                tokens.append("." + q.upper())
            else:
                tokens.append(".")
        text += " ".join(tokens) + "\n"
    return text


def tool_run(tool, *args):
    return subprocess.run([tool, *args], cwd=ROOT, capture_output=True, text=True)


def sort_key(picture):
    return max(picture.native) if picture.native else SHAPE_KEY


def spread(share):
    """Each picture's place for planned_side: the shape pictures spread over
    the whole stage, so that its last one takes the stage's largest side."""
    shaped = [p for p in share if not p.native]
    count = len(share)
    return [1 + shaped.index(p) * (count - 1) // max(1, len(shaped) - 1) if p in shaped else i
            for i, p in enumerate(share, 1)]


def by_stage(order):
    """Cuts the ordered pictures into the stages' shares."""
    out, start = [], 0
    for count in lands.LEVELS:
        out.append(order[start:start + count])
        start += count
    return out


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    parser.add_argument("--tool", default="build/tools/leveltool/sorvanta_leveltool")
    tool = os.path.abspath(os.path.join(ROOT, parser.parse_args().tool))
    pictures = shapes.all_pictures()
    need = sum(lands.LEVELS)
    if len(pictures) < need:
        raise SystemExit("%d pictures for %d levels" % (len(pictures), need))
    # Picross: bigger drawings in later lands; within a land the hardest last.
    order = sorted(pictures, key=lambda p: (sort_key(p), p.name))[:need]
    levels = {}  # (mode, stage, index) -> [name, grid, clue, effort, size]
    for stage, share in enumerate(by_stage(order), 1):
        places = spread(share)
        if stage == STAGES:
            places[[p.name for p in share].index(FINALE)] = len(share)  # the largest board
        drawn = [(p,) + picross_level(stage, i, p) for i, p in zip(places, share)]
        drawn.sort(key=lambda d: (d[0].name == FINALE, d[2], len(d[1]) * len(d[1][0]), d[0].name))
        for index, (picture, grid, steps) in enumerate(drawn, 1):
            side = max(len(grid), len(grid[0]))
            levels[("picross", stage, index)] = [picture.name, grid, None, steps, cell_size(side, False, len(grid))]
    # Fill: the same pictures in another order, so a land shows other pictures
    # than the Picross land; sizes still rise from land to land.
    rng = random.Random("fill-order")
    pool = sorted((p for p in pictures if p.name not in FILL_UNFIT), key=lambda p: (sort_key(p), p.name))[:need]
    # Each Fill-only picture takes the place of the shared one nearest in size.
    for own in shapes.fill_only_pictures():
        nearest = min(pool, key=lambda p: (p.native is None, abs(sort_key(p) - sort_key(own)), p.name))
        pool[pool.index(nearest)] = own
    fill_order = sorted(pool, key=lambda p: (sort_key(p) + rng.uniform(-2.5, 2.5), p.name))
    fill_pictures = {}
    for stage, share in enumerate(by_stage(fill_order), 1):
        share = sorted(share, key=lambda p: (max(p.native) if p.native else max(p.min_side, SHAPE_SIDE[stage - 1][1]),
                                             p.name))
        for index, picture in enumerate(share, 1):
            fill_pictures[(stage, index)] = picture
            side = len(board(picture, stage, index))
            levels[("fill", stage, index)] = [picture.name, None, None, 0, cell_size(side, True, side)]
    attempt, pinned, avoid, edits = {}, {}, {}, {}
    pending = list(levels)
    scratch = tempfile.mkdtemp(prefix="make_levels_")
    try:
        for _ in range(400):
            # Only the levels still pending are written, built and checked again.
            shutil.rmtree(scratch)
            for key in pending:
                mode, stage, index = key
                entry = levels[key]
                if mode == "picross":
                    text = picross_source(stage, index, entry[0], entry[1], entry[4])
                else:
                    grid, clue, clues = fill_level(stage, index, fill_pictures[(stage, index)], attempt.get(key, 0),
                                                   pinned.get(key, set()), avoid.get(key),
                                                   edits.get(key))
                    entry[1:4] = [grid, clue, len(grid) * len(grid[0]) - clues]
                    text = fill_source(stage, index, entry[0], grid, clue, entry[4])
                write(source_path(mode, stage, index), text)
                write(os.path.join(scratch, lands.level_path(mode, stage, index).replace(".lvl", ".level")), text)
            built = tool_run(tool, "build", "--sources", scratch)
            if built.returncode:
                raise SystemExit(built.stdout + built.stderr)
            checked = tool_run(tool, "check", *["assets/" + lands.level_path(*key) for key in pending])
            pending = retry(checked.stdout, levels, attempt, pinned, avoid, edits)
            print("%d level(s) to draw again" % len(pending), file=sys.stderr)
            if not pending:
                break
        else:
            raise SystemExit("levels still failing:\n" + checked.stdout)
    finally:
        shutil.rmtree(scratch, ignore_errors=True)
    report(levels)
    lands.write_all({mode: [levels[(mode, s, i)][0] for s in range(1, STAGES + 1)
                            for i in range(1, lands.LEVELS[s - 1] + 1)] for mode in ("picross", "fill")})


def retry(output, levels, attempt, pinned, avoid, edits):
    """The levels that failed the check, each changed for its next try."""
    pending = set()
    failed = re.findall(r"data/(levels|levelSM)/s(\d\d)-(\d\d)\.lvl: rule ([\w-]+): (.*)", output)
    for folder, s, i, rule, message in failed:
        key = ("fill" if folder == "levels" else "picross", int(s), int(i))
        other = re.search(r"row (\d+), column (\d+) holds colour (\d+) there, (\d+) in", message)
        if rule == "layout" and levels[key][4] < 4:
            levels[key][4] += 1  # smaller cells
        elif key[0] == "fill" and other and len(pinned.get(key, ())) < 80:
            # Clues around the cell where the second painting differs rule it
            # out; when they are all there already, a new seed.
            r, c = int(other.group(1)), int(other.group(2))
            grid, clue, pins = levels[key][1], levels[key][2], pinned.setdefault(key, set())
            # An empty clue cell may take its clue's colour: where the second
            # painting moves a colour onto or off a cell, the empty cells near
            # it get clues of another colour.
            moved = max(int(other.group(3)), int(other.group(4)))
            paint = next((p for p, v in PAINTS.items() if v == moved), None)
            for y in range(max(0, r - 2), min(len(grid), r + 3)):
                for x in range(max(0, c - 2), min(len(grid[0]), c + 3)):
                    if paint and not grid[y][x] and clue[y][x] == paint:
                        avoid.setdefault(key, {}).setdefault((y, x), set()).add(paint)
            before = len(pins)
            pins.update((y, x) for y in range(r - 2, r + 3) for x in range(c - 2, c + 3)
                        if 0 <= y < len(grid) and 0 <= x < len(grid[0]))
            if len(pins) == before and len(edits.get(key, ())) < 16:
                # Clues cannot tell the two paintings apart: the drawing takes
                # the other painting's cell there, and is tried again.
                edits.setdefault(key, {})[(r, c)] = paint if int(other.group(3)) else None
            elif len(pins) == before:
                attempt[key] = attempt.get(key, 0) + 1
                pinned.pop(key)
        elif key[0] == "fill":
            attempt[key] = attempt.get(key, 0) + 1
            pinned.pop(key, None)
        else:
            raise SystemExit(output)
        pending.add(key)
    return sorted(pending)


def report(levels):
    print("%-8s %5s %5s  %-22s %6s %7s" % ("mode", "stage", "level", "picture", "size", "effort"))
    for (mode, stage, index), (name, grid, _clue, effort, _size) in sorted(levels.items()):
        print("%-8s %5d %5d  %-22s %6s %7d" % (mode, stage, index, name, "%dx%d" % (len(grid[0]), len(grid)), effort))
    print("effort: Picross cells no single line decides on the empty board, Fill cells without a clue")
    for mode in ("picross", "fill"):
        last = -1
        for stage in range(1, STAGES + 1):
            rows = [v for k, v in levels.items() if k[0] == mode and k[1] == stage]
            cells = sum(len(v[1]) * len(v[1][0]) for v in rows) / len(rows)
            effort = sum(v[3] for v in rows) / len(rows)
            print("%-8s stage %2d: %2d levels, mean cells %6.1f, mean effort %6.1f, median %6.1f" % (
                mode, stage, len(rows), cells, effort, statistics.median(v[3] for v in rows)))
            if effort <= last:
                print("warning: %s stage %d is not harder than the one before" % (mode, stage))
            last = effort


if __name__ == "__main__":
    main()
