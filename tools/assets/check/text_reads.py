"""Every place the game's code reads a numbered line of a per-language text
file (readTxtData), with the file it reads and the lines, so that the asset
check holds the texts to the code itself rather than to a list kept by hand.

A read names its file inline (loadTxtFile(bDir + "txt/#LANG#/a.txt")), by a
variable loaded so earlier in its source, or by a parameter of the function
around it, followed to every call of that function. Its line is a number, or
i + 1 in a loop "for (int i = 0; i < N; ++i)" with N a number or a constant
of the sources; any other line comes from elsewhere (a data table, the file's
own length)."""

import collections
import os
import re

Read = collections.namedtuple("Read", "rel where text lines")  # text, lines: None where not told here

_COMMENT_OR_QUOTE = re.compile(r'"(?:\\.|[^"\\\n])*"|\'(?:\\.|[^\'\\\n])*\'|//[^\n]*|/\*.*?\*/', re.S)
_QUOTE = re.compile(r'"(?:\\.|[^"\\\n])*"')
_CALL = re.compile(r"\breadTxtData\s*\(")
_HEADER = re.compile(r"\b(\w+)\s*\(([^()]*)\)\s*(?:const\s*)?\{")
_KEYWORDS = {"if", "for", "while", "switch", "catch"}


def load(src_root):
    """The sources under src_root by their path from its parent ("src/...")."""
    sources = {}
    base = os.path.dirname(os.path.abspath(src_root))
    for d, _dirs, files in os.walk(src_root):
        for f in files:
            if f.endswith((".cpp", ".h")):
                full = os.path.join(d, f)
                with open(full, encoding="utf-8", errors="replace") as fh:
                    sources[os.path.relpath(full, base).replace(os.sep, "/")] = fh.read()
    return sources


def _code(text):
    """The text with its comments blanked, lines and literals kept."""
    return _COMMENT_OR_QUOTE.sub(lambda m: m.group(0) if m.group(0)[0] in "\"'" else
                                 re.sub(r"[^\n]", " ", m.group(0)), text)


def _args(code, start):
    """The arguments of the call whose "(" ends just before start."""
    depth, args, begin, i = 0, [], start, start
    while i < len(code):
        quote = _QUOTE.match(code, i)
        if quote:
            i = quote.end()
            continue
        ch = code[i]
        if ch in "([{":
            depth += 1
        elif ch in ")]}" and depth > 0:
            depth -= 1
        elif ch == ")" or (ch == "," and depth == 0):
            args.append(code[begin:i].strip())
            if ch == ")":
                return args
            begin = i + 1
        i += 1
    return args


def _constant(codes, name, value):
    """The value of a constant NAME = value somewhere in the sources."""
    pattern = re.compile(r"\b%s\s*(?:\[\])?\s*=\s*(%s)\s*;" % (re.escape(name), value))
    for code in codes:
        m = pattern.search(code)
        if m:
            return m.group(1)
    return None


def _path(codes, expr):
    """A file path built of literals, the resource folder, the language and
    string constants, with the language as "#LANG#"; None for any other."""
    out = ""
    for piece in (p.strip() for p in expr.split("+")):
        if _QUOTE.fullmatch(piece):
            out += piece[1:-1]
        elif piece == "lang":
            out += "#LANG#"
        elif piece != "bDir":
            named = re.fullmatch(r"\w+", piece) and _constant(codes, piece, r'"[^"\n]*"')
            if not named:
                return None
            out += named[1:-1]
    return out


def _files(sources, rel, pos, expr, depth=0):
    """The text files the expression reads at pos of source rel, or None."""
    codes, code = sources.values(), sources[rel]
    inline = re.match(r"loadTxtFile\s*\(", expr)
    if inline:
        path = _path(codes, _args(expr, inline.end())[0])
        return {path} if path else None
    if not re.fullmatch(r"\w+", expr) or depth > 3:
        return None
    loads = list(re.finditer(r"\b%s\s*=\s*loadTxtFile\s*\(" % expr, code[:pos]))
    headers = [h for h in _HEADER.finditer(code[:pos]) if h.group(1) not in _KEYWORDS]
    # A parameter of the function around pos, loaded in no line of it.
    for header in reversed(headers):
        params = [p.strip() for p in header.group(2).split(",")]
        slot = [k for k, p in enumerate(params) if " " in p and re.search(r"\b%s$" % expr, p)]
        if slot and not (loads and loads[-1].start() > header.start()):
            return _passed(sources, header.group(1), slot[0], depth)
    if loads:
        path = _path(codes, _args(code, loads[-1].end())[0])
        return {path} if path else None
    return None


def _passed(sources, function, slot, depth):
    """The text files every call of the function passes in parameter slot."""
    found = set()
    for rel, code in sources.items():
        for call in re.finditer(r"\b%s\s*\(" % function, code):
            given = _args(code, call.end())
            if len(given) <= slot or "TTxtFile" in given[slot]:
                continue  # a declaration, or another function of the name
            files = _files(sources, rel, call.start(), given[slot], depth + 1)
            if files is None:
                return None
            found |= files
    return found or None


def _lines(codes, code, pos, expr):
    """The line numbers read, or None where they come from elsewhere."""
    if re.fullmatch(r"\d+", expr):
        return [int(expr)]
    counter = re.fullmatch(r"(\w+)\s*\+\s*1", expr)
    if counter:
        loops = list(re.finditer(r"for\s*\(\s*int\s+%s\s*=\s*0\s*;\s*%s\s*<\s*(\w+)\s*;" % ((counter.group(1),) * 2),
                                 code[:pos]))
        bound = loops[-1].group(1) if loops else None
        if bound and not bound.isdigit():
            bound = _constant(codes, bound, r"\d+")
        if bound:
            return list(range(1, int(bound) + 1))
    return None


def reads(sources):
    """Every read in the sources ({path: text}), in order of path and place."""
    code = {rel: _code(text) for rel, text in sources.items()}
    found = []
    for rel in sorted(code):
        for call in _CALL.finditer(code[rel]):
            if re.search(r"std::string\s*$", code[rel][:call.start()]):
                continue  # the accessor's own declaration
            given = _args(code[rel], call.end())
            if len(given) != 2:
                continue
            where = "%s:%d" % (rel, code[rel].count("\n", 0, call.start()) + 1)
            files = _files(code, rel, call.start(), given[0])
            lines = _lines(code.values(), code[rel], call.start(), given[1])
            for text in sorted(files) if files else [None]:
                found.append(Read(rel, where, text, lines))
    return found
