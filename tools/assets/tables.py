"""Writes the game's data tables (*.dat) the way the game's own writer does:
one group per level, entry lines indented by TABs, string values in double
quotes, an empty line after every closing brace."""

from kit import out_path


def _value(v):
    if isinstance(v, str):
        return '"%s"' % v
    if isinstance(v, float) and not v.is_integer():
        return "%.9g" % v
    return "%d" % v


def _lines(name, body, depth):
    tab = "\t" * depth
    out = ["%s%s {" % (tab, name)]
    groups = []
    for key, val in body:
        if isinstance(val, list) and val and isinstance(val[0], tuple):
            groups.append((key, val))
            continue
        vals = val if isinstance(val, (list, tuple)) else [val]
        out.append("%s\t%s = %s" % (tab, key, ", ".join(_value(v) for v in vals)))
    for key, val in groups:
        out += _lines(key, val, depth + 1)
    out.append("%s}" % tab)
    out.append("")
    return out


def write(rel, name, body):
    """body: list of (key, value) where value is a number, a string, a list
    of them, or a list of (key, value) pairs for a subgroup."""
    with open(out_path(rel), "w", encoding="ascii", newline="\n") as f:
        f.write("\n".join(_lines(name, body, 0)) + "\n")
