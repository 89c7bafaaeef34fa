"""The asset check's look at the story's captions and pages and at the
more-games entries, as part of tools/check_assets' Checker: it uses the
checker's readers (read, table, size, text_line) and its problem list."""

import os
import re

import formats
import story_rules


to_int = formats.to_int


class StoryChecks:
    def lines(self, rel):
        data = self.read(rel, rel)
        return formats.text_lines(formats.load_text(data)) if data is not None else []

    def captions(self, rel, txt, seq, scenes, moments=None):
        """Every caption names a line of its text file that exists and shows
        while its scene is on screen. Returns (label, text) per caption."""
        root = self.table(rel)
        count = to_int(formats.get(root, "texts::i")) if root else 0
        if count < 1:
            self.problem(rel, "no captions")
        lines, times, said = self.lines(txt), [], []
        for t in range(1, count + 1):
            n = to_int(formats.get(root, "texts::text%d::txt" % t))
            self.text_line(txt, n, "%s caption %d" % (rel, t))
            times.append(to_int(formats.get(root, "texts::text%d::time" % t)))
            said.append(("%s caption %d" % (seq["name"], t), lines[n - 1] if 1 <= n <= len(lines) else ""))
        self.problems += ["%s: %s" % (rel, p)
                          for p in story_rules.caption_problems(seq, times, scenes, [t for _, t in said], moments)]
        return said

    def story(self):
        """The captions say no phrase twice; the captions and the stage
        pages agree with the campaign's lands."""
        said = (self.captions("data/introTexts.dat", "txt/#LANG#/intro.txt", story_rules.INTRO,
                              story_rules.INTRO_SCENES, story_rules.INTRO_MOMENTS) +
                self.captions("data/outroTexts.dat", "txt/#LANG#/outro.txt", story_rules.OUTRO,
                              story_rules.OUTRO_SCENES))
        self.problems += story_rules.repeated_phrases(said)
        pages = self.lines("txt/#LANG#/story.txt")
        root = self.table("data/stagesM.dat")
        count = to_int(formats.get(root, "stages::i")) if root else 0
        titles = pages[0:2 * count:2]
        said += [("stage page %d" % (k + 1), text) for k, text in enumerate(pages[1:2 * count:2])]
        self.problems += story_rules.agreement_problems(said, titles)

    def more_games(self):
        """Four to six entries, each a picture of about 300 x 280 and an
        address that the data format can hold: https, or a page shipped in
        docs/ whose own links reach files that are there too; each with a
        title of its own, a line of the texts, so that the cards can be told
        apart before a click."""
        rel = "data/MORE_GAMES.dat"
        root = self.table(rel)
        count = to_int(formats.get(root, "games::i")) if root else 0
        texts = (self.read("txt/en/more.txt", rel) or b"").decode("utf-8", "replace").split("\n")
        titles = []
        if not 4 <= count <= 6:
            self.problem(rel, "%d entries, not 4 to 6" % count)
        for k in range(1, count + 1):
            key = "games::game%d::" % k
            url = formats.get(root, key + "url")
            if any(c in url for c in "={} \t"):
                self.problem(rel, "entry %d: %r holds = { } or blanks" % (k, url))
            elif not url.startswith("https://"):
                if not re.match(r"[A-Za-z0-9_-]+\.html$", url):
                    self.problem(rel, "entry %d: %r is neither an https address nor a page in docs/" % (k, url))
                else:
                    self.page("docs/" + url, rel)
            line = to_int(formats.get(root, key + "title"))
            title = texts[line - 1].strip() if 0 < line <= len(texts) else ""
            if not title or title in titles:
                self.problem(rel, "entry %d: no title of its own (line %d of txt/en/more.txt)" % (k, line))
            titles.append(title)
            got = self.size(formats.get(root, key + "gfx"), rel)
            if got and not (250 <= got[0] <= 350 and 230 <= got[1] <= 330):
                self.problem(rel, "entry %d: picture is %d x %d, not about 300 x 280" % (k, got[0], got[1]))

    def page(self, rel, where):
        """A shipped page and the local files its links name."""
        data = self.read(rel, where)
        if data is None:
            return
        for link in re.findall(r'(?:href|src)="([^"#]*)', data.decode("ascii", "replace")):
            target = os.path.normpath(os.path.join(os.path.dirname(rel), link))
            if link and not re.match(r"https?://", link) and not os.path.isfile(self.path(target)):
                self.problem(rel, "links to %s, which is not shipped" % link)
