#!/usr/bin/env python3
"""Fails when a source file includes a layer above its own.

The layers, lowest first: the Qt-free units (text, definition text, GIF
decoder, compositor, animation and timer cores), the widget layer on Qt, the
picture control's face (gif/ on the widget layer), the catalogue and the
secondary windows' tables, the windows (forms/), the program (app/). Each
folder may include only what the table below lets it; a Qt header counts as
the widget layer. Prints every offending #include and exits 1.

    check_layers.py <source root>
"""
import pathlib
import re
import sys

# The Qt-free units inside widgets/ (linked by the build tools and the fuzzers
# without Qt) and the picture control's face inside gif/ (the rest of gif/ is
# its Qt-free core).
WIDGETS_QT_FREE = {"Cp1252", "DefinitionText", "DfmValue", "Errors"}
GIF_FACE = {"GIFImage", "QtTimerPlatform"}

TEXT = {"widgets/Cp1252.h"}
QT_FREE_WIDGETS = {f"widgets/{n}.h" for n in WIDGETS_QT_FREE}


def layer_of(path):
    """The layer a source file belongs to, or None when it is not checked."""
    folder, stem = path.parts[0], path.stem
    if folder == "widgets":
        return "text" if stem in WIDGETS_QT_FREE else "widgets"
    if folder == "gif":
        return "gif-face" if stem in GIF_FACE else "gif-core"
    return folder if folder in ("catalogue", "data", "forms", "app") else None


def allowed(layer, target):
    """Whether a file of `layer` may include the project header `target`
    (a path below the root, such as "gif/TimerEx.h"), or Qt (target "Qt")."""
    folder = target.split("/")[0]
    stem = pathlib.PurePosixPath(target).stem
    if layer == "text":
        return target in QT_FREE_WIDGETS
    if layer == "gif-core":
        return folder == "gif" and stem not in GIF_FACE
    if layer in ("catalogue", "data"):
        return folder == layer or target in TEXT
    if layer == "widgets":
        return target == "Qt" or folder == "widgets"
    if layer == "gif-face":
        return target == "Qt" or folder in ("gif", "widgets")
    if layer == "forms":
        return target == "Qt" or folder in ("forms", "catalogue", "data", "gif", "widgets")
    if layer == "app":
        return target == "Qt" or folder in ("app", "forms", "catalogue", "data", "gif", "widgets")
    return True


INCLUDE = re.compile(r'^\s*#\s*include\s*([<"])([^>"]+)[>"]')
QT_HEADER = re.compile(r"^Qt?[A-Z]\w*(/\w+)?$|^Qt\w*/")


def violations(root):
    paths = (p for folder in ("app", "forms", "catalogue", "data", "gif", "widgets") for p in (root / folder).rglob("*"))
    for path in sorted(paths):
        if path.suffix not in (".h", ".cpp", ".c"):
            continue
        rel = path.relative_to(root)
        layer = layer_of(rel)
        if layer is None:
            continue
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
