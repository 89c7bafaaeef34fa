"""The lands of the campaigns: one per stage, shared by both modes (title,
story page, map point, marker, preview). write_all() writes the two stage
catalogues, the story pages' table, the story text and the level names."""

import os

ROOT = os.path.abspath(os.path.join(os.path.dirname(__file__), "..", ".."))
ASSETS = os.path.join(ROOT, "assets")
# Levels per stage: the stage screen lays out at most 10, or exactly 25.
LEVELS = [10, 10, 10, 25, 10, 25, 10, 25, 10, 25]

# Points stand on land, west of the sea and clear of the compass; every
# title hangs below its marker, clear of the other markers. Both modes play on
# the land's own background.
LANDS = [
    {"title": "Willowmere Meadows", "background": "1", "position": (170, 640),
     "page": "In the meadows of Willowmere the old druids wake beneath the trees. The standing stones have "
             "gone dark, and without their portals no one can cross the land. Mend the first circle with "
             "careful pictures, and your flag will fly onwards."},
    {"title": "The Whispering Wood", "background": "2", "position": (330, 560),
     "page": "Beyond the meadows the pines lean close and whisper under the moon. Fireflies drift at the edge "
             "of the wood, where a second portal hums half awake in a clearing. Solve the riddles carved in "
             "bark, and the path will open."},
    {"title": "Stonecircle Downs", "background": "3", "position": (500, 600),
     "page": "On the rolling downs the great stones stand in a ring, humming softly in the evening wind. "
             "Sheep graze between them and pay no heed to magic. Trace the old patterns on the stones, and "
             "the ring will glow teal once more."},
    {"title": "The Ember Vents", "background": "4", "position": (724, 420),
     "page": "Smoke curls from the vents and the ground is warm underfoot. Between them a portal burns low, "
             "waiting for someone patient enough to read the ember signs. Raise your flag among the ashes."},
    {"title": "Cinder Fields", "background": "5", "position": (270, 320), "titleAddY": -130,
     "page": "Rivers of glowing lava wind across the cinder fields, and sparks dance in the dark. Stepping "
             "stones lead over them, worn smooth by careful feet. Follow them, picture by picture, to the "
             "portal at the edge of the fire."},
    {"title": "Amberfen Marsh", "background": "6", "position": (180, 470), "titleAddY": 41,
     "page": "Mist hangs over the marsh, and frogs sing from every reed. Lanterns bob on little rafts "
             "around a portal half sunk in the mud. Lift it out with clever pictures, and the fen will shine "
             "like amber."},
    {"title": "Frostpeak Heights", "background": "7", "position": (450, 180),
     "page": "Snow falls softly on the heights, and the standing stones sleep under caps of frost. Dark "
             "pines keep watch on the slopes. Wake the portal of ice, and the whole land lies below you."},
    {"title": "Owlnight Forest", "background": "8", "position": (640, 230),
     "page": "In the Owlnight Forest the trees are older than the druids themselves, and wise owls watch "
             "every step. They guard a portal that opens only for those who see clearly in the dark. Show "
             "them what you can see."},
    {"title": "Starfall Ridge", "background": "9", "position": (420, 380),
     "page": "Along the ridge the stars seem close enough to touch, and some have fallen into the grass. "
             "Gather them to light the portal on the crest. Place each star in its picture, and the way to "
             "the sea will open."},
    {"title": "Lighthouse Coast", "background": "A", "position": (690, 650),
     "page": "At the coast the little ship is waiting, its patched sails full of evening wind. One portal "
             "remains, the oldest of them all, glowing beside the lighthouse. Complete its pictures, plant the "
             "final flag, and every stone will shine again."},
]
# The title's top just below the 80 px marker; a land may set its own
# ("titleAddY"): Cinder Fields' title stands above its flag, clear of
# Amberfen Marsh's flag below, and Amberfen Marsh's fits between its marker
# and Willowmere's flag.
TITLE_ADD_Y = 42

MODES = {"picross": ("data/stagesM.dat", "data/levelSM", "levelNamesMesalor.txt"),
         "fill": ("data/stagesNormal.dat", "data/levels", "levelNamesTrelmo.txt")}


def level_path(mode, stage, index):
    return "%s/s%02d-%02d.lvl" % (MODES[mode][1], stage, index)


def marker_paths(stage):
    return "gfx/map/stage%d.png" % stage, "gfx/map/stage%d_over.png" % stage


def preview_path(stage):
    return "gfx/stages/preview%d.jpg" % stage


def write(rel, text):
    path = os.path.join(ASSETS, rel)
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, "w", newline="\n") as f:
        f.write(text)


def catalogue(mode):
    out = ["stages {", "\ti = %d" % len(LANDS)]
    for s, land in enumerate(LANDS, 1):
        img, over = marker_paths(s)
        out += ["\tstage%d {" % s, "\t\tid = %d" % s, "\t\tposition = %d, %d" % land["position"],
                "\t\ttitleAddY = %d" % land.get("titleAddY", TITLE_ADD_Y), '\t\timg = "%s"' % img, '\t\toverImg = "%s"' % over,
                '\t\tpreview = "%s"' % preview_path(s), "\t\tlevels = %d" % LEVELS[s - 1]]
        out += ['\t\tlevel%d = "%s"' % (i, level_path(mode, s, i)) for i in range(1, LEVELS[s - 1] + 1)]
        out += ["\t}"]
    return "\n".join(out + ["}"]) + "\n"


def story_table():
    out = ["story {", "\ti = %d" % len(LANDS)]
    for s in range(1, len(LANDS) + 1):
        out += ["\tstory%d {" % s, "\t\tid = %d" % s, "\t\ttitle = %d" % (2 * s - 1), "\t\ttxt = %d" % (2 * s), "\t}"]
    return "\n".join(out + ["}"]) + "\n"


def level_names(used, old_lines):
    """Line k names the picture of the level numbered k (used, in order); the
    rest keep the old spare names, skipping any that would name a picture twice."""
    spare = [n for n in old_lines if n.strip() and n.strip() not in used]
    return used + spare[:200 - len(used)]


def write_all(names):
    """names: per mode, the level pictures' names in campaign order."""
    for mode, (cat, _folder, name_file) in MODES.items():
        write(cat, catalogue(mode))
        rel = "txt/en/" + name_file
        with open(os.path.join(ASSETS, rel), encoding="utf-8") as f:
            old = f.read().splitlines()
        write(rel, "\n".join(level_names(names[mode], old)) + "\n")
    write_story()


def write_story():
    """The story pages' table and text: titles and pages, on their own."""
    write("data/stagesStory.dat", story_table())
    write("txt/en/story.txt", "".join("%s\n%s\n" % (land["title"], land["page"]) for land in LANDS))
