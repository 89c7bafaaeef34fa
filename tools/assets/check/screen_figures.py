"""Figures of what the screens show, measured on the shipped pictures; each
rule is a table of cases, prints its figure, and gives a problem line for a
case that falls short. Standard library only."""

import math
import os

import pixels

# Title screen: the logo is drawn centred here over back.png, whose
# transparent openings are ringed by stone this wide.
LOGO_CENTRE = (512, 120)
PORTAL_RING = 18
TITLE_ROOM = 8
# The upper portals: (name, side of the logo, rows of back.png they take).
UPPER_PORTALS = [("upper left", -1, (0, 260)), ("upper right", 1, (0, 260))]


def _png(root, rel):
    with open(os.path.join(root, rel), "rb") as f:
        return pixels.read_png(f.read())


def _alpha_spans(pic, threshold):
    """Per row, the first and last x whose alpha is above threshold (None
    for a row with none)."""
    spans = []
    for row in pic.rows:
        xs = [x for x, p in enumerate(row) if p[3] > threshold]
        spans.append((xs[0], xs[-1]) if xs else None)
    return spans


def _ring_edges(back, side, rows):
    """Per screen row, the ring's edge facing the middle (x), dilating the
    opening's transparent pixels by the ring's width."""
    w = back.w
    edge = {}
    for y in range(*rows):
        row = back.rows[y]
        xs = [x for x in (range(w // 2) if side < 0 else range(w // 2, w)) if row[x][3] < 255]
        if not xs:
            continue
        inner = max(xs) if side < 0 else min(xs)
        for dy in range(-PORTAL_RING, PORTAL_RING + 1):
            reach = math.sqrt(PORTAL_RING ** 2 - dy ** 2)
            x = inner + reach if side < 0 else inner - reach
            old = edge.get(y + dy)
            edge[y + dy] = x if old is None else (max(old, x) if side < 0 else min(old, x))
    return edge


def title_room(root):
    logo, back = _png(root, "gfx/gui/titleScreen/en/logo.png"), _png(root, "gfx/gui/titleScreen/back.png")
    if not logo or not back:
        return ["title: logo.png or back.png is not a PNG the figures read"]
    ox, oy = LOGO_CENTRE[0] - logo.w // 2, LOGO_CENTRE[1] - logo.h // 2
    spans = _alpha_spans(logo, 32)
    problems = []
    for name, side, rows in UPPER_PORTALS:
        edge = _ring_edges(back, side, rows)
        room = min((((a + ox) - edge[y + oy]) if side < 0 else (edge[y + oy] - (b + ox)))
                   for y, span in enumerate(spans) if span for a, b in [span] if y + oy in edge)
        print("title: logo clear of the %s portal's ring by %.0f px (at least %d)" % (name, room, TITLE_ROOM))
        if room < TITLE_ROOM:
            problems.append("title: the logo comes within %.0f px of the %s portal's ring" % (room, name))
    return problems


# Level summary: its panel is drawn centred here, and the statistics page
# from this top-left corner, over the panel's picture opening.
SUMMARY_PANEL_CENTRE = (512, 410)
SUMMARY_PAGE_CORNER = (295, 150)


def summary_page_cover(root):
    """The statistics page lies over the summary's picture opening (the dusk
    blue inside the panel's rim): no pixel of the opening may show around
    the page, or a band of it frames the page."""
    panel = _png(root, "gfx/gui/levelSummary/panel.png")
    page = _png(root, "gfx/gui/levelSummary/in.png")
    if not panel or not page:
        return ["summary: panel.png or in.png is not a PNG the figures read"]
    ox, oy = SUMMARY_PANEL_CENTRE[0] - panel.w // 2, SUMMARY_PANEL_CENTRE[1] - panel.h // 2
    px, py = SUMMARY_PAGE_CORNER
    def blue(p):
        return p[2] > p[0] + 20

    shown = 0
    for y, row in enumerate(panel.rows):
        for x, p in enumerate(row):
            if p[3] < 128 or not blue(p):
                continue  # not the opening
            u, v = x + ox - px, y + oy - py
            inside = 0 <= u < page.w and 0 <= v < page.h
            shown += 1 if not inside or blue(pixels.over(p, page.at(u, v))) else 0
    print("summary: %d px of the picture's opening show around the statistics page (at most 0)" % shown)
    return ["summary: %d px of the picture's opening show around the statistics page" % shown] if shown else []


def check(root):
    return title_room(root) + summary_page_cover(root)
