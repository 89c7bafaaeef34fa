"""Readers for the game's own text formats, following the game's rules so
that the check sees a file the way the game will: the hierarchical data
files (*.dat), the layout files (*.gui) and the per-language text files."""


def load_text(data):
    """Bytes to text: a byte-order mark picks UTF-8 or UTF-16, otherwise one
    character per byte."""
    if data.startswith(b"\xef\xbb\xbf"):
        return data[3:].decode("utf-8", "replace")
    if data.startswith(b"\xfe\xff"):
        return data[2:].decode("utf-16-be", "replace")
    if data.startswith(b"\xff\xfe"):
        return data[2:].decode("utf-16-le", "replace")
    return data.decode("latin-1")


def text_lines(text):
    """Lines as the text-file reader cuts them: each LF ends a line, a last
    line without LF counts only when not empty."""
    lines = text.split("\n")
    if lines and lines[-1] == "":
        lines.pop()
    return lines


def split(text, sep):
    """The game's splitter without grouping characters: empty pieces stay,
    except a last one."""
    pieces = text.split(sep)
    if pieces and pieces[-1] == "":
        pieces.pop()
    return pieces


def split_q(text, sep):
    """As split, but never inside double quotes (the quotes stay)."""
    pieces, cur, quoted, i = [], "", False, 0
    while i < len(text):
        ch = text[i]
        if ch == '"':
            quoted = not quoted
        if not quoted and text.startswith(sep, i):
            pieces.append(cur)
            cur = ""
            i += len(sep)
            continue
        cur += ch
        i += 1
    if cur:
        pieces.append(cur)
    return pieces


class Group:
    def __init__(self, name):
        self.name, self.groups, self.entries, self.pos = name, [], [], 0

    def group(self, name):
        for g in self.groups:
            if g.name.upper() == name.upper():
                return g
        return None

    def entry(self, name):
        for key, values in self.entries:
            if key.upper() == name.upper():
                return values
        return None

    def walk(self, prefix=""):
        """Every (path, values) below this group."""
        for key, values in self.entries:
            yield prefix + key, values
        for g in self.groups:
            yield from g.walk(prefix + g.name + "::")


def _brace_counts(text):
    opened = closed = 0
    quoted = False
    for ch in text:
        if ch == '"':
            quoted = not quoted
        elif not quoted and ch == "{":
            opened += 1
        elif not quoted and ch == "}":
            closed += 1
    return opened, closed


def _read_entry(line):
    pieces = split(line, "=")
    key = pieces[0].strip() if pieces else ""
    value = pieces[1] if len(pieces) > 1 else ""
    is_number = value.strip()[:1] in tuple("0123456789-")
    values = split_q(value, ",")
    if not is_number:
        values = [v[2:-1] for v in values]
    return key, values


def _read_group(text, start, name):
    group, line, flagged, i = Group(name), "", False, start
    while i < len(text):
        ch = text[i]
        if ch == "{":
            sub, end = _read_group(text, i + 1, line.strip())
            group.groups.append(sub)
            line, flagged = "", False
            i = end if end else i + 1
            continue
        if ch == "}":
            return group, i + 1
        if ch == "\n":
            if flagged:
                group.entries.append(_read_entry(line.strip()))
            line, flagged = "", False
        else:
            line += ch
            flagged = flagged or ch == "="
        i += 1
    return group, 0


def read_datafile(data):
    """(root group, problem or None)."""
    text = load_text(data)
    if text.endswith("}"):
        text += "\n"
    opened, closed = _brace_counts(text)
    if opened != closed:
        return Group("MAINGROUP"), 'unbalanced braces: "{" - %d "}" - %d' % (opened, closed)
    return _read_group(text, 0, "MAINGROUP")[0], None


def get(root, path, index=0):
    """The value at path (groups and key joined by "::"), "" when missing."""
    pieces = split(path, "::")
    group = root
    for name in pieces[:-1]:
        group = group.group(name)
        if group is None:
            return ""
    values = group.entry(pieces[-1]) if pieces else None
    if values is None or index >= len(values):
        return ""
    return values[index]


# ---- layouts -------------------------------------------------------------

_BLANKS = "".join(chr(c) for c in range(33))  # what the game trims

def gui_tokens(text):
    tokens, cur, line, quote = [], "", 1, False

    def end():
        nonlocal cur
        if cur.strip(_BLANKS) and not quote:
            tokens.append((cur.strip(_BLANKS), line))
            cur = ""
    for ch in text:
        if ch == '"':
            quote = not quote
        elif ch == "\n":
            if not quote:
                end()
            line += 1
        elif ch == " " and not quote:
            end()
        elif ch == ";":
            if not quote:
                end()
        else:
            cur += ch
    end()
    return tokens


def _gui_entries(tokens, errors):
    """Reads a body; returns a list of (NAME, value or list) or None."""
    entries, state, name = [], 0, ""
    while True:
        if not tokens:
            return None
        tok, line = tokens.pop(0)
        if tok == "}":
            return entries
        if state == 0:
            name, state = tok.upper(), 1
        elif state == 1:
            if tok == "=":
                state = 2
            elif tok == "{":
                inner = _gui_entries(tokens, errors)
                if inner is None:
                    errors.append("Not enough tokens in line %d!" % line)
                    return None
                entries.append((name, inner))
                state = 0
            else:
                errors.append("Expected '=' or '{' but %s found in line %d!" % (tok, line))
                return None
        else:
            entries.append((name, tok))
            state = 0


def read_layout(text):
    """(widgets, classes, scripts, errors): widgets is a list of
    (ID, [property sets]), each set a list of (NAME, value) leaves."""
    tokens, errors = gui_tokens(text), []
    widgets, classes, scripts = [], [], []
    while tokens:
        word = tokens.pop(0)[0].upper()
        if word in ("OBJECT", "PROPCLASS"):
            if len(tokens) < 3:
                if word == "OBJECT":
                    errors.append("Not enough tokens in object declaration!")
                continue
            name = tokens.pop(0)[0]
            tokens.pop(0)
            body = _gui_entries(tokens, errors)
            if body is None:
                if word == "OBJECT":
                    errors.append("No data for object '%s'!" % name.upper())
                continue
            sets = [[e for e in body if not isinstance(e[1], list)]]
            for key, value in body:
                if isinstance(value, list):
                    sets.append([e for e in value if not isinstance(e[1], list)])
                elif key in ("OVER", "CLICK", "UNACTIVE"):
                    if value.upper() not in [c.upper() for c in classes]:
                        errors.append("Couldn't find properties class '%s'!" % value.upper())
            for s in sets:
                for key, value in s:
                    if key == "PROPCLASS" and value.upper() not in [c.upper() for c in classes]:
                        errors.append("properties class '%s' used before it is declared" % value)
            if word == "OBJECT":
                widgets.append((name.upper(), sets))
            else:
                classes.append(name)
        elif word == "LUASCRIPT" and tokens:
            scripts.append(tokens.pop(0)[0].replace('"', ""))
    return widgets, classes, scripts, errors


def to_int(text):
    """A number as the game's data reader takes it: a sign and the digits
    that follow it, else 0."""
    text = text.lstrip()
    sign, digits = 1, ""
    if text[:1] in "+-" and text:
        sign, text = (-1 if text[0] == "-" else 1), text[1:]
    for ch in text:
        if not ch.isdigit():
            break
        digits += ch
    return sign * int(digits) if digits else 0
