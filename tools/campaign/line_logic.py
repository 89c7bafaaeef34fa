"""Picross solving by lines alone, the solving effort (cells no single line
decides), the mending of a drawing that lines alone cannot finish, and the
detail given to a drawing whose every line is one run."""

import functools


def runs(line):
    out, n = [], 0
    for cell in list(line) + [False]:
        if cell:
            n += 1
        elif n:
            out.append(n)
            n = 0
    return tuple(out)


@functools.lru_cache(maxsize=None)
def line_fits(clue, known):
    """Per cell True/False when every placement of clue that agrees with known
    (None unknown) agrees there, else None; None for the whole line when no
    placement fits. Memoised: a drawing's lines recur while it is mended."""
    n, k = len(known), len(clue)

    @functools.lru_cache(maxsize=None)
    def can(i, j):
        if j == k:
            return all(known[x] is not True for x in range(i, n))
        if i >= n:
            return False
        if known[i] is not True and can(i + 1, j):
            return True
        return place(i, j)

    def place(i, j):
        end = i + clue[j]
        if end > n or any(known[x] is False for x in range(i, end)):
            return False
        if end < n and known[end] is True:
            return False
        return can(min(n, end + 1), j + 1)

    if not can(0, 0):
        return None
    full, empty = [False] * n, [False] * n
    seen, todo = set(), [(0, 0)]
    while todo:
        i, j = todo.pop()
        if (i, j) in seen:
            continue
        seen.add((i, j))
        if j == k:
            for x in range(i, n):
                empty[x] = True
            continue
        if known[i] is not True and can(i + 1, j):
            empty[i] = True
            todo.append((i + 1, j))
        if place(i, j):
            end = i + clue[j]
            for x in range(i, end):
                full[x] = True
            if end < n:
                empty[end] = True
            todo.append((min(n, end + 1), j + 1))
    return tuple(True if f and not e else False if e and not f else None for f, e in zip(full, empty))


def line_solve(filled):
    """(steps, known): steps counts lines that fixed at least one cell, None
    when lines alone get stuck; known holds what they decided."""
    h, w = len(filled), len(filled[0])
    rows = [runs(r) for r in filled]
    cols = [runs([filled[r][c] for r in range(h)]) for c in range(w)]
    known = [[None] * w for _ in range(h)]
    steps = 0
    while True:
        changed = False
        for r in range(h):
            got = line_fits(rows[r], tuple(known[r]))
            fixed = [c for c in range(w) if got and got[c] is not None and known[r][c] is None]
            for c in fixed:
                known[r][c] = got[c]
            steps += bool(fixed)
            changed |= bool(fixed)
        for c in range(w):
            got = line_fits(cols[c], tuple(known[r][c] for r in range(h)))
            fixed = [r for r in range(h) if got and got[r] is not None and known[r][c] is None]
            for r in fixed:
                known[r][c] = got[r]
            steps += bool(fixed)
            changed |= bool(fixed)
        if all(k is not None for row in known for k in row):
            return steps, known
        if not changed:
            return None, known


def filled(grid):
    """A drawing's rows of parts as picture (True) and empty (False) cells."""
    return [[p != "." for p in row] for row in grid]


def first_sweep_undecided(filled):
    """The solving effort: cells that no single line decides on the empty
    board. Every such cell needs rows and columns read together, so the figure
    grows with what the clues make a player combine, not with clicks; a board
    of full lines or plain overlaps scores 0."""
    h, w = len(filled), len(filled[0])
    decided = [[False] * w for _ in range(h)]
    for r in range(h):
        got = line_fits(runs(filled[r]), (None,) * w)
        for c in range(w):
            decided[r][c] |= got[c] is not None
    for c in range(w):
        got = line_fits(runs([filled[r][c] for r in range(h)]), (None,) * h)
        for r in range(h):
            decided[r][c] |= got[r] is not None
    return sum(not d for row in decided for d in row)


def detail_share(filled):
    """The share of rows and columns whose clue holds two runs or more."""
    lines = list(filled) + [list(col) for col in zip(*filled)]
    return sum(len(runs(line)) > 1 for line in lines) / len(lines)


def single_runs(filled):
    """True when every row and column clue is at most one run."""
    return all(len(runs(line)) <= 1 for line in list(filled) + [list(col) for col in zip(*filled)])


def _neighbour_part(grid, r, c):
    near = [grid[y][x] for y, x in ((r - 1, c), (r + 1, c), (r, c - 1), (r, c + 1))
            if 0 <= y < len(grid) and 0 <= x < len(grid[0]) and grid[y][x] != "."]
    return max(set(near), key=near.count) if near else None


def mend(grid, rng, flips=10, tries=24):
    """The drawing with the fewest cell changes found (at most flips) that
    lines alone solve, and its steps; (None, None) when none is found. Each
    change is one undecided cell, filled from a neighbour or emptied, chosen
    for leaving the fewest undecided cells."""
    grid = [list(row) for row in grid]
    for _ in range(flips + 1):
        steps, known = line_solve(filled(grid))
        if steps is not None:
            return grid, steps
        open_cells = [(r, c) for r, row in enumerate(known) for c, k in enumerate(row) if k is None]
        rng.shuffle(open_cells)
        best = None
        for r, c in open_cells[:tries]:
            part = "." if grid[r][c] != "." else _neighbour_part(grid, r, c)
            if part is None:
                continue
            trial = [row[:] for row in grid]
            trial[r][c] = part
            s2, k2 = line_solve(filled(trial))
            left = 0 if s2 is not None else sum(k is None for row in k2 for k in row)
            if best is None or left < best[0]:
                best = (left, trial)
        if best is None:
            return None, None
        grid = best[1]
    return None, None


def carve_detail(grid, rng):
    """A silhouette whose every line is one run, given detail: picture cells
    emptied as seams between two parts (or, in a one-part picture, as inner
    holes), a few per board side, each chosen for the most effort that lines
    alone still solve. Returns (grid, steps); the grid unchanged when it
    already has a line of two runs."""
    if not single_runs(filled(grid)):
        return grid, line_solve(filled(grid))[0]
    grid = [list(row) for row in grid]
    h, w = len(grid), len(grid[0])
    wanted = max(1, min(h, w) // 4)
    carved = []

    def part(y, x):
        return 0 <= y < h and 0 <= x < w and grid[y][x] != "."

    def seam(r, c):
        return any(grid[y][x] not in (".", grid[r][c]) for y, x in ((r + 1, c), (r, c + 1)) if y < h and x < w)

    for _ in range(wanted):
        # Emptying a cell between two picture cells splits a run; inner cells
        # and seams first, as they read as drawn detail.
        cells = [(r, c) for r in range(h) for c in range(w) if grid[r][c] != "."
                 and ((part(r, c - 1) and part(r, c + 1)) or (part(r - 1, c) and part(r + 1, c)))
                 and all(abs(r - y) + abs(c - x) > 2 for y, x in carved)]
        inner = [(r, c) for r, c in cells if part(r - 1, c) and part(r + 1, c) and part(r, c - 1) and part(r, c + 1)]
        seams = [rc for rc in inner if seam(*rc)]
        cells = seams or inner or cells
        rng.shuffle(cells)
        best = None
        for r, c in cells[:40]:
            trial = [row[:] for row in grid]
            trial[r][c] = "."
            steps, _ = line_solve(filled(trial))
            if steps is None:
                continue
            effort = first_sweep_undecided(filled(trial))
            if best is None or effort > best[0]:
                best = (effort, r, c)
        if best is None:
            break
        grid[best[1]][best[2]] = "."
        carved.append(best[1:])
    if not carved:
        # No single cut keeps the lines solving: a cut the mending then
        # settles, as long as the detail survives it.
        for r, c in cells[:10]:
            trial = [row[:] for row in grid]
            trial[r][c] = "."
            mended, steps = mend(trial, rng)
            if steps is not None and not single_runs(filled(mended)):
                return mended, steps
    steps, _ = line_solve(filled(grid))
    return grid, steps
