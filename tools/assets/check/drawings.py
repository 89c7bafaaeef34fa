"""Every Picross level drawn by hand still shows its drawing: the level
generator mends a drawing that lines alone cannot finish and carves detail
into plain ones, and a level it changed too much (a screwdriver without its
shaft) shows something else than its name. Compares each level source of
tools/levels with its drawing in tools/campaign/pixel_art.py. Standard
library only."""

import glob
import os
import re
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
REPO = os.path.abspath(os.path.join(HERE, "..", "..", ".."))
MAX_CHANGED = 1 / 8.0  # of the drawing's picture cells


def _drawings():
    sys.path.insert(0, os.path.join(REPO, "tools", "campaign"))
    try:
        import shapes
    finally:
        sys.path.pop(0)
    return {p.name: ["".join(row) for row in p.draw(*p.native)] for p in shapes.all_pictures() if p.native}


def _level(path):
    """The level's picture name and its grid rows, from its source."""
    with open(path, encoding="ascii") as f:
        lines = f.read().split("\n")
    found = re.match(r"# Picross, stage \d+ level \d+: (.*)\. Written by", lines[0])
    if not found or "grid" not in lines:
        return None, None
    return found.group(1), [row for row in lines[lines.index("grid") + 1:] if row]


def changed_share(drawing, grid):
    """The share of the drawing's picture cells that the level changed, or
    None when the level does not have the drawing's size."""
    if len(drawing) != len(grid) or any(len(a) != len(b) for a, b in zip(drawing, grid)):
        return None
    drawn = sum(ch != "." for row in drawing for ch in row)
    changed = sum(a != b for ra, rb in zip(drawing, grid) for a, b in zip(ra, rb))
    return changed / float(max(1, drawn))


def check():
    drawings = _drawings()
    problems, worst = [], (0.0, "none")
    for path in sorted(glob.glob(os.path.join(REPO, "tools", "levels", "data", "levelSM", "s*.level"))):
        name, grid = _level(path)
        if name not in drawings:
            continue  # a shape picture, drawn to the board's size
        rel = os.path.relpath(path, REPO)
        share = changed_share(drawings[name], grid)
        if share is None:
            problems.append("%s: %s is not the size it is drawn" % (rel, name))
            continue
        worst = max(worst, (share, name))
        if share > MAX_CHANGED:
            problems.append("%s: %s keeps too little of its drawing (%.0f %% of its cells changed, at most %.0f %%)"
                            % (rel, name, 100 * share, 100 * MAX_CHANGED))
    print("picross drawings: at most %.0f %% of a drawing changed (%s; at most %.0f %%)"
          % (100 * worst[0], worst[1], 100 * MAX_CHANGED))
    return problems
