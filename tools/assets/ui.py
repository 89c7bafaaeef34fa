"""The UI kit of docs/art.md drawn as SVG: buttons in three states, round
buttons, check boxes, walnut panels, the title ribbon, bars, knob, cursor."""

from kit import (INK, WALNUT, WALNUT_DARK, BRASS, GOLD, GOLD_LIGHT, PARCHMENT,
                 TEAL, mix, lin_grad, rad_grad, grain_filter, shadow_filter,
                 glow_filter, rrect, svg_doc, render_svg)

# top, base, bottom and lip colours of the button plates
VARIANTS = {
    "wood": ("#C48C55", "#96633A", "#70462A", "#472A17"),
    "leaf": ("#94C466", "#5F903F", "#45712D", "#2C4A1C"),
    "berry": ("#D86C5E", "#A8412F", "#832E24", "#561C16"),
}
PAD = 6  # room for the glow of the over state; all states share it


def button(w, h, variant="wood", state="normal", seed=7):
    """A plate button of outer size w x h (padding included)."""
    top, base, bottom, lip = VARIANTS[variant]
    if state == "over":
        top, base, bottom = mix(top, "#FFF2C8", 0.22), mix(base, "#FFD890", 0.16), mix(bottom, base, 0.3)
    elif state == "click":
        top, base, bottom = mix(top, "#000000", 0.22), mix(base, "#000000", 0.2), mix(bottom, "#000000", 0.15)
    bx, by = PAD, PAD
    bw, bh = w - 2 * PAD, h - 2 * PAD - 3
    sink = 2 if state == "click" else 0
    r = min(bh / 2.0 - 1, 14)
    defs = (lin_grad("body", [(0, top), (0.45, base), (1, bottom)]) +
            lin_grad("hi", [(0, "#FFFFFF", 0.42), (1, "#FFFFFF", 0)]) +
            lin_grad("inner", [(0, "#000000", 0.35), (1, "#000000", 0)]) +
            grain_filter("grain", "0.018 0.32", seed, 0.16) +
            glow_filter("glow", 3.2, GOLD, 0.95) +
            '<clipPath id="clip">%s</clipPath>' % rrect(bx, by + sink, bw, bh, r))
    body = ""
    if state == "over":
        body += '<g filter="url(#glow)">%s</g>' % rrect(bx, by, bw, bh + 3, r, 'fill="#000"')
    # the lip under the plate gives it thickness; pressed plates sink into it
    body += rrect(bx, by + 3, bw, bh, r, 'fill="%s"' % lip)
    body += rrect(bx, by + sink, bw, bh, r, 'fill="url(#body)"')
    body += '<g clip-path="url(#clip)"><rect x="0" y="0" width="%d" height="%d" filter="url(#grain)"/>' % (w, h)
    if state == "click":
        body += '<rect x="%g" y="%g" width="%g" height="%g" fill="url(#inner)"/>' % (bx, by + sink, bw, bh * 0.45)
    else:
        body += rrect(bx + 3, by + 2, bw - 6, bh * 0.48, r * 0.8, 'fill="url(#hi)"')
    body += '</g>'
    body += rrect(bx + 3.5, by + sink + 3.5, bw - 7, bh - 7, max(r - 3, 2),
                  'fill="none" stroke="%s" stroke-opacity="%g" stroke-width="1"'
                  % (GOLD_LIGHT, 0.55 if state == "over" else 0.3))
    body += rrect(bx, by + sink, bw, bh + 3 - sink, r,
                  'fill="none" stroke="%s" stroke-opacity="0.9" stroke-width="2"' % INK)
    return render_svg(svg_doc(w, h, body, defs))


def round_button(glyph, state="normal", size=34, variant="wood"):
    """A small round button with a minus or plus made of parchment bars."""
    top, base, bottom, lip = VARIANTS[variant]
    if state == "over":
        top, base = mix(top, "#FFF2C8", 0.25), mix(base, "#FFD890", 0.18)
    elif state == "click":
        top, base, bottom = mix(top, "#000000", 0.22), mix(base, "#000000", 0.2), mix(bottom, "#000000", 0.15)
    c = size / 2.0
    rr = c - 4
    sink = 1.5 if state == "click" else 0
    defs = (rad_grad("body", [(0, top), (0.6, base), (1, bottom)], 0.45, 0.35, 0.7) +
            glow_filter("glow", 2.5, GOLD, 0.95))
    body = ""
    if state == "over":
        body += '<circle cx="%g" cy="%g" r="%g" fill="#000" filter="url(#glow)"/>' % (c, c, rr + 1)
    body += '<circle cx="%g" cy="%g" r="%g" fill="%s"/>' % (c, c + 1.5, rr, lip)
    body += '<circle cx="%g" cy="%g" r="%g" fill="url(#body)"/>' % (c, c + sink, rr)
    body += ('<circle cx="%g" cy="%g" r="%g" fill="none" stroke="%s" stroke-width="1.6" stroke-opacity="0.9"/>'
             % (c, c + sink * 0.5, rr + 0.3, INK))
    arm, th = rr * 0.52, 3.2
    cy = c + sink
    body += rrect(c - arm, cy - th / 2, 2 * arm, th, th / 2, 'fill="%s" stroke="%s" stroke-width="0.8"' % (PARCHMENT, INK))
    if glyph == "+":
        body += rrect(c - th / 2, cy - arm, th, 2 * arm, th / 2, 'fill="%s" stroke="%s" stroke-width="0.8"' % (PARCHMENT, INK))
        body += rrect(c - arm + 0.8, cy - th / 2 + 0.8, 2 * arm - 1.6, th - 1.6, 0.8, 'fill="%s"' % PARCHMENT)
    return render_svg(svg_doc(size, size, body, defs))


def checkbox(checked, state="normal", size=34):
    """A parchment box inked round, with a leaf-green tick when checked."""
    paper = PARCHMENT if state != "click" else mix(PARCHMENT, "#8A6A40", 0.35)
    defs = (lin_grad("paper", [(0, mix(paper, "#FFFFFF", 0.4)), (1, mix(paper, "#B08850", 0.35))]) +
            glow_filter("glow", 2.6, GOLD, 1.0) + shadow_filter("sh", 1.5, 1.2, 0.5))
    body = ""
    b = 5
    if state == "over":
        body += rrect(b, b, size - 2 * b, size - 2 * b, 6, 'fill="#000" filter="url(#glow)"')
    body += rrect(b, b, size - 2 * b, size - 2 * b, 6, 'fill="url(#paper)" stroke="%s" stroke-width="2"' % INK)
    body += rrect(b + 3, b + 3, size - 2 * b - 6, size - 2 * b - 6, 4,
                  'fill="none" stroke="%s" stroke-opacity="0.45" stroke-width="1"' % BRASS)
    if checked:
        tick = "M %g %g L %g %g L %g %g" % (size * 0.27, size * 0.52, size * 0.44, size * 0.7, size * 0.8, size * 0.22)
        body += ('<path d="%s" fill="none" stroke="%s" stroke-width="5.5" stroke-linecap="round" '
                 'stroke-linejoin="round" filter="url(#sh)"/>' % (tick, INK))
        body += ('<path d="%s" fill="none" stroke="#5E9A3A" stroke-width="3.4" stroke-linecap="round" '
                 'stroke-linejoin="round"/>' % tick)
    return render_svg(svg_doc(size, size, body, defs))


def panel(w, h, seed=11, radius=22):
    """A walnut board with a brass rim, brass studs and a soft shadow."""
    m = 10  # margin for the shadow
    bw, bh = w - 2 * m, h - 2 * m - 4
    defs = (lin_grad("wood", [(0, mix(WALNUT, "#6A4428", 0.35)), (0.5, WALNUT), (1, WALNUT_DARK)]) +
            lin_grad("rim", [(0, GOLD_LIGHT), (0.5, BRASS), (1, "#7A5418")]) +
            rad_grad("stud", [(0, GOLD_LIGHT), (0.6, BRASS), (1, "#6A4814")], 0.4, 0.35, 0.6) +
            rad_grad("sheen", [(0, "#FFE6B0", 0.10), (1, "#FFE6B0", 0)], 0.5, 0.0, 0.8) +
            grain_filter("grain", "0.006 0.09", seed, 0.28, 4) +
            shadow_filter("sh", 6, 7, 0.55) +
            '<clipPath id="clip">%s</clipPath>' % rrect(m, m, bw, bh, radius))
    body = rrect(m, m, bw, bh, radius, 'fill="#000" filter="url(#sh)"')
    body += rrect(m, m, bw, bh, radius, 'fill="url(#wood)"')
    body += ('<g clip-path="url(#clip)"><rect width="%d" height="%d" filter="url(#grain)"/>'
             '<rect width="%d" height="%d" fill="url(#sheen)"/></g>' % (w, h, w, h))
    # engraved inner line: dark groove with a light lower edge
    inset = 13
    body += rrect(m + inset, m + inset, bw - 2 * inset, bh - 2 * inset, radius - 8,
                  'fill="none" stroke="#1A0F08" stroke-opacity="0.6" stroke-width="1.5"')
    body += rrect(m + inset + 1, m + inset + 1.5, bw - 2 * inset - 2, bh - 2 * inset - 2, radius - 8,
                  'fill="none" stroke="%s" stroke-opacity="0.18" stroke-width="1"' % GOLD_LIGHT)
    body += rrect(m + 2, m + 2, bw - 4, bh - 4, radius - 2,
                  'fill="none" stroke="url(#rim)" stroke-width="4"')
    body += rrect(m, m, bw, bh, radius, 'fill="none" stroke="%s" stroke-width="1.8" stroke-opacity="0.9"' % INK)
    body += rrect(m + 4.5, m + 4.5, bw - 9, bh - 9, radius - 4,
                  'fill="none" stroke="%s" stroke-width="1" stroke-opacity="0.7"' % INK)
    for (sx, sy) in ((m + 12, m + 12), (m + bw - 12, m + 12), (m + 12, m + bh - 12), (m + bw - 12, m + bh - 12)):
        body += ('<circle cx="%g" cy="%g" r="4.2" fill="url(#stud)" stroke="%s" stroke-width="1"/>'
                 % (sx, sy, INK))
    return render_svg(svg_doc(w, h, body, defs))


def ribbon(w, h, band_top, band_h):
    """A berry ribbon with folded tails; the band spans band_top..+band_h."""
    tail = 34
    t0, t1 = band_top + 12, band_top + band_h + 12
    defs = (lin_grad("band", [(0, "#D0574A"), (0.5, "#A8382E"), (1, "#7E2620")]) +
            lin_grad("tail", [(0, "#8E2D25"), (1, "#5E1A15")]) +
            shadow_filter("sh", 3, 3, 0.5))
    x0, x1 = tail - 6, w - tail + 6

    def tail_path(left):
        if left:
            pts = [(2, t0), (x0 + 10, t0), (x0 + 10, t1), (2, t1), (14, (t0 + t1) / 2.0)]
        else:
            pts = [(w - 2, t0), (x1 - 10, t0), (x1 - 10, t1), (w - 2, t1), (w - 14, (t0 + t1) / 2.0)]
        return "M " + " L ".join("%g %g" % p for p in pts) + " Z"
    body = ""
    for left in (True, False):
        body += ('<path d="%s" fill="url(#tail)" stroke="%s" stroke-width="1.8" stroke-linejoin="round" '
                 'filter="url(#sh)"/>' % (tail_path(left), INK))
        body += ('<path d="%s" fill="url(#tail)" stroke="%s" stroke-width="1.8" stroke-linejoin="round"/>'
                 % (tail_path(left), INK))
    # fold shadows where the band meets the tails
    for fx, d in ((x0, 1), (x1, -1)):
        body += ('<path d="M %g %g L %g %g L %g %g Z" fill="#3E100C"/>'
                 % (fx, band_top + band_h, fx + 10 * d, t1, fx + 10 * d, band_top + band_h))
    band = ("M %g %g Q %g %g %g %g L %g %g Q %g %g %g %g Z" %
            (x0, band_top, w / 2.0, band_top - 6, x1, band_top, x1, band_top + band_h,
             w / 2.0, band_top + band_h - 6, x0, band_top + band_h))
    body += '<path d="%s" fill="url(#band)" filter="url(#sh)"/>' % band
    body += '<path d="%s" fill="url(#band)" stroke="%s" stroke-width="2" stroke-linejoin="round"/>' % (band, INK)
    inner = ("M %g %g Q %g %g %g %g M %g %g Q %g %g %g %g" %
             (x0 + 6, band_top + 5, w / 2.0, band_top - 1, x1 - 6, band_top + 5,
              x0 + 6, band_top + band_h - 5, w / 2.0, band_top + band_h - 11, x1 - 6, band_top + band_h - 5))
    body += '<path d="%s" fill="none" stroke="%s" stroke-width="1.6" stroke-opacity="0.85"/>' % (inner, GOLD_LIGHT)
    return render_svg(svg_doc(w, h, body, defs))


def groove(w, h, gx, gy, gw, gh):
    """The dark inset of a bar (drawn under the fill)."""
    defs = lin_grad("g", [(0, "#0E0805"), (1, "#3A2416")])
    body = rrect(gx - 1, gy - 1, gw + 2, gh + 2.5, (gh + 2) / 2.0, 'fill="%s" fill-opacity="0.35"' % GOLD_LIGHT)
    body += rrect(gx, gy, gw, gh, gh / 2.0, 'fill="url(#g)"')
    return render_svg(svg_doc(w, h, body, defs))


def bar_frame(w, h, gx, gy, gw, gh):
    """A brass frame around a groove, open inside, with a glass highlight."""
    defs = (lin_grad("rim", [(0, GOLD_LIGHT), (0.5, BRASS), (1, "#7A5418")]) +
            lin_grad("glass", [(0, "#FFFFFF", 0.45), (1, "#FFFFFF", 0)]))
    r = (gh + 5) / 2.0
    body = rrect(gx - 2.5, gy - 2.5, gw + 5, gh + 5, r, 'fill="none" stroke="url(#rim)" stroke-width="3"')
    body += rrect(gx - 4.2, gy - 4.2, gw + 8.4, gh + 8.4, r + 1.7,
                  'fill="none" stroke="%s" stroke-width="1.4" stroke-opacity="0.9"' % INK)
    body += rrect(gx + 2, gy + 0.6, gw - 4, gh * 0.42, gh * 0.2, 'fill="url(#glass)"')
    return render_svg(svg_doc(w, h, body, defs))


def knob(size=30):
    c = size / 2.0
    defs = (rad_grad("brass", [(0, GOLD_LIGHT), (0.55, BRASS), (1, "#6A4814")], 0.38, 0.32, 0.7) +
            rad_grad("gem", [(0, "#FFFFFF"), (0.35, TEAL), (1, "#1E7A80")], 0.4, 0.35, 0.7) +
            shadow_filter("sh", 1.5, 1.5, 0.6))
    body = '<circle cx="%g" cy="%g" r="%g" fill="#000" filter="url(#sh)"/>' % (c, c, c - 3)
    body += '<circle cx="%g" cy="%g" r="%g" fill="url(#brass)" stroke="%s" stroke-width="1.6"/>' % (c, c, c - 3, INK)
    body += '<circle cx="%g" cy="%g" r="%g" fill="url(#gem)" stroke="%s" stroke-width="1"/>' % (c, c, c * 0.38, INK)
    body += '<circle cx="%g" cy="%g" r="1.6" fill="#FFFFFF" fill-opacity="0.9"/>' % (c - 2, c - 2.2)
    return render_svg(svg_doc(size, size, body, defs))


def fill_strip(w, h, c0, c1, sparkle=True):
    """A bar filling: a horizontal glow with a bright core line."""
    defs = (lin_grad("f", [(0, mix(c0, "#FFFFFF", 0.35)), (0.5, c0), (1, c1)]) +
            lin_grad("along", [(0, "#FFFFFF", 0.0), (1, "#FFFFFF", 0.25)], 1, 0))
    body = rrect(0, 0, w, h, h / 2.0, 'fill="url(#f)"')
    body += rrect(0, 0, w, h, h / 2.0, 'fill="url(#along)"')
    body += rrect(2, h * 0.18, w - 4, max(h * 0.18, 1), h * 0.09, 'fill="#FFFFFF" fill-opacity="0.5"')
    if sparkle:
        for i in range(9, w, 37):
            x = i + (i * 7919) % 13
            body += '<circle cx="%g" cy="%g" r="%g" fill="#FFFFFF" fill-opacity="0.55"/>' % (x, h / 2.0, h * 0.14)
    return render_svg(svg_doc(w, h, body, defs))


def cursor(size=40):
    """A gold arrow, tip at pixel (2, 2)."""
    tip = (2.4, 2.4)
    pts = [tip, (2.4, 27), (9, 21), (14, 32), (19.5, 29.5), (14.5, 19), (23.5, 18.5)]
    d = "M " + " L ".join("%g %g" % p for p in pts) + " Z"
    defs = (lin_grad("g", [(0, "#FFF1B8"), (0.45, GOLD), (1, "#C9862A")], 0.7, 1) +
            shadow_filter("sh", 2, 1.6, 0.55))
    body = '<path d="%s" fill="#000" filter="url(#sh)" transform="translate(1.5,0)"/>' % d
    body += '<path d="%s" fill="url(#g)" stroke="%s" stroke-width="2" stroke-linejoin="round"/>' % (d, INK)
    body += ('<path d="M 5 7.5 L 5 19" stroke="#FFFFFF" stroke-opacity="0.7" stroke-width="1.4" '
             'stroke-linecap="round"/>')
    # a small sparkle by the tail
    sx, sy, s = 29, 29, 5
    body += ('<path d="M %g %g Q %g %g %g %g Q %g %g %g %g Q %g %g %g %g Q %g %g %g %g Z" fill="%s" '
             'stroke="%s" stroke-width="0.8"/>' %
             (sx, sy - s, sx, sy, sx + s, sy, sx, sy, sx, sy + s, sx, sy, sx - s, sy, sx, sy, sx, sy - s,
              TEAL, INK))
    return render_svg(svg_doc(size, size, body, defs))
