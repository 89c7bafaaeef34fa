"""Remakes every generated asset. Run through tools/make_assets."""

import sys

import backgrounds
import land_scenes
import board_frames
import cells
import effects
import fonts
import gui_core
import icon
import layouts
import map as map_screen
import more_games
import music
import outro
import play_gui
import profiles
import sounds
import stage_screen
import stages
import story
import title

GROUPS = {
    "fonts": fonts.make_all,
    "gui": gui_core.make_all,
    "cells": cells.make_all,
    "play": lambda: (play_gui.make_all(), board_frames.make_all()),
    "effects": effects.make_all,
    "layouts": layouts.make_all,
    "profiles": profiles.make_all,
    "backgrounds": lambda: (backgrounds.make_all(), land_scenes.make_all()),
    "sounds": sounds.make_all,
    "music": music.make_all,
    "story": story.make_all,
    "stages": stages.make_all,
    "title": title.make_all,
    "map": map_screen.make_all,
    "stageScreen": stage_screen.make_all,
    "icon": icon.make_all,
    "outro": outro.make_all,
    "more": more_games.make_all,
}
# Groups are made in the order they are listed.
ORDER = list(GROUPS)


def main(names):
    for name in names or ORDER:
        if name not in GROUPS:
            sys.exit("unknown group %s (known: %s)" % (name, ", ".join(ORDER)))
        print("making %s" % name, flush=True)
        GROUPS[name]()


if __name__ == "__main__":
    main(sys.argv[1:])
