#!/usr/bin/env python3
"""The real program with a damaged program folder.

A temporary copy of the program folder (the executable, "Imagens", "Dados")
runs under a private Xvfb with the accessibility bridge on, as the smoke test
runs it. Case by case, one file is damaged: first the sprite of #025, then the
rating bitmap "3.bmp" (#025's first rating, so the entry stops at "Energia").
For each case the test clicks #025 in the list as a person would, reads the
panel and any message box through AT-SPI, dismisses the box, repairs the file
and clicks #002 (whose ratings do not use "3.bmp"), which must show within a
second. The peak resident memory of the program (VmHWM, reset before each
case) must stay within its normal peak plus the memory budget of one picture.

  damaged_folder.py --exe <fauneta>

Prints one table row per case: case, what the user saw, time to the outcome,
time for the next entry, peak memory. Exits 77 (skipped) where Xvfb, xdotool,
the AT-SPI bus or pyatspi is missing.

"An unreadable file": the tests run as root, who reads anything. A file with
mode 000 is made and the program is started through setpriv without the two
capabilities that let root read it (dac_override, dac_read_search), so it is
refused like any user's unreadable file.
"""

import argparse
import os
import random
import shutil
import struct
import subprocess
import sys
import time

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.join(HERE, "..", "smoke"))
from desktop_session import SKIP, Failure, Session, Skip, missing_program_fonts  # noqa: E402
from smoke import MAIN_TITLE, Program  # noqa: E402

BUDGET_MIB = 64      # one picture's memory budget (gif::Limits::MaxTotalBytes)
PIXEL_CAP = 2048     # the largest composed picture, 2048 x 2048 (gif::Limits::MaxPicturePixels)
NEXT_LIMIT = 1.0     # seconds: the next entry shows within this after its click
OUTCOME_LIMIT = 5.0  # seconds: the damaged entry's outcome; beyond this it hangs

DAMAGED = ("#025 - Pikachu", "Imagens/025.gif", "Dados/3.bmp")
HEALTHY = "#002 - Ivysaur"


# --- damaged files -------------------------------------------------------------

def lzw_run(min_code_size, value, count):
    """count pixels of one value in few codes: each code the one the table is
    about to define, one pixel longer than the last; then the longest string
    over and over once the table is full."""
    clear = 1 << min_code_size
    size, nxt, cap = min_code_size + 1, clear + 2, 2 * clear
    acc = nbits = 0
    out = bytearray()

    def put(code, bits):
        nonlocal acc, nbits
        acc |= code << nbits
        nbits += bits
        while nbits >= 8:
            out.append(acc & 255)
            acc >>= 8
            nbits -= 8

    put(clear, size)
    put(value, size)
    done, length = 1, 1
    while done < count:
        if nxt < 4096:
            put(nxt, size)
            length += 1
            done += length
            nxt += 1
            if nxt >= cap and cap < 4096:
                cap *= 2
                size += 1
        else:
            put(4095, size)
            done += length
    put(clear + 1, size)
    if nbits:
        out.append(acc & 255)
    return bytes(out)


def sub_blocks(data):
    out = bytearray()
    for i in range(0, len(data), 255):
        chunk = data[i:i + 255]
        out += bytes([len(chunk)]) + chunk
    return bytes(out + b"\0")


def gif(screen, frame, codes, min_code_size=2):
    """A GIF89a with a 2-colour global table and one frame."""
    head = b"GIF89a" + struct.pack("<HHBBB", screen[0], screen[1], 0x80, 0, 0) + bytes([0, 0, 0, 230, 60, 160])
    desc = b"," + struct.pack("<HHHHB", 0, 0, frame[0], frame[1], 0)
    return head + desc + bytes([min_code_size]) + sub_blocks(codes) + b";"


def bitmap_claiming(good, width, height):
    """The good bitmap with its header's size changed (its pixels unchanged)."""
    b = bytearray(good)
    struct.pack_into("<ii", b, 18, width, height)
    return bytes(b)


def make_cases(good_gif, good_bmp):
    rnd = random.Random(25)
    random_bytes = bytes(rnd.randrange(256) for _ in range(4096))
    huge = gif((65535, 65535), (65535, 65535), lzw_run(2, 1, 1000))
    cap = gif((PIXEL_CAP, PIXEL_CAP), (PIXEL_CAP, PIXEL_CAP), lzw_run(2, 1, PIXEL_CAP * PIXEL_CAP))
    files = [
        ("truncated copy", good_gif[:len(good_gif) // 2], good_bmp[:len(good_bmp) // 2]),
        ("random bytes", random_bytes, random_bytes),
        ("zero-length file", b"", b""),
        ("GIF declaring 65535 x 65535", huge, huge),
        (f"LZW expanding to the cap ({len(cap)} B to {PIXEL_CAP} x {PIXEL_CAP})", cap, cap),
    ]
    cases = []
    for which in ("sprite", "bitmap"):
        for name, sprite, bmp in files:
            cases.append((which, name, ("bytes", sprite if which == "sprite" else bmp)))
        if which == "sprite":
            # The two pictures from the issue that raised the peak memory.
            cases.append((which, "GIF declaring one 7000 x 7000 frame",
                          ("bytes", gif((1, 1), (7000, 7000), lzw_run(2, 1, 10)))))
            codes = bytes(rnd.randrange(256) for _ in range(60000))
            cases.append((which, "4000 x 4000 frame of random codes",
                          ("bytes", gif((4000, 4000), (4000, 4000), codes, 8))))
        for kind, name in (("dir", "directory with the file's name"), ("fifo", "FIFO"),
                           ("unreadable", "unreadable file (mode 000)"), ("loop", "symlink loop")):
            cases.append((which, name, (kind, None)))
        if which == "bitmap":
            cases.append((which, "header claiming 30000 x 30000", ("bytes", bitmap_claiming(good_bmp, 30000, 30000))))
            cases.append((which, "header claiming 5000 x 5000", ("bytes", bitmap_claiming(good_bmp, 5000, 5000))))
    return cases


def damage(path, how):
    kind, data = how
    if kind == "bytes":
        with open(path, "wb") as f:
            f.write(data)
    elif kind == "dir":
        os.mkdir(path)
    elif kind == "fifo":
        os.mkfifo(path)
    elif kind == "unreadable":
        with open(path, "wb") as f:
            f.write(b"GIF89a" if path.endswith(".gif") else b"BM")
        os.chmod(path, 0)
    elif kind == "loop":
        os.symlink(os.path.basename(path), path)


def repair(path, good):
    if os.path.isdir(path) and not os.path.islink(path):
        os.rmdir(path)
    elif os.path.lexists(path):
        os.remove(path)
    with open(path, "wb") as f:
        f.write(good)


# --- the program ---------------------------------------------------------------

class DamagedProgram(Program):
    """The smoke test's view of the program, started from the copied folder
    without the capabilities that let root read unreadable files."""

    def __init__(self, session, exe):
        prefix = []
        self.drops_root_reading = os.geteuid() != 0
        if os.geteuid() == 0 and shutil.which("setpriv"):
            caps = "-dac_override,-dac_read_search"
            prefix = ["setpriv", "--bounding-set", caps, "--inh-caps", caps]
            self.drops_root_reading = True
        # The smoke test's start, with the program behind setpriv (which
        # executes it in its own place: the process is the program's).
        start = session.start
        session.start = lambda argv, extra_env=None: start(prefix + argv, extra_env)
        try:
            super().__init__(session, exe)
        finally:
            del session.start

    def status(self, key):
        with open(f"/proc/{self.process.pid}/status") as f:
            for line in f:
                if line.startswith(key + ":"):
                    return int(line.split()[1]) / 1024.0  # MiB
        raise Failure(f"no {key} in the program's status")

    def reset_peak(self):
        with open(f"/proc/{self.process.pid}/clear_refs", "w") as f:
            f.write("5")

    def alert(self):
        p = self.pyatspi
        for i in range(self.fresh(self.app).childCount):
            w = self.app.getChildAtIndex(i)
            if w is not None and w.getRole() == p.ROLE_ALERT and self.showing(w):
                return w
        return None

    def alert_text(self, box):
        labels = [l.name for l in self.find_all(box, self.pyatspi.ROLE_LABEL) if l.name]
        return " ".join(labels)


def sprite_pixels(prog, sprite):
    """The sprite's area on screen once it has stopped changing (the repaint
    follows the texts that AT-SPI reports)."""
    x, y, w, h = prog.extents(sprite)
    last = None
    for _ in range(40):
        now = prog.session.framebuffer.pixels(x, y, w, h)
        if now == last:
            return now
        last = now
        time.sleep(0.1)
    raise Failure("the sprite's area keeps changing")


def describe_sprite(now, before, empty):
    if now == before:
        return "sprite kept"
    if now == empty:
        return "sprite cleared"
    return "new picture"


def run(exe, report):
    session = Session()
    try:
        session.export()
        folder = os.path.join(session.tmp, "programa")
        os.makedirs(folder)
        shutil.copy2(exe, folder)
        src = os.path.dirname(os.path.realpath(exe))
        for sub in ("Imagens", "Dados"):
            shutil.copytree(os.path.join(src, sub), os.path.join(folder, sub))
        with open(os.path.join(folder, DAMAGED[1]), "rb") as f:
            good_gif = f.read()
        with open(os.path.join(folder, DAMAGED[2]), "rb") as f:
            good_bmp = f.read()

        prog = DamagedProgram(session, os.path.join(folder, os.path.basename(exe)))
        p = prog.pyatspi
        main = prog.wait_window(MAIN_TITLE)
        listbox = prog.find_all(main, p.ROLE_LIST, "Lista de Pokémons")[0]
        nome = prog.need(main, p.ROLE_TEXT, "Nome")
        descr = prog.need(main, p.ROLE_TEXT, "Descrição")
        moves = prog.need(main, p.ROLE_TEXT, "Movimentos")
        sprite = prog.need(main, p.ROLE_IMAGE, "Imagem do Pokémon")
        items = {n: prog.need(listbox, p.ROLE_LIST_ITEM, n, showing=False) for n in (DAMAGED[0], HEALTHY)}
        empty_sprite = sprite_pixels(prog, sprite)

        def click(name):
            prog.scroll_into_view(listbox, items[name])
            x, y, w, h = prog.extents(items[name])
            session.xdotool("mousemove", "--sync", x + w // 2, y + h // 2)
            t0 = time.monotonic()
            session.xdotool("click", 1)
            return t0

        def shown(name):
            return prog.text(nome) == name

        # Normal use: both entries shown healthy, twice; the peak so far.
        for name in (DAMAGED[0], HEALTHY, DAMAGED[0], HEALTHY):
            click(name)
            prog.wait(lambda: shown(name), f"{name} to show")
        healthy_descr = {}
        for name in (DAMAGED[0], HEALTHY):
            click(name)
            prog.wait(lambda: shown(name), f"{name} to show")
            time.sleep(0.2)
            healthy_descr[name] = prog.text(descr)
        normal = prog.status("VmHWM")
        limit = normal + BUDGET_MIB
        print(f"times: from the click to the outcome read through AT-SPI (polled every 50 ms)")
        print(f"normal use: peak {normal:.1f} MiB; each case must stay under {limit:.1f} MiB "
              f"(+ {BUDGET_MIB} MiB, one picture's budget)", flush=True)
        with open(exe, "rb") as f:
            sanitized = b"__asan_init" in f.read()
        if sanitized:
            print("(a sanitizer build: memory is printed, not checked)", flush=True)
        healthy_sprite = sprite_pixels(prog, sprite)

        rows, failures = [], []
        for which, name, how in make_cases(good_gif, good_bmp):
            rel = DAMAGED[1] if which == "sprite" else DAMAGED[2]
            path = os.path.join(folder, rel)
            if how[0] == "unreadable" and not prog.drops_root_reading:
                rows.append((which, name, "not run: no setpriv to drop root's reading", "", "", ""))
                continue
            prog.wait(lambda: shown(HEALTHY), "the healthy entry before the case")
            os.remove(path)
            damage(path, how)
            before = prog.status("VmRSS")
            prog.reset_peak()
            t0 = click(DAMAGED[0])

            # The outcome: the entry shows, or a message box comes up.
            outcome = prog.wait(lambda: prog.alert() or (shown(DAMAGED[0]) and "shown"),
                                f"{name}: the entry or a message", timeout=OUTCOME_LIMIT)
            took = time.monotonic() - t0
            box = None if outcome == "shown" else outcome
            message = prog.alert_text(box) if box else ""
            shown_message = message.replace(folder, "<folder>")
            panel = {"nome": prog.text(nome), "descr": prog.text(descr), "moves": prog.text(moves)}
            if box:
                prog.click(prog.need(box, p.ROLE_PUSH_BUTTON, "OK"))
                prog.wait(lambda: prog.alert() is None, "the message box to close")
            # Once the box no longer covers it.
            seen_sprite = describe_sprite(sprite_pixels(prog, sprite), healthy_sprite, empty_sprite)
            peak = prog.status("VmHWM")

            repair(path, good_gif if which == "sprite" else good_bmp)
            t1 = click(HEALTHY)
            prog.wait(lambda: shown(HEALTHY), f"after {name}: {HEALTHY} to show", timeout=OUTCOME_LIMIT)
            next_took = time.monotonic() - t1
            healthy_sprite = sprite_pixels(prog, sprite)

            # What the entry presentation says for this case.
            problems = []
            if box:
                saw = f'message "{shown_message}"'
            else:
                saw = "no message"
            if panel["nome"] == DAMAGED[0]:
                saw += ", entry shown"
            elif panel["descr"] == "" and panel["moves"] == "":
                saw += ", stopped after clearing the boxes"
            elif panel["descr"] == healthy_descr[DAMAGED[0]]:
                saw += ", stopped at Energia (texts new, fields old)"
            else:
                saw += ", panel: " + repr(panel)
            if which == "sprite":
                saw += ", " + seen_sprite
            unopenable = how[0] in ("fifo", "unreadable")
            missing = how[0] in ("dir", "loop")
            if which == "sprite":
                if unopenable:
                    expect = f"Cannot open file {path}."
                    if message != expect:
                        problems.append(f"expected the message {expect!r}")
                    if panel["nome"] != HEALTHY or panel["descr"] or panel["moves"]:
                        problems.append("the entry should stop after clearing both boxes")
                    if seen_sprite != "sprite kept":
                        problems.append("the sprite stays as it was")
                else:
                    if box:
                        problems.append("no message is shown for a sprite")
                    if panel["nome"] != DAMAGED[0]:
                        problems.append("the entry should show")
                    if missing and seen_sprite != "sprite kept":
                        problems.append("a missing sprite leaves the previous picture")
                    if how[0] == "bytes" and "cap" not in name and "truncated" not in name \
                            and seen_sprite != "sprite cleared":
                        problems.append("an undecodable sprite clears the picture")
                    if "cap" in name and seen_sprite != "new picture":
                        problems.append("a picture within the cap shows")
            else:
                expect = (f"Cannot open file {path}." if how[0] != "bytes"
                          else "Bitmap image is not valid.")
                if message != expect:
                    problems.append(f"expected the message {expect!r}")
                if panel["nome"] != HEALTHY or panel["descr"] != healthy_descr[DAMAGED[0]]:
                    problems.append("the entry should stop at its first rating")
            if took > OUTCOME_LIMIT:
                problems.append("too slow")
            if next_took > NEXT_LIMIT:
                problems.append(f"the next entry took {next_took:.2f} s")
            if not sanitized and peak > limit:
                problems.append(f"peak {peak:.1f} MiB over {limit:.1f} MiB")
            if prog.process.poll() is not None:
                problems.append(f"the program ended ({prog.process.returncode})")
            rows.append((which, name, saw, f"{took:.2f} s", f"{next_took:.2f} s",
                         f"{peak:.1f} MiB ({peak - before:+.1f})"))
            print(f"  {'ok' if not problems else 'FAIL'}  {which}: {name} ({took:.2f} s)", flush=True)
            if problems:
                failures.append(f"{which}, {name}: " + "; ".join(problems))

        print_table(rows, report)
        if failures:
            raise Failure("\n  ".join(["cases that did not hold:"] + failures))
        prog.menu("Arquivo", "Sair")
        rc = prog.process.wait(timeout=15)
        if rc != 0:
            raise Failure(f"the program ended with {rc}\n{session.output(prog.process)}")
    finally:
        session.close()


def print_table(rows, report):
    head = ("file", "case", "what the user saw", "time", "next entry", "peak memory (rise)")
    widths = [max(len(str(r[i])) for r in rows + [head]) for i in range(len(head))]
    lines = ["| " + " | ".join(str(c).ljust(w) for c, w in zip(r, widths)) + " |" for r in [head] + rows]
    lines.insert(1, "|" + "|".join("-" * (w + 2) for w in widths) + "|")
    text = "\n".join(lines)
    print(text, flush=True)
    if report:
        with open(report, "w") as f:
            f.write(text + "\n")


def main():
    ap = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    ap.add_argument("--exe", required=True)
    ap.add_argument("--report", help="also write the table to this file")
    args = ap.parse_args()
    if not os.access(args.exe, os.X_OK):
        print(f"FAIL: no executable at {args.exe}")
        return 1
    fonts = missing_program_fonts()
    if fonts:
        print(f"FAIL: the program's fonts are missing: {', '.join(fonts)} (tools/setup.sh installs them)")
        return 1
    started = time.monotonic()
    try:
        run(args.exe, args.report)
    except Skip as e:
        print(f"SKIP: {e}")
        return SKIP
    except (Failure, subprocess.TimeoutExpired) as e:
        print(f"FAIL: {e}")
        return 1
    print(f"PASS in {time.monotonic() - started:.1f} s")
    return 0


if __name__ == "__main__":
    sys.exit(main())
