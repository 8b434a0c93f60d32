#!/usr/bin/env python3
"""Checks an installed Fauneta tree against what the desktop expects.

  check_install.py --tree <root> --prefix /usr --app-id <id> [--install <build-dir>]

With --install the build is first installed into <root> (cmake --install with
DESTDIR). Then: the program's folder with its executable, every sprite and
rating bitmap; the launcher on PATH pointing into that folder; the desktop
entry, the AppStream file and the icon theme files all named by the
application id, and naming each other consistently.
"""

import argparse
import configparser
import os
import shutil
import struct
import subprocess
import sys
import xml.etree.ElementTree as ET

ICON_SIZES = (16, 22, 24, 32, 48, 64, 128, 256)


def png_size(path):
    with open(path, "rb") as f:
        head = f.read(24)
    if head[:8] != b"\x89PNG\r\n\x1a\n":
        raise AssertionError(f"{path} is not a PNG")
    return struct.unpack(">II", head[16:24])


def main():
    ap = argparse.ArgumentParser()
    ap.add_argument("--tree", required=True)
    ap.add_argument("--prefix", default="/usr")
    ap.add_argument("--app-id", required=True)
    ap.add_argument("--install", metavar="BUILD_DIR")
    ap.add_argument("--screenshots", metavar="DIR", help="the committed screenshots the AppStream file names")
    a = ap.parse_args()

    if a.install:
        shutil.rmtree(a.tree, ignore_errors=True)
        env = dict(os.environ, DESTDIR=a.tree)
        subprocess.run(["cmake", "--install", a.install, "--prefix", a.prefix],
                       env=env, check=True, stdout=subprocess.DEVNULL)

    root = os.path.join(a.tree, a.prefix.lstrip("/"))
    problems = []

    def expect(cond, message):
        if not cond:
            problems.append(message)

    # The launcher and the program's folder.
    launcher = os.path.join(root, "bin", "fauneta")
    expect(os.path.islink(launcher), "bin/fauneta is a symbolic link")
    exe = os.path.realpath(launcher)
    appdir = os.path.dirname(exe)
    expect(os.path.isfile(exe) and os.access(exe, os.X_OK), f"the launcher leads to the program ({exe})")
    expect(os.path.commonpath([appdir, root]) == root, "the program's folder lies inside the installed tree")
    expect(not os.path.isabs(os.readlink(launcher)) if os.path.islink(launcher) else False,
           "the launcher's target is relative, so the tree can be moved (DESTDIR, packages)")
    gifs = sorted(f for f in os.listdir(os.path.join(appdir, "Imagens"))) if os.path.isdir(
        os.path.join(appdir, "Imagens")) else []
    expect(gifs == [f"{n:03d}.gif" for n in range(152)], f"Imagens holds 000.gif to 151.gif ({len(gifs)} files)")
    bmps = sorted(os.listdir(os.path.join(appdir, "Dados"))) if os.path.isdir(os.path.join(appdir, "Dados")) else []
    expect(bmps == [f"{n}.bmp" for n in range(1, 7)], f"Dados holds 1.bmp to 6.bmp ({bmps})")

    # The desktop entry.
    desktop = os.path.join(root, "share", "applications", f"{a.app_id}.desktop")
    icon_name = None
    if os.path.isfile(desktop):
        cp = configparser.ConfigParser(interpolation=None, strict=True)
        cp.optionxform = str
        cp.read(desktop, encoding="utf-8")
        entry = cp["Desktop Entry"]
        expect(entry.get("Exec", "").split()[0:1] == ["fauneta"], "the desktop entry starts the launcher")
        icon_name = entry.get("Icon")
        expect(icon_name == a.app_id, f"the desktop entry's icon is named by the id ({icon_name})")
    else:
        problems.append(f"no desktop entry at {desktop}")

    # The AppStream file.
    meta = os.path.join(root, "share", "metainfo", f"{a.app_id}.metainfo.xml")
    if os.path.isfile(meta):
        c = ET.parse(meta).getroot()
        expect(c.findtext("id") == a.app_id, "the AppStream id is the application id")
        expect(c.findtext("launchable") == f"{a.app_id}.desktop", "AppStream launches the installed desktop entry")
        expect([b.text for b in c.iter("binary")] == ["fauneta"], "AppStream names the launcher")
        langs = {s.get("{http://www.w3.org/XML/1998/namespace}lang") for s in c.findall("summary")}
        expect(langs == {None, "pt-BR"}, f"summaries in English and Portuguese ({langs})")
        shots = c.findall("screenshots/screenshot")
        expect(len(shots) >= 1, "AppStream has screenshots")
        for img in c.iter("image"):
            name = os.path.basename(img.text or "")
            expect((img.text or "").startswith("https://"), f"screenshot {name} is published over https")
            if a.screenshots:
                local = os.path.join(a.screenshots, name)
                if os.path.isfile(local):
                    size = (int(img.get("width", 0)), int(img.get("height", 0)))
                    expect(png_size(local) == size, f"{name} is {size[0]} x {size[1]} as AppStream says "
                                                    f"(it is {png_size(local)})")
                else:
                    problems.append(f"screenshot {name} is not in {a.screenshots}")
    else:
        problems.append(f"no AppStream file at {meta}")

    # The icon theme files.
    for n in ICON_SIZES:
        p = os.path.join(root, "share", "icons", "hicolor", f"{n}x{n}", "apps", f"{a.app_id}.png")
        if os.path.isfile(p):
            expect(png_size(p) == (n, n), f"{p} is {n} x {n}")
        else:
            problems.append(f"no {n} x {n} icon at {p}")

    for p in problems:
        print(f"FAIL: {p}")
    if not problems:
        print(f"installed tree under {root} is complete")
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
