"""Rules for the puzzle's tables and pictures that the game's loaders take on
trust: the colour and picture-piece tables, the particle list, the board
frame pieces against their fixed handles, and the sizes of the cell and
digit pictures. Each rule is a function returning a list of problems, so
the self-test can feed it small cases."""

import formats

SIZES = range(5)
MAX_COLOUR_ID = 19
PARTICLE_IMAGES = 10  # the particle factories draw images 0 to 9

# Board frame pieces and the handles the play screen gives them: an image
# smaller than its handle would be drawn away from the board.
FRAME_HANDLES = {
    "gfx/gui/game/frame/okno_lg.png": (21, 20), "gfx/gui/game/frame/okno_g.png": (0, 20),
    "gfx/gui/game/frame/okno_pg.png": (0, 20), "gfx/gui/game/frame/okno_l.png": (21, 0),
    "gfx/gui/game/frame/okno_s.png": (0, 0), "gfx/gui/game/frame/okno_p.png": (0, 0),
    "gfx/gui/game/frame/okno_ld.png": (21, 0), "gfx/gui/game/frame/okno_d.png": (0, 0),
    "gfx/gui/game/frame/okno_pd.png": (0, 0),
    "gfx/gui/game/frame_LU.png": (29, 29), "gfx/gui/game/frame_U.png": (0, 7),
    "gfx/gui/game/frame_RU.png": (53, 29), "gfx/gui/game/frame_L.png": (7, 0),
    "gfx/gui/game/frame_R.png": (0, 0), "gfx/gui/game/frame_LD.png": (29, 53),
    "gfx/gui/game/frame_D.png": (0, 0), "gfx/gui/game/frame_RD.png": (53, 53),
    "gfx/gui/game/frame_ornament_u.png": (29, 25), "gfx/gui/game/frame_ornament_l.png": (25, 29),
    "gfx/gui/game/frame_ornament_r.png": (0, 29), "gfx/gui/game/frame_ornament_d.png": (29, 0),
    "gfx/gui/game/checked.png": (0, 2),
}


def _int(text):
    text = text.strip()
    digits = ""
    for i, ch in enumerate(text):
        if ch.isdigit() or (i == 0 and ch in "+-"):
            digits += ch
        else:
            break
    try:
        return int(float(digits)) if digits not in ("", "+", "-") else 0
    except ValueError:
        return 0


def _entries(root, table, item, count_key="i"):
    """(N, path prefix) of every entry the table's count announces, and the
    problems of entries that are missing."""
    count = _int(formats.get(root, "%s::%s" % (table, count_key)))
    out, problems = [], []
    group = root.group(table)
    for n in range(1, count + 1):
        if group is None or group.group("%s%d" % (item, n)) is None:
            problems.append("%s%d is missing, though %s::%s counts %d" % (item, n, table, count_key, count))
        else:
            out.append((n, "%s::%s%d::" % (table, item, n)))
    return count, out, problems


def colour_table(root):
    """(problems, (size index, image path) pairs) of data/colors.dat."""
    count, entries, problems = _entries(root, "colors", "color")
    images, ids = [], {}
    if count <= 0:
        problems.append("colors::i is 0: the Fill ruleset has no colours")
    for n, key in entries:
        cid = _int(formats.get(root, key + "id"))
        if not 1 <= cid <= MAX_COLOUR_ID:
            problems.append("color%d has id %d, outside 1..%d" % (n, cid, MAX_COLOUR_ID))
        if cid in ids:
            problems.append("color%d repeats id %d of color%d" % (n, cid, ids[cid]))
        ids.setdefault(cid, n)
        for field in ("rgb", "showRGB"):
            vals = [formats.get(root, key + field, i) for i in range(3)]
            if any(v.strip() == "" or not 0 <= _int(v) <= 255 for v in vals):
                problems.append("color%d::%s needs three values 0..255" % (n, field))
        for field in ("img0", "img1"):
            stem = formats.get(root, key + field)
            if not stem:
                problems.append("color%d lacks %s" % (n, field))
            else:
                images += [(s, "%s%d.png" % (stem, s)) for s in SIZES]
    if count > 0 and 1 not in ids:
        problems.append("no colour of id 1 (the cross entry every palette starts with)")
    return problems, images


def tile_table(root):
    """(problems, (size index, image path) pairs) of data/atiles.dat."""
    count, entries, problems = _entries(root, "tiles", "tile")
    images, ids = [], {}
    for n, key in entries:
        pid = _int(formats.get(root, key + "id"))
        if pid <= 0:
            problems.append("tile%d has id %d: empty cells are saved as 0, so a piece id must be 1 or more"
                            % (n, pid))
        if pid in ids:
            problems.append("tile%d repeats id %d of tile%d" % (n, pid, ids[pid]))
        ids.setdefault(pid, n)
        for s in SIZES:
            path = formats.get(root, key + "gfx%d" % s)
            if not path:
                problems.append("tile%d lacks gfx%d" % (n, s))
            else:
                images.append((s, path))
    return problems, images


def particle_table(root):
    """(problems, image paths) of data/particles.dat: "particles::i" is the
    highest image index."""
    last = _int(formats.get(root, "particles::i"))
    problems, images = [], []
    if last + 1 < PARTICLE_IMAGES:
        problems.append("particles::i is %d: the effects use images 0..%d" % (last, PARTICLE_IMAGES - 1))
    for k in range(last + 1):
        path = formats.get(root, "particles::p%d" % k)
        if not path:
            problems.append("particles::p%d is missing" % k)
        else:
            images.append(path)
    return problems, images


def handle_fits(name, size, handle):
    w, h = size
    hx, hy = handle
    if w < hx or h < hy:
        return ["%s is %d x %d, smaller than its handle (%d, %d)" % (name, w, h, hx, hy)]
    return []


def cell_sizes(empty, cross):
    """empty and cross: the sizes of empty0..4 and x0..4 (None when
    unreadable). Cells shrink from size 0 to 4; a cross is its cell's size."""
    problems = []
    for s in SIZES:
        if empty[s] and cross[s] and empty[s] != cross[s]:
            problems.append("gfx/tiles/x%d.png is %d x %d, gfx/tiles/empty%d.png %d x %d"
                            % (s, cross[s][0], cross[s][1], s, empty[s][0], empty[s][1]))
        if s and empty[s] and empty[s - 1] and (empty[s][0] >= empty[s - 1][0] or empty[s][1] >= empty[s - 1][1]):
            problems.append("gfx/tiles/empty%d.png is not smaller than empty%d.png" % (s, s - 1))
    return problems


def alike(label, sizes):
    """sizes: {name: (w, h) or None}; every readable picture of one group
    must have one size."""
    seen = sorted(set(v for v in sizes.values() if v))
    if len(seen) > 1:
        return ["%s differ in size: %s" % (label, ", ".join("%d x %d" % v for v in seen))]
    return []


def missing_widgets(rel, declared, needed):
    have = set(w.upper() for w in declared)
    return ["%s: no widget named %s, which the code looks up" % (rel, n) for n in needed if n.upper() not in have]
