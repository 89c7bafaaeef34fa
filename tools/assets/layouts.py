"""Writes the layout files (.gui). Positions are top-left corners of
the widgets' images; the geometry matches the images of gui_core.py and the
places where the code draws its own texts and bars."""

from kit import out_path

KIT = "gfx/gui/kit/"


def caption_class(name, size):
    return ("PROPCLASS %s {\n"
            "\tFONT = gfx/fonts/font.ttf|%d\n"
            "\tTEXTRGB = \"255 243 214\"\n"
            "}\n\n" % (name, size))


def plate(name, x, y, image, text_ref, cls):
    """A button with normal, over and click pictures; the click look repeats
    the caption 2 px lower so it sinks with the plate."""
    return ("OBJECT %s {\n"
            "\tGFX = %s.png\n"
            "\tPOSITION = \"%d %d\"\n"
            "\tTXT = %s\n"
            "\tPROPCLASS = %s\n"
            "\tSTEPDELTA = 0.25\n"
            "\tOVER {\n\t\tGFX = %s_over.png\n\t}\n"
            "\tCLICK {\n\t\tGFX = %s_click.png\n\t\tTXT = %s\n\t\tADDTEXTDIM = \"0 2\"\n\t}\n"
            "}\n\n" % (name, image, x, y, text_ref, cls, image, image, text_ref))


def picture_button(name, x, y, image):
    """A button whose picture says it all (check boxes, minus, plus)."""
    return ("OBJECT %s {\n"
            "\tGFX = %s.png\n"
            "\tPOSITION = \"%d %d\"\n"
            "\tSTEPDELTA = 0.25\n"
            "\tOVER {\n\t\tGFX = %s_over.png\n\t}\n"
            "\tCLICK {\n\t\tGFX = %s_click.png\n\t}\n"
            "}\n\n" % (name, image, x, y, image, image))


def write(rel, text):
    # Latin-1 without a byte-order mark: the layout reader takes one
    # character per byte and a mark would hide the first declaration.
    with open(out_path(rel), "w", encoding="ascii", newline="\n") as f:
        f.write(text)


def popup():
    ref = "[txt/#LANG#/popUp.txt|%d]"
    text = caption_class("dialogCaption", 26)
    text += plate("yes", 336, 469, KIT + "dialog_leaf", ref % 1, "dialogCaption")
    text += plate("no", 516, 469, KIT + "dialog_berry", ref % 2, "dialogCaption")
    # a notice's one answer, centred on the panel (265 + 494 / 2 = 512)
    text += plate("ok", 426, 469, KIT + "dialog_leaf", ref % 3, "dialogCaption")
    write("gfx/gui/popUp/en/popUp.gui", text)


def options():
    ref = "[txt/#LANG#/settings.txt|%d]"
    text = caption_class("caption", 22)
    # volume steps flank the bars, outside the bars' drag areas (x 338 to
    # 675, rows 171-221 and 240-290), so that a step never drags a volume,
    # and clear of the 30 px knob, centred from x 340 (volume 0) to 677 (1)
    text += picture_button("minus1", 295, 176, KIT + "minus_small")
    text += picture_button("plus1", 694, 176, KIT + "plus_small")
    text += picture_button("minus2", 295, 246, KIT + "minus_small")
    text += picture_button("plus2", 694, 246, KIT + "plus_small")
    # check boxes left of the code's texts at (410, 290) and (410, 330),
    # below the sound bar's drag area (rows 240-290)
    text += picture_button("onC", 363, 291, KIT + "check_small_on")
    text += picture_button("offC", 363, 291, KIT + "check_small_off")
    text += picture_button("on", 363, 327, KIT + "check_small_on")
    text += picture_button("off", 363, 327, KIT + "check_small_off")
    # wide-screen switches exist for the code but are never shown
    text += picture_button("onW", 363, 363, KIT + "check_small_on")
    text += picture_button("offW", 363, 363, KIT + "check_small_off")
    # from the main menu: players and credits; from a level: restart,
    # main menu and back to the map, in the same column, one button high
    # apart so that no two click areas overlap
    text += plate("profile", 396, 365, KIT + "wide_wood", ref % 11, "caption")
    text += plate("credits", 396, 423, KIT + "wide_wood", ref % 12, "caption")
    text += plate("restart", 396, 365, KIT + "wide_wood", ref % 5, "caption")
    text += plate("MAINMENU", 396, 423, KIT + "wide_wood", ref % 6, "caption")
    text += plate("backToMap", 396, 481, KIT + "wide_wood", ref % 7, "caption")
    text += plate("ok", 396, 539, KIT + "wide_leaf", ref % 4, "caption")
    # the rules button does nothing, so it has neither picture nor caption
    text += "OBJECT rules {\n\tPOSITION = \"0 0\"\n}\n"
    write("gfx/gui/options/en/options.gui", text)


def main_game():
    """The play screen's two buttons, in the side panel's top well (the
    panel starts at x 824; its colours label sits at y 200)."""
    ref = "[txt/#LANG#/mainGame.txt|%d]"
    text = caption_class("panelCaption", 22)
    text += plate("pause", 838, 22, KIT + "dialog_wood", ref % 5, "panelCaption")
    text += plate("show", 838, 96, KIT + "dialog_leaf", ref % 6, "panelCaption")
    write("gfx/gui/game/en/mainGame.gui", text)


def lose_screen():
    """Under the lose panel (580 x 420 centred on (412, 384))."""
    ref = "[txt/#LANG#/loseScreen.txt|%d]"
    text = caption_class("loseCaption", 24)
    text += plate("restart", 228, 500, KIT + "dialog_leaf", ref % 2, "loseCaption")
    text += plate("mainMenu", 424, 500, KIT + "dialog_wood", ref % 3, "loseCaption")
    write("gfx/gui/loseScreen/en/loseScreen.gui", text)


def summary():
    """Below the solved picture and its name (y 540) on the summary panel
    (580 x 600 centred on (512, 410)); "stats" and "view" share a place
    and cross-fade."""
    ref = "[txt/#LANG#/levelSummary.txt|%d]"
    text = caption_class("summaryCaption", 24)
    text += plate("replay", 246, 590, KIT + "dialog_wood", ref % 2, "summaryCaption")
    text += plate("stats", 426, 590, KIT + "dialog_wood", ref % 7, "summaryCaption")
    text += plate("view", 426, 590, KIT + "dialog_wood", ref % 8, "summaryCaption")
    text += plate("play", 606, 590, KIT + "dialog_leaf", ref % 1, "summaryCaption")
    write("gfx/gui/levelSummary/en/summary.gui", text)


def make_all():
    popup()
    options()
    main_game()
    lose_screen()
    summary()


if __name__ == "__main__":
    make_all()
