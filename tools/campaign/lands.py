"""The lands of the campaigns: one per stage, shared by both modes (title,
story page, map point, marker, preview). write_all() writes the two stage
catalogues, the story pages' table, the story text and the level names."""

import os

import shapes

ROOT = os.path.abspath(os.path.join(os.path.dirname(__file__), "..", ".."))
ASSETS = os.path.join(ROOT, "assets")
LEVELS = 6  # per stage, within the stage screen's five-column grid

# Points stand on land, west of the sea and clear of the compass; titles sit
# below the markers (the coast's above, away from the frame's bottom).
LANDS = [
    {"title": "Willowmere Meadows", "background": "2", "position": (190, 610), "titleAddY": 0,
     "page": "In the meadows of Willowmere the old druids wake beneath the willows. The standing stones have "
             "gone dark, and without their portals no one can cross the land. Mend the first circle with "
             "careful pictures, and a little ship will carry your flag onwards."},
    {"title": "The Whispering Wood", "background": "3", "position": (390, 520), "titleAddY": 0,
     "page": "Beyond the meadows the trees lean close and whisper their secrets. A druid with a lantern waits at "
             "the edge of the wood, where a second portal hums half awake. Solve the riddles carved in bark, and "
             "the path will open towards the warm glow in the east."},
    {"title": "The Ember Vents", "background": "4", "position": (600, 420), "titleAddY": 0,
     "page": "Smoke curls from the vents and the ground is warm underfoot. The fire druids keep their portal "
             "burning low, waiting for someone patient enough to read the ember signs. Raise your flag among "
             "the ashes, and the mountain pass to the north will thaw."},
    {"title": "Frostpeak Heights", "background": "6", "position": (470, 190), "titleAddY": 0,
     "page": "Snow falls softly on the heights, and the last mountain stone sleeps under a blanket of frost. "
             "The druids climb with you, humming old songs to keep the cold away. Wake the portal of ice, and "
             "from the summit you will see the sea shining far to the south."},
    {"title": "Lighthouse Coast", "background": "8", "position": (660, 640), "titleAddY": -90,
     "page": "At the coast the little ship is waiting, its patched sails full of evening wind. One portal "
             "remains, the oldest of them all, glowing beside the lighthouse. Complete its pictures, plant the "
             "final flag, and every stone in the land will shine together once more."},
]

MODES = {"picross": ("data/stagesM.dat", "data/levelSM", "levelNamesMesalor.txt"),
         "fill": ("data/stagesNormal.dat", "data/levels", "levelNamesTrelmo.txt")}


def picture_index(mode, stage, index):
    """Each campaign shows every picture at most once; Fill walks the list
    from the other end so a land's two campaigns differ."""
    k = (stage - 1) * LEVELS + (index - 1)
    return k if mode == "picross" else len(shapes.PICTURES) - 1 - k


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
                "\t\ttitleAddY = %d" % land["titleAddY"], '\t\timg = "%s"' % img, '\t\toverImg = "%s"' % over,
                '\t\tpreview = "%s"' % preview_path(s), "\t\tlevels = %d" % LEVELS]
        out += ['\t\tlevel%d = "%s"' % (i, level_path(mode, s, i)) for i in range(1, LEVELS + 1)]
        out += ["\t}"]
    return "\n".join(out + ["}"]) + "\n"


def story_table():
    out = ["story {", "\ti = %d" % len(LANDS)]
    for s in range(1, len(LANDS) + 1):
        out += ["\tstory%d {" % s, "\t\tid = %d" % s, "\t\ttitle = %d" % (2 * s - 1), "\t\ttxt = %d" % (2 * s), "\t}"]
    return "\n".join(out + ["}"]) + "\n"


def level_names(mode, old_lines):
    """Line k names the picture of the level numbered k; the rest keep the
    old spare names, skipping any that would name a picture twice."""
    used = [shapes.PICTURES[picture_index(mode, s, i)][0]
            for s in range(1, len(LANDS) + 1) for i in range(1, LEVELS + 1)]
    spare = [n for n in old_lines if n.strip() and n.strip() not in used]
    return used + spare[:200 - len(used)]


def write_all():
    for mode, (cat, _folder, names) in MODES.items():
        write(cat, catalogue(mode))
        rel = "txt/en/" + names
        with open(os.path.join(ASSETS, rel), encoding="utf-8") as f:
            old = f.read().splitlines()
        write(rel, "\n".join(level_names(mode, old)) + "\n")
    write("data/stagesStory.dat", story_table())
    write("txt/en/story.txt", "".join("%s\n%s\n" % (land["title"], land["page"]) for land in LANDS))
