"""Rules for the map's drifting clouds and the stage previews' painted flags,
as part of tools/check_assets: a cloud may cross any stage marker (the code
flies them at any height between 80 and 500 px, where the markers stand), so
every cloud picture is thin enough for a marker to show through it; and a
flag painted in a play background is wholly inside the window of every
stage preview cut from that background, or wholly outside it, never cut by
the frame. Standard library only."""

import formats
import pixels
import places

CLOUDS = (5, 6, 7)       # the particle images the map's clouds are drawn with
CLOUD_PEAK = 0.35        # the most opaque a cloud's pixel may be
PREVIEW_FRAME = 7        # px of the preview's own frame, each side


def cloud_problems(read):
    """read(rel) -> bytes or None."""
    table, _ = formats.read_datafile(read("data/particles.dat") or b"")
    problems = []
    for n in CLOUDS:
        rel = formats.get(table, "particles::p%d" % n) if table else ""
        pic = pixels.read_png(read(rel) or b"") if rel else None
        if pic is None:
            problems.append("map clouds: particle image %d (%s) is no picture" % (n, rel))
            continue
        peak = max(a for row in pic.rows for _, _, _, a in row) / 255.0
        if peak > CLOUD_PEAK:
            problems.append("map clouds: %s is %d %% opaque, more than %d %%: it hides the markers it crosses"
                            % (rel, round(peak * 100), round(CLOUD_PEAK * 100)))
    return problems


def preview_window(back, preview):
    """The preview is the background scaled to cover it and cut at its
    middle (tools/assets/stages.py): the function from a background point to
    a preview point."""
    scale = max(preview[0] / back[0], preview[1] / back[1])
    left = (round(back[0] * scale) - preview[0]) // 2
    top = (round(back[1] * scale) - preview[1]) // 2
    return lambda x, y: (x * scale - left, y * scale - top)


def flag_problems(table, size, background_of):
    """table: data/stagesM.dat's root; size(rel) -> (w, h) or None;
    background_of(stage) -> the background's name of its levels."""
    problems = []
    for s in range(1, (formats.to_int(formats.get(table, "stages::i")) if table else 0) + 1):
        name = background_of(s)
        rel = formats.get(table, "stages::stage%d::preview" % s)
        back, got = size("gfx/backgrounds/background_%s.jpg" % name), size(rel)
        if not back or not got:
            continue
        at = preview_window(back, got)
        lo, hi = PREVIEW_FRAME, (got[0] - PREVIEW_FRAME, got[1] - PREVIEW_FRAME)
        for x, foot, _, _ in places.BACKGROUND_FLAGS.get(name, []):
            box = places.flag_box(x, foot)
            x0, y0 = at(box[0], box[1])
            x1, y1 = at(box[2], box[3])
            inside = x0 >= lo and y0 >= lo and x1 <= hi[0] and y1 <= hi[1]
            outside = x1 <= 0 or y1 <= 0 or x0 >= got[0] or y0 >= got[1]
            if not inside and not outside:
                problems.append("%s: the flag painted at (%d, %d) of background %s is cut by the frame"
                                % (rel, x, foot, name))
    return problems
