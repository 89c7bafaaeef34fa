"""The players' screens: the profiles screen's panel and layout, and the
name entry's panel and layout. The code draws the panels at fixed places
(profiles at (300, 200), rows y 256-460; name entry at (300, 300), prompt
y 320, entry y 380); the buttons sit below what the code draws."""

import ui
from kit import save_png
from layouts import KIT, caption_class, plate, write


def make_all():
    save_png(ui.panel(424, 410, seed=31), "gfx/gui/profileManager/panel.png")
    save_png(ui.panel(424, 210, seed=33), "gfx/gui/profileName/panel.png")
    ref = "[txt/#LANG#/profileManager.txt|%d]"
    text = caption_class("dialogCaption", 26)
    text += plate("NEW", 326, 470, KIT + "dialog_leaf", ref % 1, "dialogCaption")
    text += plate("RENAME", 526, 470, KIT + "dialog_leaf", ref % 4, "dialogCaption")
    text += plate("DELETE", 326, 536, KIT + "dialog_berry", ref % 3, "dialogCaption")
    text += plate("OK", 526, 536, KIT + "dialog_leaf", ref % 2, "dialogCaption")
    write("gfx/gui/profileManager/en/profileManager.gui", text)
    text = caption_class("dialogCaption", 26)
    text += plate("ok", 326, 428, KIT + "dialog_leaf", ref % 5, "dialogCaption")
    text += plate("cancel", 526, 428, KIT + "dialog_berry", ref % 6, "dialogCaption")
    write("gfx/gui/profileName/en/profileName.gui", text)
