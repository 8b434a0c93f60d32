#!/usr/bin/env python3
"""Fails when a source file includes a layer above its own.

One folder is one layer. Lowest first: text/ (Windows-1252 text, the window
definition text, the root exception) and gif/ (decoder, compositor, animation
clock, timer core), both free of Qt; widgets/ (the widget layer on Qt, with
the picture control and the timer's Qt side); catalogue/ (the entries) and
above it data/ (the other tables and the rules computed from them, free of
Qt); views/ (each tool window's state and words, free of Qt); forms/ (the
windows); app/ (the program). The table below says what each folder may
include; a Qt header counts as its own target "Qt". A window's unit may not
read a control of another window (data flows from the tables to each window,
never between windows); a tool window's unit includes no other window's
header and never reads the main window's global Form1 (what is on show comes
from the shared selection). Prints every offending #include or read and
exits 1.

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
    "data": ({"text", "catalogue"}, False),
    "views": ({"text", "catalogue", "data"}, False),
    "forms": ({"text", "gif", "widgets", "catalogue", "data", "views"}, True),
    "app": ({"text", "gif", "widgets", "catalogue", "data", "views", "forms"}, True),
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


FORM_OBJECT = re.compile(r"^\s*object\s+(\w+)\s*:", re.M)
MEMBER_USE = re.compile(r"\b(\w+)->(\w+)")
CHAINED_USE = re.compile(r"\b(\w+)->\w+(?:\([^;]*?\))?->")  # Form1->PageList(page)->...


def widget_reads(root):
    """A window takes its data from the tables, never from another window's
    controls: a unit in forms/ may call another window's functions (show it,
    ask what it shows) but not name a control of that window's definition."""
    controls = {}  # a window's global pointer -> the controls its definition names
    own = {}       # a unit's file stem -> its window's pointer
    for form in sorted((root / "forms").glob("*.form")):
        names = FORM_OBJECT.findall(form.read_text(encoding="utf-8", errors="replace"))
        if names:
            controls[names[0]] = set(names[1:])
            own[form.stem] = names[0]
    for path in sorted((root / "forms").glob("*.cpp")):
        rel = path.relative_to(root)
        for number, line in enumerate(path.read_text(errors="replace").splitlines(), 1):
            for window, member in MEMBER_USE.findall(line):
                if window != own.get(path.stem) and member in controls.get(window, ()):
                    yield f"{rel}:{number}: reads {window}'s control {member}"
            for window in CHAINED_USE.findall(line):
                if window != own.get(path.stem) and window in controls:
                    yield f"{rel}:{number}: reads into {window} through one of its members"


# The units that start the program and the main window, whose menu opens
# the others: the only ones that may include another window's header.
OPENERS = {"Startup", "UnitPrincipal", "ShowEntry", "SearchKeys"}
WINDOW_HEADER = re.compile(r'^\s*#\s*include\s*"forms/(Unit\w+)\.h"')
FORM1 = re.compile(r"\bForm1\b")


def window_to_window(root):
    """A tool window knows no other window: it includes no other window's
    header and never names the main window's global."""
    for path in sorted((root / "forms").glob("*.[ch]*")):
        if path.suffix not in (".h", ".cpp") or path.stem in OPENERS:
            continue
        rel = path.relative_to(root)
        for number, line in enumerate(path.read_text(errors="replace").splitlines(), 1):
            m = WINDOW_HEADER.match(line)
            if m and m.group(1) != path.stem:
                yield f"{rel}:{number}: includes another window's header forms/{m.group(1)}.h"
            code = line.split("//")[0]
            if FORM1.search(code):
                yield f"{rel}:{number}: reads the main window's Form1"


def main():
    if len(sys.argv) != 2:
        print(__doc__.strip().splitlines()[-1].strip(), file=sys.stderr)
        return 2
    root = pathlib.Path(sys.argv[1])
    found = list(violations(root)) + list(widget_reads(root)) + list(window_to_window(root))
    for v in found:
        print(v)
    if found:
        print(f"{len(found)} include(s) or control reads against the layering", file=sys.stderr)
        return 1
    print("layering kept")
    return 0


if __name__ == "__main__":
    sys.exit(main())
