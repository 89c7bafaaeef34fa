"""Rules the story's texts keep with the rest of the game: each intro and
outro caption is visible only while the scene it tells of is on screen, no
caption repeats a phrase of another, and the story texts agree with the
campaign (how many lands there are, and the names they are called by)."""

import re

FRAME_MS = 1000.0 / 60   # the timelines are judged at the reference rate
FADE_FRAMES = 20         # the screen's fade from and to black, 0.05 per frame
CAPTION_STEP = 0.02      # a caption's opacity ramp per frame, from -1 to 1
MIN_HOLD_MS = 2000       # the least time a caption stands at full opacity

# Each sequence's scenes: how long each runs (the first counts from the
# run's start) and how fast it fades in over the one before; whether the
# scenes advance only while a caption is current.
INTRO = {"name": "intro", "gated": True,
         "scenes": [(10000, None), (8000, 0.02), (12000, 0.02), (9000, 0.02), (11000, 0.01), (9000, 0.01),
                    (36000, 0.01)]}
OUTRO = {"name": "outro", "gated": False,
         "scenes": [(5000, None), (26000, 0.02), (14000, 0.02), (22000, 0.02), (21000, 0.02)]}

# The scene each caption tells of, by caption number. Intro scenes: the Dusk
# Stone's circle, the bright land, the storm, the broken pictures, the
# council with its banners, the roads, the grove the druids leave. Outro
# scenes: the fires of the homecoming, dawn over the mended land, the
# council with the circling banners, the great picture whole, night with
# the Dusk Stone awake.
INTRO_SCENES = [0, 1, 2, 3, 4, 5, 6, 6, 6]
# What a caption may tell only once the scene shows it: a word of the
# caption, its scene and the time into that scene. In the intro's last scene
# the figures leave one by one, LEAVE_GAP_MS apart, each fading out over
# LEAVE_FADE_MS; the last of the crowd stays, so the youngest stands alone
# once the one before it has gone.
LEAVE_GAP_MS = 1700
LEAVE_FADE_MS = 1 / 0.012 * FRAME_MS
INTRO_CROWD = 10
INTRO_MOMENTS = {"alone": (6, (INTRO_CROWD - 2) * LEAVE_GAP_MS + LEAVE_FADE_MS)}
OUTRO_SCENES = [0, 1, 1, 1, 2, 2, 3, 3, 4, 4]

# Words that may recur in any company: small words, and the story's names.
SMALL = set("a an and as at by for from in into it its of on or the their them then they to was were with "
            "dusk stone black ridge".split())

NUMBERS = {"one": 1, "two": 2, "three": 3, "four": 4, "five": 5, "six": 6, "seven": 7, "eight": 8, "nine": 9,
           "ten": 10, "eleven": 11, "twelve": 12}
# Names the story may use besides the stage titles.
STORY_NAMES = {"Dusk", "Stone", "Black", "Ridge"}


def caption_timeline(times, seq):
    """Plays a sequence frame by frame as its screen does and returns, per
    caption, (visible from, visible until, full from, expired) in ms, and
    the scenes' start times with the time the last one ends."""
    fade_end = FADE_FRAMES * FRAME_MS
    pending, current, shown = list(times), None, []
    scenes = seq["scenes"]
    part, deadline, starts = 0, scenes[0][0], [0.0]
    frame = 0
    while part < len(scenes):
        frame += 1
        now = frame * FRAME_MS
        if now >= fade_end and pending and current is None:
            current = [now, now + pending.pop(0)]
        if current is not None and current[1] < now:
            shown.append((current[0], now, bool(pending)))
            current = [now, now + pending.pop(0)] if pending else None
        # the intro's scenes wait for the first caption; the last one stays current
        if seq["gated"] and current is None and not shown:
            continue
        if now > deadline:
            part += 1
            starts.append(now)
            if part < len(scenes):
                deadline = now + scenes[part][0]
    if current is not None:  # still showing when the screen goes black
        shown.append((current[0], starts[-1] + fade_end, False))
    out = []
    for prepared, expired, followed in shown:
        n = (expired - prepared) / FRAME_MS
        peak = min(1.0, -1 + CAPTION_STEP * n)
        down = CAPTION_STEP * (1 if followed else 2)  # the last one is updated twice a frame
        out.append((prepared + FRAME_MS / CAPTION_STEP, expired + max(peak, 0) / down * FRAME_MS,
                    prepared + 2 * FRAME_MS / CAPTION_STEP, expired))
    return out, starts


def caption_problems(seq, times, table, texts=(), moments=None):
    """Each caption is visible only from its scene's start until the next
    scene has covered it (or the screen has gone black), and stands at full
    opacity for a while. A caption holding a word of moments shows only
    from that moment of its scene on (texts: the captions' words, in order)."""
    name, scenes = seq["name"], seq["scenes"]
    if len(table) != len(times):
        return ["%s: %d captions, but the scene table lists %d" % (name, len(times), len(table))]
    shown, starts = caption_timeline(times, seq)
    problems = []
    for t, ((vis_from, vis_to, full_from, expired), scene) in enumerate(zip(shown, table), 1):
        nxt = scene + 1
        cover = FADE_FRAMES if nxt >= len(scenes) else 1 / scenes[nxt][1]
        lo, hi = starts[scene], starts[nxt] + cover * FRAME_MS
        if vis_from < lo or vis_to > hi:
            problems.append("%s caption %d shows at %.2f-%.2f s, but scene %d is on screen at %.2f-%.2f s"
                            % (name, t, vis_from / 1000, vis_to / 1000, scene, lo / 1000, hi / 1000))
        said = set(words(texts[t - 1])) if t <= len(texts) else set()
        for word, (at_scene, after) in sorted((moments or {}).items()):
            if word in said and vis_from < starts[at_scene] + after:
                problems.append("%s caption %d says \"%s\" from %.2f s, before %.2f s, when scene %d shows it"
                                % (name, t, word, vis_from / 1000, (starts[at_scene] + after) / 1000, at_scene))
        if expired - full_from < MIN_HOLD_MS:
            problems.append("%s caption %d stands at full opacity for %.1f s only"
                            % (name, t, (expired - full_from) / 1000))
    return problems


def words(text):
    return re.findall(r"[a-z']+", text.lower())


def phrases(text):
    """Two words in a row that are not small ("whole again"), and three in a
    row of which one is not ("one by one")."""
    w = words(text)
    pairs = [p for p in zip(w, w[1:]) if not (set(p) & SMALL)]
    triples = [t for t in zip(w, w[1:], w[2:]) if set(t) - SMALL]
    return set(pairs + triples)


def repeated_phrases(captions):
    """captions: (label, text); each phrase may be said by one caption only."""
    seen, problems = {}, []
    for label, text in captions:
        for phrase in sorted(phrases(text)):
            if phrase in seen:
                problems.append("%s repeats \"%s\" from %s" % (label, " ".join(phrase), seen[phrase]))
            else:
                seen[phrase] = label
    return problems


def agreement_problems(texts, titles):
    """texts: (label, text). A count of lands is the number of stages, and a
    name (a capitalised word inside a sentence) is a word of a stage title
    or one of the story's own names."""
    problems = []
    known = STORY_NAMES | {w for t in titles for w in re.findall(r"[A-Za-z]+", t)}
    for label, text in texts:
        for num, _ in re.findall(r"\b([A-Za-z]+|\d+) (lands?)\b", text):
            n = int(num) if num.isdigit() else NUMBERS.get(num.lower())
            if n is not None and n != len(titles):
                problems.append("%s speaks of %s lands; the campaign has %d" % (label, num, len(titles)))
        for m in re.finditer(r"(?<=[a-z,;:] )[A-Z][a-z]+", text):
            if m.group(0) not in known:
                problems.append("%s names \"%s\", which is no stage title" % (label, m.group(0)))
    return problems
