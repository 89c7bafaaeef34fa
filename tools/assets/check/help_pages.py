"""The help pages under docs/ say what the game does. Each ruleset's page is
held to that ruleset's rules: a page whose ruleset counts no mistakes (Fill)
may speak of mistakes or of losing a level only to deny them; where hints
charge again (Picross: one landed orb a quarter, an orb from each picture
cell the player uncovers) a sentence on charging names those cells, and
where they never do (Fill) it denies it. On every page, each control named
in <strong> is a text the game shows, and the count of lands is the
catalogue's."""

import re

# page: (counts mistakes, hints charge again)
RULESETS = {"picross.html": (True, True), "fill.html": (False, False)}
NUMBER_WORDS = ["zero", "one", "two", "three", "four", "five", "six", "seven", "eight", "nine", "ten",
                "eleven", "twelve"]

_MISTAKE = re.compile(r"\bmistakes?\b|\blos(?:e|es|t|ing)\b", re.I)
_CHARGE = re.compile(r"\bcharges?\b", re.I)
_DENIAL = re.compile(r"\b(?:no|not|never|cannot)\b", re.I)


def sentences(html):
    text = re.sub(r"<[^>]*>", " ", html.split("<main>", 1)[-1])
    return [" ".join(s.split()) for s in text.split(".") if s.strip()]


def page_problems(name, html, texts, lands):
    """Problems of one page; texts is the set of lines the game shows."""
    found = []
    rules = RULESETS.get(name)
    for s in sentences(html) if rules else []:
        if _MISTAKE.search(s) and not rules[0] and not _DENIAL.search(s):
            found.append("speaks of mistakes or losing, which this ruleset has not: %r" % s)
        if _CHARGE.search(s) and rules[1] and not ("picture" in s and "uncover" in s):
            found.append("says hints charge without naming the picture cells you uncover: %r" % s)
        if _CHARGE.search(s) and not rules[1] and not _DENIAL.search(s):
            found.append("says hints charge again, which they never do here: %r" % s)
    if rules and rules[0] and not any(_MISTAKE.search(s) and not _DENIAL.search(s) for s in sentences(html)):
        found.append("does not say how a level is lost")
    for control in re.findall(r"<strong>(.*?)</strong>", html, re.S):
        if " ".join(control.split()) not in texts:
            found.append("names %r, which the game shows nowhere" % control)
    for word in re.findall(r"\b(\w+) lands\b", html):
        if word.lower() in NUMBER_WORDS and NUMBER_WORDS.index(word.lower()) != lands:
            found.append("speaks of %s lands; the map has %d" % (word, lands))
    return ["docs/%s: %s" % (name, p) for p in found]
