"""Rules for the map screen's pictures and layout that its code takes on
trust: the painted map fills the design area, the flag's pole foot lies in
its picture, the frame pieces meet, the compass stays on the map, and the
layout's buttons stay clear of every stage marker and flag."""

DIR = "gfx/gui/map/"
FILES = [DIR + f for f in ("back.jpg", "compass.png", "flaga0.png", "flaga1.png", "frameLeft.png", "frameRight.png",
                           "frameUp.png", "ship.png")] + [DIR + "#LANG#/mapScreen.gui"]
LAYOUT = DIR + "#LANG#/mapScreen.gui"
WIDGETS = ["PLAY", "MENU"]

DESIGN = (1024, 768)
FLAG_FOOT = (6, 103)
COMPASS_AT = (30, 30)
FRAME_RIGHT_EDGE = 1023


def pictures(size):
    """size(name) -> (w, h) or None for a picture of the map folder."""
    problems = []
    back = size("back.jpg")
    if back and tuple(back) != DESIGN:
        problems.append("%sback.jpg is %d x %d, not the design area" % ((DIR,) + tuple(back)))
    flags = [size("flaga%d.png" % k) for k in (0, 1)]
    for k, got in enumerate(flags):
        if got and (got[0] <= FLAG_FOOT[0] or got[1] <= FLAG_FOOT[1]):
            problems.append("%sflaga%d.png is %d x %d: the pole's foot (6, 103) lies outside" % ((DIR, k) + tuple(got)))
    if all(flags) and tuple(flags[0]) != tuple(flags[1]):
        problems.append("%sflaga0.png and flaga1.png differ in size" % DIR)
    left, up, right = size("frameLeft.png"), size("frameUp.png"), size("frameRight.png")
    for name, got in (("frameLeft.png", left), ("frameRight.png", right)):
        if got and got[1] < DESIGN[1]:
            problems.append("%s%s is %d high, shorter than the map" % (DIR, name, got[1]))
    if left and up and right and left[0] + up[0] < FRAME_RIGHT_EDGE - right[0]:
        problems.append("%sframeUp.png leaves a gap before the right frame" % DIR)
    compass = size("compass.png")
    if compass and (COMPASS_AT[0] + compass[0] > DESIGN[0] or COMPASS_AT[1] + compass[1] > DESIGN[1]):
        problems.append("%scompass.png runs off the map" % DIR)
    return problems


def _overlap(a, b):
    return a[0] < b[0] + b[2] and b[0] < a[0] + a[2] and a[1] < b[1] + b[3] and b[1] < a[1] + a[3]


def clear_of_markers(widgets, markers, flag):
    """widgets: (name, x, y, w, h); markers: (stage, x, y, icon w, icon h) at
    the stage's point; flag: the flag picture's (w, h)."""
    problems = []
    for stage, x, y, w, h in markers:
        icon = (x - w / 2.0, y - h / 2.0, w, h)
        pole = (x - FLAG_FOOT[0], y - FLAG_FOOT[1], flag[0], flag[1]) if flag else icon
        for name, wx, wy, ww, wh in widgets:
            if _overlap((wx, wy, ww, wh), icon) or _overlap((wx, wy, ww, wh), pole):
                problems.append("%s: %s covers the marker of stage %d" % (LAYOUT, name, stage))
    return problems
