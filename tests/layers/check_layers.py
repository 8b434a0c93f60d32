#!/usr/bin/env python3
"""Fails when a source file includes a layer above its own.

One folder is one layer. Lowest first: text/ (Windows-1252 text, the window
definition text, the root exception) and gif/ (decoder, compositor, animation
clock, timer core), both free of Qt; widgets/ (the widget layer on Qt, with
the picture control and the timer's Qt side); catalogue/ and data/ (the
tables, free of Qt); forms/ (the windows); app/ (the program). The table below
says what each folder may include; a Qt header counts as its own target "Qt".
Prints every offending #include and exits 1.

    check_layers.py <source root>
"""
import pathlib
import re
import sys

# Folder -> the folders it may include besides itself, and whether Qt.
LAYERS = {
    "text": (set(), False),
    "gif": (set(), False),
    "widgets": ({"text", "gif"}, True),
    "catalogue": ({"text"}, False),
    "data": ({"text"}, False),
    "forms": ({"text", "gif", "widgets", "catalogue", "data"}, True),
    "app": ({"text", "gif", "widgets", "catalogue", "data", "forms"}, True),
}


def allowed(layer, target):
    """Whether a file of `layer` may include the project header `target`
    (a path below the root, such as "gif/TimerEx.h"), or Qt (target "Qt")."""
    below, qt = LAYERS[layer]
    if target == "Qt":
        return qt
    folder = target.split("/")[0]
    return folder == layer or folder in below


INCLUDE = re.compile(r'^\s*#\s*include\s*([<"])([^>"]+)[>"]')
QT_HEADER = re.compile(r"^Qt?[A-Z]\w*(/\w+)?$|^Qt\w*/")


def violations(root):
    paths = (p for folder in LAYERS for p in (root / folder).rglob("*"))
    for path in sorted(paths):
        if path.suffix not in (".h", ".cpp", ".c"):
            continue
        rel = path.relative_to(root)
        layer = rel.parts[0]
        for number, line in enumerate(path.read_text(errors="replace").splitlines(), 1):
            m = INCLUDE.match(line)
            if not m:
                continue
            kind, name = m.groups()
            if kind == "<":
                if not QT_HEADER.match(name):
                    continue  # the standard library and the system
                target = "Qt"
            else:
                target = name if "/" in name else str(rel.parent / name)
            if not allowed(layer, target):
                yield f"{rel}:{number}: {layer} includes {name}"


def main():
    if len(sys.argv) != 2:
        print(__doc__.strip().splitlines()[-1].strip(), file=sys.stderr)
        return 2
    found = list(violations(pathlib.Path(sys.argv[1])))
    for v in found:
        print(v)
    if found:
        print(f"{len(found)} include(s) against the layering", file=sys.stderr)
        return 1
    print("layering kept")
    return 0


if __name__ == "__main__":
    sys.exit(main())
