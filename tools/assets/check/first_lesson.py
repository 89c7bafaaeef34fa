"""The first Picross lesson's picture cannot be taken for a mistake: a new
player uncovers its cells before any tip has said what a mistake looks like,
and red there reads as one. Every piece of its picture stays apart from the
mistakes' reds (the rock's glowing crack, its sparks, the counter of a lost
level), for normal vision and under each simulated dichromacy (CIEDE2000).
Figures are (name, value, limit)."""

import broken_cells
import formats

LESSON = "data/levelSM/level-tutorial-1.lvl"
# the rock's crack glow (tools/assets/effects.py), its darkest spark, the counter's red
MISTAKE_REDS = [(255, 90, 54), (200, 0, 0), (255, 0, 0)]
APART, CVD_APART = 30.0, 20.0


def figures(read):
    level, err = formats.read_datafile(read(LESSON) or b"")
    if err or not level.group("level"):
        return [("first lesson: %s unreadable" % LESSON, 0.0, 1.0)]
    faces = broken_cells.Faces(read)
    size = int(float(formats.get(level, "level::data::size") or 0))
    worst = [(99.0, ""), (99.0, "")]
    for pid in sorted({p for row in broken_cells.ids(level) for p in row if p}):
        piece, face = faces.piece(pid, size)
        if face is None:
            return [("first lesson: piece %d unreadable" % pid, 0.0, 1.0)]
        for red in MISTAKE_REDS:
            for k, v in enumerate(broken_cells._apart(tuple(round(c) for c in face), red)):
                worst[k] = min(worst[k], (v, piece))
    print("first lesson: its %s %.1f apart from a mistake's red, %.1f for a dichromat (at least %g, %g)"
          % (worst[0][1], worst[0][0], worst[1][0], APART, CVD_APART))
    return [("first lesson's %s apart from a mistake's red" % worst[0][1], worst[0][0], APART),
            ("first lesson's %s apart from a mistake's red, dichromat" % worst[1][1], worst[1][0], CVD_APART)]
