"""Images of the application core: cursor, loading bar, pop-up, options."""

import ui
from kit import save_png, TEAL, GOLD

# Button kit shared by the core's layouts (gfx/gui/kit/).
WIDE = (232, 58)      # 220 x 46 plate plus padding
DIALOG = (172, 62)    # 160 x 50 plate plus padding


def make_kit():
    for variant in ("wood", "leaf", "berry"):
        for state in ("normal", "over", "click"):
            suffix = "" if state == "normal" else "_" + state
            save_png(ui.button(*WIDE, variant=variant, state=state),
                     "gfx/gui/kit/wide_%s%s.png" % (variant, suffix))
            save_png(ui.button(*DIALOG, variant=variant, state=state),
                     "gfx/gui/kit/dialog_%s%s.png" % (variant, suffix))
    for state in ("normal", "over", "click"):
        suffix = "" if state == "normal" else "_" + state
        save_png(ui.round_button("-", state), "gfx/gui/kit/minus%s.png" % suffix)
        save_png(ui.round_button("+", state), "gfx/gui/kit/plus%s.png" % suffix)
        # the volume steps sit in the narrow gaps beside the options' bars
        save_png(ui.round_button("-", state, size=28), "gfx/gui/kit/minus_small%s.png" % suffix)
        save_png(ui.round_button("+", state, size=28), "gfx/gui/kit/plus_small%s.png" % suffix)
        save_png(ui.checkbox(True, state), "gfx/gui/kit/check_on%s.png" % suffix)
        save_png(ui.checkbox(False, state), "gfx/gui/kit/check_off%s.png" % suffix)
        # the options' switches sit just below the sound bar's drag area
        save_png(ui.checkbox(True, state, size=30), "gfx/gui/kit/check_small_on%s.png" % suffix)
        save_png(ui.checkbox(False, state, size=30), "gfx/gui/kit/check_small_off%s.png" % suffix)


# Loading bar: filling 420 x 14 inside a frame 436 x 24, both centred on
# (512, 710); the groove is painted into back.jpg by backgrounds.py.
LOAD_FRAME = (436, 24)
LOAD_FILL = (420, 14)


def loading_groove():
    w, h = LOAD_FRAME
    return ui.groove(w, h, (w - LOAD_FILL[0]) / 2.0, (h - LOAD_FILL[1]) / 2.0, *LOAD_FILL)


def make_loading():
    w, h = LOAD_FRAME
    gx, gy = (w - LOAD_FILL[0]) / 2.0, (h - LOAD_FILL[1]) / 2.0
    save_png(ui.fill_strip(LOAD_FILL[0], LOAD_FILL[1], TEAL, "#F8E08A"), "gfx/gui/loading/pasek.png")
    save_png(ui.bar_frame(w, h, gx, gy, *LOAD_FILL), "gfx/gui/loading/bar.png")
    save_png(loading_groove(), "gfx/gui/loading/bar2.png")


def make_popup():
    save_png(ui.panel(494, 350, seed=21), "gfx/gui/popUp/panel.png")


# Options bars: image 353 x 20 at (330, 180); the code fills (339, 187) to
# (674, 193), so the groove inside the image is x 8..346, y 6..14.
OPT_BAR = (353, 20)
OPT_GROOVE = (8, 5.5, 337, 9)


def make_options():
    save_png(ui.panel(444, 520, seed=5), "gfx/gui/options/panel.png")
    save_png(ui.ribbon(320, 84, 14, 44), "gfx/gui/options/title.png")
    save_png(ui.groove(OPT_BAR[0], OPT_BAR[1], *OPT_GROOVE), "gfx/gui/options/bar2.png")
    save_png(ui.bar_frame(OPT_BAR[0], OPT_BAR[1], *OPT_GROOVE), "gfx/gui/options/bar.png")
    save_png(ui.fill_strip(335, 6, GOLD, "#E09A2A", sparkle=False), "gfx/gui/options/pasek.png")
    save_png(ui.knob(30), "gfx/gui/options/suwak.png")


def make_cursor():
    save_png(ui.cursor(40), "gfx/cursor.png")


def make_all():
    make_kit()
    make_loading()
    make_popup()
    make_options()
    make_cursor()


if __name__ == "__main__":
    make_all()
