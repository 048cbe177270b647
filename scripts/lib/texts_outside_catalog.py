#!/usr/bin/env python3
"""Lists every Cyrillic string literal of the program's sources that does not go
through the catalog, as file:line: "text".

A text goes through the catalog when its literal (adjacent literals joined) is the
second argument of translate("pemrix", ...) or QT_TRANSLATE_NOOP("pemrix", ...).
A literal that is not a user text carries "// not a user text: why" on its line.
Usage: texts_outside_catalog.py FILE...   (exit status 1 when any is found)
"""

import re
import sys

CYRILLIC = re.compile("[\u0400-\u04ff]")
CALLS = {"translate", "QT_TRANSLATE_NOOP"}
CONTEXT = "pemrix"
EXEMPT = "// not a user text"


def tokens(source):
    """Yields (kind, value, line): kind is 'str', 'id' or 'punct'; comments and
    character literals are skipped."""
    i, line, n = 0, 1, len(source)
    while i < n:
        c = source[i]
        if c == "\n":
            line += 1
            i += 1
        elif c.isspace():
            i += 1
        elif source.startswith("//", i):
            end = source.find("\n", i)
            i = n if end < 0 else end
        elif source.startswith("/*", i):
            end = source.find("*/", i + 2)
            end = n if end < 0 else end + 2
            line += source.count("\n", i, end)
            i = end
        elif c.isalpha() or c == "_":
            start = i
            while i < n and (source[i].isalnum() or source[i] == "_"):
                i += 1
            word = source[start:i]
            if i < n and source[i] == '"' and word in ("R", "u8R", "uR", "UR", "LR"):
                close = source.index("(", i)
                delimiter = ")" + source[i + 1:close] + '"'
                end = source.index(delimiter, close)
                yield "str", source[close + 1:end], line
                line += source.count("\n", i, end)
                i = end + len(delimiter)
            elif i < n and source[i] in "\"'" and word in ("u8", "u", "U", "L"):
                continue  # the literal itself comes next
            else:
                yield "id", word, line
        elif c in "\"'":
            start, i = i, i + 1
            while source[i] != c:
                i += 2 if source[i] == "\\" else 1
            i += 1
            if c == '"':
                yield "str", source[start + 1:i - 1], line
        elif c.isdigit():
            while i < n and (source[i].isalnum() or source[i] in "'._"):
                i += 1
        else:
            yield "punct", c, line
            i += 1


def outside(path):
    with open(path, encoding="utf-8") as f:
        source = f.read()
    lines = source.split("\n")
    found = []
    toks = list(tokens(source))
    i = 0
    while i < len(toks):
        if toks[i][0] != "str":
            i += 1
            continue
        start = i
        while i < len(toks) and toks[i][0] == "str":
            i += 1
        text = "".join(t[1] for t in toks[start:i])
        line = toks[start][2]
        if not CYRILLIC.search(text):
            continue
        before = [t[1] for t in toks[max(0, start - 4):start]]
        after = toks[i][1] if i < len(toks) else ""
        through = (len(before) == 4 and before[0] in CALLS and before[1] == "("
                   and before[2] == CONTEXT and before[3] == "," and after in (")", ","))
        if through or EXEMPT in lines[line - 1]:
            continue
        found.append(f'{path}:{line}: "{text}"')
    return found


def main(paths):
    found = [entry for path in paths for entry in outside(path)]
    for entry in found:
        print(entry)
    return 1 if found else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
