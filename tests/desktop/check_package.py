#!/usr/bin/env python3
"""Builds the Debian package from a build folder and checks it.

  check_package.py --build <build-dir> --out <dir> --app-id <id>

The package is made by cpack into <dir>, its control fields are checked
(name, version, section, dependencies: only libraries the program links, Qt's
Portuguese texts and the fonts its layouts use; Qt's Wayland platform
recommended), lintian finds no error and no warning in it (when lintian is
installed), and it is unpacked into <dir>/root, which is then checked as an
installed tree (check_install.py). Exits 77 (skipped) without cpack, dpkg-deb
or dpkg-shlibdeps.
"""

import argparse
import glob
import os
import re
import shutil
import subprocess
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
# What the package may depend on: the C and C++ runtimes, Qt 6 with its
# translations and two fonts.
ALLOWED = {"libc6", "libgcc-s1", "libstdc++6", "libqt6core6", "libqt6gui6", "libqt6widgets6",
           "qt6-translations-l10n", "fonts-liberation", "fonts-dejavu-core"}
REQUIRED = {"libqt6core6", "libqt6gui6", "libqt6widgets6", "qt6-translations-l10n", "fonts-liberation",
            "fonts-dejavu-core"}


def main():
    ap = argparse.ArgumentParser()
    ap.add_argument("--build", required=True)
    ap.add_argument("--out", required=True)
    ap.add_argument("--app-id", required=True)
    ap.add_argument("--version", required=True)
    a = ap.parse_args()

    missing = [t for t in ("cpack", "dpkg-deb", "dpkg-shlibdeps") if shutil.which(t) is None]
    if missing:
        print(f"SKIP: missing {', '.join(missing)}")
        return 77

    shutil.rmtree(a.out, ignore_errors=True)
    os.makedirs(a.out)
    subprocess.run(["cpack", "-G", "DEB", "--config", os.path.join(a.build, "CPackConfig.cmake"), "-B", a.out],
                   check=True, stdout=subprocess.DEVNULL)
    debs = glob.glob(os.path.join(a.out, "*.deb"))
    if len(debs) != 1:
        print(f"FAIL: expected one package, found {debs}")
        return 1
    deb = debs[0]

    def field(name):
        return subprocess.run(["dpkg-deb", "-f", deb, name], check=True, capture_output=True,
                              text=True).stdout.strip()

    problems = []
    if field("Package") != "fauneta":
        problems.append(f"package name is {field('Package')!r}")
    if not field("Version").startswith(a.version + "-"):
        problems.append(f"version {field('Version')!r} is not the project's {a.version}")
    depends = {re.split(r"[\s(]", d.strip())[0] for d in field("Depends").split(",") if d.strip()}
    if depends - ALLOWED:
        problems.append(f"unexpected dependencies: {sorted(depends - ALLOWED)}")
    if REQUIRED - depends:
        problems.append(f"missing dependencies: {sorted(REQUIRED - depends)}")
    # Native on Wayland desktops, where it is there; XWayland otherwise.
    if "qt6-wayland" not in {re.split(r"[\s(]", r.strip())[0] for r in field("Recommends").split(",")}:
        problems.append(f"qt6-wayland is not recommended (Recommends: {field('Recommends')!r})")
    if field("Section") != "misc":
        problems.append(f"section {field('Section')!r}: a reference guide is no game")
    print(f"{os.path.basename(deb)}: {os.path.getsize(deb)} bytes; Depends: {field('Depends')}; "
          f"Recommends: {field('Recommends')}")

    # Debian's own checks: copyright, changelog, manual page, section...
    if shutil.which("lintian"):
        run = subprocess.run(["lintian", "--no-tag-display-limit", deb], capture_output=True, text=True)
        found = [line for line in run.stdout.splitlines() if re.match(r"[EW]: ", line)]
        print(f"lintian: {len(found)} errors and warnings")
        problems += [f"lintian {line}" for line in found]
        if run.returncode not in (0, 1) or (run.returncode == 1 and not found):
            problems.append(f"lintian failed ({run.returncode}): {run.stderr.strip()}")
    else:
        print("lintian not installed: Debian's checks not run")

    root = os.path.join(a.out, "root")
    subprocess.run(["dpkg-deb", "-x", deb, root], check=True)
    rc = subprocess.run([sys.executable, os.path.join(HERE, "check_install.py"), "--tree", root,
                         "--prefix", "/usr", "--app-id", a.app_id]).returncode
    if rc != 0:
        problems.append("the unpacked package is not a complete installed tree")
    for p in problems:
        print(f"FAIL: {p}")
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
