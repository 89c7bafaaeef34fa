"""The pages installed with the game under docs/ and opened from the
more-games screen: about the game, how Picross and Fill are played, and the
credits with the licences. Plain HTML with its style inline, so a browser
shows them from the installed folder with nothing else; links between them
are relative. The credits come from txt/en/credits.txt, so page and roll
say the same."""

import html
import os

from kit import ASSETS, BRASS, INK, PARCHMENT, WALNUT_DARK

FOLDER = "docs"
STYLE = ("body{margin:0;background:%s;color:%s;font:17px/1.55 sans-serif}"
         "main{max-width:44em;margin:0 auto;padding:1.5em 2em 2.5em;background:%s;min-height:100vh;"
         "box-sizing:border-box}"
         "nav{margin-bottom:1.5em;padding-bottom:.6em;border-bottom:3px solid %s}nav a{margin-right:1.2em}"
         "h1,h2{font-weight:bold}a{color:#6A3A1C}dt{font-weight:bold;margin-top:.6em}"
         % (WALNUT_DARK, INK, PARCHMENT, BRASS))

# (file, title in the navigation)
PAGES = [("about.html", "About"), ("picross.html", "How to play Picross"), ("fill.html", "How to play Fill"),
         ("credits.html", "Credits and licences")]

ABOUT = """
<p>Sorvanta is a single-player puzzle game. A storm has broken the pictures of
the land into tiles, and you mend them in two campaigns of grid puzzles, each
across the ten lands of the map:</p>
<ul>
<li><a href="picross.html">Picross</a>: the numbers beside each row and above
each column tell which cells hold the picture.</li>
<li><a href="fill.html">Fill</a>: coloured numbers count the cells of their
colour in the square of nine around them.</li>
</ul>
<p>Each campaign begins with a short tutorial. Several players can keep their
own progress on one computer: on the title screen, open <strong>Settings</strong>,
then <strong>Players</strong>, to pick a player or make a new one.</p>
<h2>Free to share</h2>
<p>The game's code is free software under the GNU General Public License,
version 3 or later; its pictures, music, sounds, levels and texts are under
Creative Commons Attribution-ShareAlike 4.0. See
<a href="credits.html">credits and licences</a>.</p>
"""

PICROSS = """
<p>Each level hides a picture in a grid. The numbers beside a row, and above a
column, are the runs of picture cells in that line, in order: "3 1" is a run of
three cells, then at least one empty cell, then a single cell. A line that
reads 0 holds no picture.</p>
<h2>Moves</h2>
<dl>
<dt>Left button</dt><dd>uncovers a cell that belongs to the picture. Hold it
down and drag along a row or a column to uncover a line of cells.</dd>
<dt>Right button</dt><dd>breaks a cell you know to be empty, and breaks a
line of cells when you drag.</dd>
<dt>Hand and hook</dt><dd>the two tools on the right swap the buttons: while
the hook is chosen, the left button breaks and the right button uncovers.</dd>
</dl>
<h2>Mistakes and hints</h2>
<p>Uncovering an empty cell or breaking a picture cell is a mistake; the
Mistakes counter on the right shows how many you have made, and one too many
loses the level, which you can then play again. When you are stuck, click
a charged hint on the right: its two sparks settle two cells for you,
uncovering picture cells and breaking empty ones. Every four picture cells you
uncover yourself charge a used hint again.</p>
<h2>Solving</h2>
<p>Start with the lines whose numbers nearly fill them: a run of 4 in five
cells always covers the middle three. Lines that are complete tell you where
the empty cells are, and every cell you settle helps the lines that cross
it.</p>
"""

FILL = """
<p>Each level is a grid of cells, some showing a coloured number. A number
counts the cells of its colour in the square of nine around it, itself
included. At an edge the square is cut short (six cells), in a corner it holds
four. A 0 keeps its whole square free of colour: its cells are crossed for
you. The level is won when every number agrees and each colour is painted on
as many cells as the picture has.</p>
<h2>Moves</h2>
<dl>
<dt>Palette</dt><dd>pick the colour you want on the right before you paint.
A number counts only its own colour, and a cell with a number takes no
other.</dd>
<dt>Left button</dt><dd>paints a cell in the chosen colour; a second click
clears it. Hold the button down and drag to paint several cells. Paint of
another colour stays until you clear it with its own colour.</dd>
<dt>Right button</dt><dd>marks a cell with a cross of the chosen colour, a
note that this colour does not go there; a second right click takes the cross
away. With the cross picked in the palette, the left button sets and clears
those crosses too.</dd>
</dl>
<h2>No mistakes to fear</h2>
<p>Fill counts no mistakes, and no level of it can be lost. A number shows a
tick while its square holds just as many cells of its colour as it counts; a
wrong cell only takes the tick away, and a second click on that cell clears
it. <strong>Find a clue</strong> flashes a number whose square does not
agree yet.</p>
<h2>Hints</h2>
<p>Pick a charged hint on the right, then a cell, and the square of nine
around it is solved for you; a right click, or a click on a hint, puts the
hint back unused. Fill's hints do not charge again. When every number agrees
but the level is not won, paint has strayed where the picture stays bare: the
<strong>Stray paint</strong> button shows where.</p>
<h2>Solving</h2>
<p>Look for numbers that see exactly as many free cells as they count (a 9 in
the open, a 6 at an edge, a 4 in a corner): all of them take the colour.
Numbers side by side share cells, so a square that is full for one number
often tells its neighbour which cells stay bare.</p>
"""

LICENCES = """
<h2>Licences</h2>
<dl>
<dt>The game's code</dt><dd>GNU General Public License, version 3 or (at your
option) any later version (GPL-3.0-or-later):
<a href="https://www.gnu.org/licenses/gpl-3.0.html">gnu.org/licenses/gpl-3.0.html</a>.</dd>
<dt>The game's pictures, music, sounds, levels and texts</dt><dd>Creative
Commons Attribution-ShareAlike 4.0 International (CC-BY-SA-4.0):
<a href="https://creativecommons.org/licenses/by-sa/4.0/">creativecommons.org/licenses/by-sa/4.0</a>.
They are made by the scripts in the game's source, which are code.</dd>
<dt>The fonts, Comfortaa and Sorvanta Numerals (made from Quicksand)</dt><dd>SIL
Open Font License 1.1 (OFL-1.1): <a href="../gfx/fonts/font-LICENSE.txt">Comfortaa's
licence</a>, <a href="../gfx/fonts/font2-LICENSE.txt">Sorvanta Numerals' licence</a>.</dd>
</dl>
"""


def credits_body():
    """The roll's lines: "$title$" and "#heading#" become headings, the
    others paragraphs under them."""
    with open(os.path.join(ASSETS, "txt", "en", "credits.txt"), encoding="ascii") as f:
        lines = f.read().split("\n")
    out, para = [], []

    def close():
        if para:
            out.append("<p>%s</p>" % "<br>\n".join(para))
            del para[:]
    for line in lines:
        if not line.strip():
            close()
        elif line[0] in "$#" and line.endswith(line[0]) and len(line) > 1:
            close()
            if line[0] == "#":
                out.append("<h2>%s</h2>" % html.escape(line[1:-1]))
        else:
            para.append(html.escape(line))
    close()
    return "\n".join(out) + LICENCES


def page(name, title, body):
    nav = " ".join('<a href="%s">%s</a>' % (f, html.escape(t)) for f, t in PAGES if f != name)
    return ('<!DOCTYPE html>\n<html lang="en">\n<head>\n<meta charset="utf-8">\n'
            '<meta name="viewport" content="width=device-width, initial-scale=1">\n'
            '<title>Sorvanta: %s</title>\n<style>%s</style>\n</head>\n<body>\n<main>\n<nav>%s</nav>\n'
            '<h1>%s</h1>\n%s\n</main>\n</body>\n</html>\n'
            % (html.escape(title), STYLE, nav, html.escape(title), body.strip()))


def make_all():
    bodies = {"about.html": ABOUT, "picross.html": PICROSS, "fill.html": FILL, "credits.html": credits_body()}
    os.makedirs(os.path.join(ASSETS, FOLDER), exist_ok=True)
    for name, title in PAGES:
        with open(os.path.join(ASSETS, FOLDER, name), "w", encoding="ascii", newline="\n") as f:
            f.write(page(name, title, bodies[name]))


if __name__ == "__main__":
    make_all()
