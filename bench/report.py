#!/usr/bin/env python3
"""The benchmark report: runs every measurement of bench/README.md in one go
and prints one table (markdown). Called by bench/report.sh after the build.

Start-up, CPU and memory of the real executable are measured from outside the
process; ShowEntry, decoding and the picture control's CPU come from the
Google Benchmarks, run with fixed repetitions.
"""
import argparse
import json
import os
import platform
import re
import shutil
import statistics
import subprocess
import sys
import time

TICK = os.sysconf("SC_CLK_TCK")


def loadavg():
    with open("/proc/loadavg") as f:
        return " ".join(f.read().split()[:3])


def cpu_model():
    with open("/proc/cpuinfo") as f:
        for line in f:
            if line.startswith("model name"):
                return line.split(":", 1)[1].strip()
    return platform.processor() or "?"


def mem_total():
    with open("/proc/meminfo") as f:
        for line in f:
            if line.startswith("MemTotal"):
                return int(line.split()[1]) // 1024
    return 0


def build_type(build):
    try:
        with open(os.path.join(build, "CMakeCache.txt")) as f:
            for line in f:
                if line.startswith("CMAKE_BUILD_TYPE:"):
                    return line.split("=", 1)[1].strip() or "(none)"
    except OSError:
        pass
    return "?"


# ---- X server -------------------------------------------------------------

class Xvfb:
    def __init__(self):
        self.proc = None
        self.display = None

    def start(self):
        if not shutil.which("Xvfb"):
            return False
        for n in range(90, 120):
            if os.path.exists("/tmp/.X11-unix/X%d" % n) or os.path.exists("/tmp/.X%d-lock" % n):
                continue
            self.proc = subprocess.Popen(["Xvfb", ":%d" % n, "-screen", "0", "1280x1024x24", "-nolisten", "tcp"],
                                         stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
            for _ in range(50):
                if os.path.exists("/tmp/.X11-unix/X%d" % n):
                    self.display = ":%d" % n
                    return True
                if self.proc.poll() is not None:
                    break
                time.sleep(0.1)
            self.stop()
        return False

    def stop(self):
        if self.proc and self.proc.poll() is None:
            self.proc.terminate()
            self.proc.wait()
        self.proc = None


def env_for(platform_name, display, extra=None):
    env = dict(os.environ)
    env.pop("FAUNETA_EXIT_AFTER_FIRST_PAINT", None)
    if platform_name == "xcb":
        env["QT_QPA_PLATFORM"] = "xcb"
        env["DISPLAY"] = display
    else:
        env["QT_QPA_PLATFORM"] = "offscreen"
    env.update(extra or {})
    return env


# ---- start-up to first paint ----------------------------------------------

def one_start(exe, env):
    t0 = time.monotonic_ns()
    p = subprocess.Popen([exe], env=env, stdout=subprocess.DEVNULL, stderr=subprocess.PIPE)
    err = p.stderr.read().decode(errors="replace")
    _, status, ru = os.wait4(p.pid, 0)
    p.returncode = os.waitstatus_to_exitcode(status)
    t1 = time.monotonic_ns()
    m = re.search(r"first_paint_monotonic_ns=(\d+)", err)
    cpu = re.search(r"first_paint_cpu_ns=(\d+)", err)
    if p.returncode != 0 or not m:
        raise RuntimeError("%s ended with %s without reporting a first paint:\n%s" % (exe, p.returncode, err[-2000:]))
    return {
        "first_paint_ms": (int(m.group(1)) - t0) / 1e6,
        # (None from a build whose probe did not report it yet)
        "first_paint_cpu_ms": int(cpu.group(1)) / 1e6 if cpu else None,
        "to_exit_ms": (t1 - t0) / 1e6,
        "cpu_ms": (ru.ru_utime + ru.ru_stime) * 1000.0,
        "maxrss_kib": ru.ru_maxrss,
    }


def startups(programs, env, runs):
    # Interleaved, so that the programs share whatever else the machine does.
    results = {name: [] for name in programs}
    for name, exe in programs.items():
        one_start(exe, env)  # warm the page cache
    for _ in range(runs):
        for name, exe in programs.items():
            results[name].append(one_start(exe, env))
    return results


def med_spread(values):
    values = sorted(values)
    med = statistics.median(values)
    q = statistics.quantiles(values, n=4) if len(values) >= 4 else [values[0], med, values[-1]]
    return med, q[0], q[2], values[0], values[-1]


def fmt_ms(values):
    med, q1, q3, lo, hi = med_spread(values)
    return "%.1f ms (IQR %.1f–%.1f, min %.1f, max %.1f)" % (med, q1, q3, lo, hi)


# ---- the real program under X: CPU idle / animating, memory -----------------

def proc_cpu_ticks(pid):
    with open("/proc/%d/stat" % pid) as f:
        fields = f.read().rsplit(")", 1)[1].split()
    return int(fields[11]) + int(fields[12])  # utime, stime (fields 14, 15)


def proc_status_kib(pid, key):
    with open("/proc/%d/status" % pid) as f:
        for line in f:
            if line.startswith(key + ":"):
                return int(line.split()[1])
    return -1


def task_sums(pid):
    """On-CPU nanoseconds (schedstat) and context switches of all threads."""
    ns = switches = 0
    for t in os.listdir("/proc/%d/task" % pid):
        try:
            with open("/proc/%d/task/%s/schedstat" % (pid, t)) as f:
                ns += int(f.read().split()[0])
            with open("/proc/%d/task/%s/status" % (pid, t)) as f:
                for line in f:
                    if line.startswith("voluntary_ctxt_switches") or line.startswith("nonvoluntary_ctxt_switches"):
                        switches += int(line.split()[1])
        except OSError:
            pass  # a thread that just ended
    return ns, switches


def cpu_over(pid, seconds):
    """CPU ms per wall second over `seconds` (from /proc/<pid>/stat, clock
    ticks), the same from the threads' schedstat (ns), context switches per
    second, and per-second samples (schedstat ms)."""
    samples = []
    t0 = proc_cpu_ticks(pid)
    n0, s0 = task_sums(pid)
    w0 = time.monotonic()
    prev = n0
    for _ in range(int(seconds)):
        time.sleep(1.0)
        n, _ = task_sums(pid)
        samples.append((n - prev) / 1e6)
        prev = n
    wall = time.monotonic() - w0
    n1, s1 = task_sums(pid)
    t1 = proc_cpu_ticks(pid)
    return {"stat": (t1 - t0) * 1000.0 / TICK / wall, "sched": (n1 - n0) / 1e6 / wall,
            "switches": (s1 - s0) / wall, "samples": samples}


def xdotool(display, *args, timeout=10):
    return subprocess.run(["xdotool", *map(str, args)], env=dict(os.environ, DISPLAY=display),
                          capture_output=True, text=True, timeout=timeout)


def wait_window(display, pid, name, timeout=10.0):
    end = time.monotonic() + timeout
    while time.monotonic() < end:
        r = xdotool(display, "search", "--all", "--onlyvisible", "--pid", pid, "--name", name)
        ids = r.stdout.split()
        if ids:
            return ids[0]
        time.sleep(0.1)
    return None


def send_close_request(display, window_id):
    """What a window manager sends on a click on the close box:
    WM_DELETE_WINDOW (no window manager runs on this Xvfb)."""
    import ctypes
    import ctypes.util

    class ClientMessage(ctypes.Structure):
        _fields_ = [("type", ctypes.c_int), ("serial", ctypes.c_ulong), ("send_event", ctypes.c_int),
                    ("display", ctypes.c_void_p), ("window", ctypes.c_ulong),
                    ("message_type", ctypes.c_ulong), ("format", ctypes.c_int), ("data", ctypes.c_long * 5)]

    class XEvent(ctypes.Union):
        _fields_ = [("xclient", ClientMessage), ("pad", ctypes.c_long * 24)]

    x = ctypes.CDLL(ctypes.util.find_library("X11"))
    x.XOpenDisplay.restype = ctypes.c_void_p
    x.XOpenDisplay.argtypes = [ctypes.c_char_p]
    x.XInternAtom.restype = ctypes.c_ulong
    x.XInternAtom.argtypes = [ctypes.c_void_p, ctypes.c_char_p, ctypes.c_int]
    x.XSendEvent.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int, ctypes.c_long, ctypes.POINTER(XEvent)]
    x.XFlush.argtypes = [ctypes.c_void_p]
    x.XCloseDisplay.argtypes = [ctypes.c_void_p]
    dpy = x.XOpenDisplay(display.encode())
    try:
        ev = XEvent()
        ev.xclient.type = 33  # ClientMessage
        ev.xclient.window = int(window_id)
        ev.xclient.message_type = x.XInternAtom(dpy, b"WM_PROTOCOLS", 0)
        ev.xclient.format = 32
        ev.xclient.data[0] = x.XInternAtom(dpy, b"WM_DELETE_WINDOW", 0)
        x.XSendEvent(dpy, int(window_id), 0, 0, ctypes.byref(ev))
        x.XFlush(dpy)
    finally:
        x.XCloseDisplay(dpy)


def close_window(display, pid, title):
    """The close box hides a secondary window."""
    win = wait_window(display, pid, title, timeout=5)
    if not win:
        return False
    send_close_request(display, win)
    return wait_gone(display, pid, title)


def wait_gone(display, pid, name, timeout=5.0):
    end = time.monotonic() + timeout
    while time.monotonic() < end:
        if not xdotool(display, "search", "--all", "--onlyvisible", "--pid", pid, "--name", name).stdout.split():
            return True
        time.sleep(0.05)
    return False


# Main window geometry (window coordinates: the client area starts below the
# 19-pixel menu bar). The six page buttons and the first line of the list.
MENU_H = 19
PAGE_BUTTONS = [(8 + 24, 319 + 8), (56 + 24, 319 + 8), (104 + 24, 319 + 8),
                (8 + 24, 335 + 8), (56 + 24, 335 + 8), (104 + 24, 335 + 8)]
FIRST_LINE = (8 + 40, 176 + 7)


def click(display, win, x, y):
    # No --sync: it waits for a movement, and there is none when the pointer
    # is there already.
    xdotool(display, "mousemove", "--window", win, x, y + MENU_H)
    time.sleep(0.05)
    xdotool(display, "click", "1")


def live_tour(display, pid, main):
    """Real X input: every list page, every line of it (the first by a click,
    the rest by the Down key, each raising ListBoxNClick and so ShowEntry),
    then each secondary window opened and closed. Returns how many windows
    were seen open."""
    for page, (bx, by) in enumerate(PAGE_BUTTONS, start=1):
        click(display, main, bx, by)
        time.sleep(0.1)
        click(display, main, *FIRST_LINE)
        time.sleep(0.1)
        lines = 30 if page < 6 else 2
        xdotool(display, "key", "--delay", "15", "--repeat", lines - 1, "Down", timeout=30)
        time.sleep(0.2)
    if os.environ.get("FAUNETA_REPORT_SCREENSHOT") and shutil.which("import"):
        subprocess.run(["import", "-display", display, "-window", "root",
                        os.environ["FAUNETA_REPORT_SCREENSHOT"] + ".entries.png"], capture_output=True)
    opened = 0
    # "Fauneta" has no mnemonic: a click on its title opens it, the arrow
    # keys pick the item (the separator is skipped).
    fauneta_menu = (94, 8 - MENU_H)
    openers = [([["key", "ctrl+t"]], "^Lista de TMs"), ([["key", "ctrl+m"]], "^Lista de Itens"),
               ([["key", "F1"]], "^Sobre\\.\\.\\.$"),
               ([fauneta_menu, ["key", "Down", "Return"]], "^Web Site$"),
               ([fauneta_menu, ["key", "Down", "Down", "Return"]], "^Atualiza"),
               ([fauneta_menu, ["key", "Down", "Down", "Down", "Return"]], "^Sobre a Atualiza")]
    for steps, title in openers:
        xdotool(display, "windowfocus", "--sync", main)
        for step in steps:
            if isinstance(step, tuple):
                click(display, main, *step)
                time.sleep(0.2)
            else:
                xdotool(display, *step)
        if wait_window(display, pid, title, timeout=5):
            time.sleep(0.3)
            opened += close_window(display, pid, title)
    return opened


def live_program(exe, display, seconds):
    """Runs the program under Xvfb: idle CPU over `seconds`, then with the
    About window (F1) open; resident memory after each step."""
    out = {}
    p = subprocess.Popen([exe], env=env_for("xcb", display), stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    try:
        main = wait_window(display, p.pid, "^Fauneta", timeout=30)
        if not main:
            raise RuntimeError("the main window did not appear")
        time.sleep(2.0)
        out["startup_rss"] = proc_status_kib(p.pid, "VmRSS")
        out["startup_hwm"] = proc_status_kib(p.pid, "VmHWM")
        out["threads"] = len(os.listdir("/proc/%d/task" % p.pid))
        out["idle"] = cpu_over(p.pid, seconds)
        xdotool(display, "windowfocus", "--sync", main)
        xdotool(display, "key", "F1")
        if not wait_window(display, p.pid, "^Sobre"):
            raise RuntimeError("F1 did not open the About window")
        out["about"] = cpu_over(p.pid, seconds)
        out["about_rss"] = proc_status_kib(p.pid, "VmRSS")
        out["about_hwm"] = proc_status_kib(p.pid, "VmHWM")
        close_window(display, p.pid, "^Sobre")
        out["tour"] = live_tour(display, p.pid, main)
        out["tour_rss"] = proc_status_kib(p.pid, "VmRSS")
        out["tour_hwm"] = proc_status_kib(p.pid, "VmHWM")
        if os.environ.get("FAUNETA_REPORT_SCREENSHOT") and shutil.which("import"):
            subprocess.run(["import", "-display", display, "-window", "root",
                            os.environ["FAUNETA_REPORT_SCREENSHOT"]], capture_output=True)
    finally:
        p.terminate()
        p.wait()
    return out


# ---- Google Benchmarks ------------------------------------------------------

def gbench(exe, args, env):
    r = subprocess.run([exe, "--benchmark_format=json", *args], env=env, capture_output=True, text=True)
    if r.returncode != 0:
        raise RuntimeError("%s failed:\n%s" % (exe, r.stderr[-2000:]))
    return json.loads(r.stdout)["benchmarks"]


def aggregate(benchmarks, name, kind):
    for b in benchmarks:
        if b.get("run_name") == name and b.get("aggregate_name") == kind:
            return b
    return None


def main():
    ap = argparse.ArgumentParser()
    ap.add_argument("--build", required=True)
    ap.add_argument("--runs", type=int, default=21)
    ap.add_argument("--reps", type=int, default=5)
    ap.add_argument("--seconds", type=int, default=10)
    ap.add_argument("--startup-only", action="store_true", help="only the start-up rows")
    ap.add_argument("--extra", action="append", default=[], metavar="NAME=PATH",
                    help="another executable timed in the same interleaved start-up runs "
                         "(e.g. a build of an earlier commit)")
    a = ap.parse_args()
    out = os.path.join(a.build, "out")
    exe = os.path.join(out, "fauneta")
    bare = os.path.join(out, "bench_bare_window")
    rows = []

    started = time.strftime("%Y-%m-%d %H:%M:%S %Z")
    load0 = loadavg()
    print("# Fauneta benchmark report\n")
    print("- date: %s" % started)
    print("- machine: %s, %d cores, %d MiB RAM, %s %s" % (cpu_model(), os.cpu_count(), mem_total(),
                                                          platform.system(), platform.release()))
    print("- build: %s (%s)" % (build_type(a.build), a.build))
    print("- load average at start (1/5/15 min): %s" % load0)
    print("- start-up runs per program and platform: %d; Google Benchmark repetitions: %d\n" % (a.runs, a.reps),
          flush=True)

    x = Xvfb()
    have_x = x.start()
    try:
        # 1. start-up to first paint, the program vs the bare window
        programs = {"fauneta": exe, "bare Qt window": bare}
        for extra in a.extra:
            name, _, path = extra.partition("=")
            programs[name] = path
        platforms = (["xcb"] if have_x else []) + ["offscreen"]
        for plat in platforms:
            env = env_for(plat, x.display, {"FAUNETA_EXIT_AFTER_FIRST_PAINT": "1"})
            res = startups(programs, env, a.runs)
            where = "Xvfb" if plat == "xcb" else "offscreen"
            for name in programs:
                r = res[name]
                rows.append(("start-up to first paint, %s (wall)" % where, name,
                             fmt_ms([s["first_paint_ms"] for s in r])))
                if all(s["first_paint_cpu_ms"] is not None for s in r):
                    rows.append(("start-up CPU time to first paint, %s" % where, name,
                                 fmt_ms([s["first_paint_cpu_ms"] for s in r])))
                rows.append(("start-up CPU time, start to exit, %s" % where, name,
                             fmt_ms([s["cpu_ms"] for s in r])))
                if True:
                    rows.append(("peak RSS, start-up to first paint, %s" % where, name,
                                 "%.1f MiB (median of %d)" % (statistics.median(s["maxrss_kib"] for s in r) / 1024,
                                                              len(r))))
            # The target is a ratio: each program's median over the bare
            # window's, both from these same interleaved runs.
            def med(r, key):
                values = [s[key] for s in r]
                return statistics.median(values) if None not in values else None
            bare_r = res["bare Qt window"]
            for name in programs:
                if name == "bare Qt window":
                    continue
                r = res[name]
                cpu_ratio = ""
                if med(r, "first_paint_cpu_ms") and med(bare_r, "first_paint_cpu_ms"):
                    cpu_ratio = "%.2f× CPU to first paint, " % (med(r, "first_paint_cpu_ms") /
                                                                 med(bare_r, "first_paint_cpu_ms"))
                rows.append(("start-up, %s: ratio to the bare window (medians of %d)" % (where, len(r)), name,
                             "%.2f× wall to first paint, %s%.2f× CPU start to exit" %
                             (med(r, "first_paint_ms") / med(bare_r, "first_paint_ms"), cpu_ratio,
                              med(r, "cpu_ms") / med(bare_r, "cpu_ms"))))
            print("(start-up %s done, load %s)" % (where, loadavg()), file=sys.stderr, flush=True)

        # 2. the real program under Xvfb: CPU idle and with the About window
        if a.startup_only:
            pass
        elif have_x and shutil.which("xdotool"):
            live = live_program(exe, x.display, a.seconds)
            for key, label in (("idle", "idle, nothing animating"), ("about", "About window (F1) open")):
                c = live[key]
                rows.append(("CPU, real program under Xvfb, %s (%d s)" % (label, a.seconds), "fauneta",
                             "%.2f ms CPU per s (schedstat), %.0f ms per s (/proc stat ticks), "
                             "%.1f context switches per s; per-second ms: %s" %
                             (c["sched"], c["stat"], c["switches"], " ".join("%.1f" % x for x in c["samples"]))))
            rows.append(("RSS, real program under Xvfb after start-up (2 s settled)", "fauneta",
                         "%.1f MiB (peak %.1f MiB), %d threads" % (live["startup_rss"] / 1024, live["startup_hwm"] / 1024,
                                                          live["threads"])))
            rows.append(("RSS, real program after About was shown", "fauneta",
                         "%.1f MiB (peak %.1f MiB)" % (live["about_rss"] / 1024, live["about_hwm"] / 1024)))
            rows.append(("RSS, real program after all 152 entries (X clicks and keys) and %d of 6 secondary "
                         "windows opened and closed" % live["tour"], "fauneta",
                         "%.1f MiB (peak %.1f MiB)" % (live["tour_rss"] / 1024, live["tour_hwm"] / 1024)))
        else:
            rows.append(("CPU / RSS of the real program under Xvfb", "fauneta", "not measured: Xvfb or xdotool missing"))
        if not a.startup_only:
            print("(live program done, load %s)" % loadavg(), file=sys.stderr, flush=True)
    finally:
        x.stop()

    if a.startup_only:
        print_table(rows)
        return

    off = env_for("offscreen", None)
    reps = ["--benchmark_repetitions=%d" % a.reps, "--benchmark_report_aggregates_only=true"]

    # 3. memory tour: same forms, offscreen, in the ShowEntry benchmark program
    tour = subprocess.run([os.path.join(out, "bench_showentry"), "--tour"], env=off, capture_output=True, text=True)
    for line in tour.stdout.splitlines():
        m = re.match(r"tour (\S+) rss_kib=(-?\d+) hwm_kib=(-?\d+)", line)
        if m:
            label = {"created": "after the seven windows are created", "startup": "after start-up (main window shown)",
                     "all_entries": "after showing all 152 entries",
                     "all_windows": "after opening every window",
                     "type_chart": "after opening the type chart (created on first use)",
                     "moves_window": "after opening the moves window (created on first use)",
                     "where_window": "after opening the \"where to find\" window (created on first use)",
                     "damage_window": "after opening the damage calculator (created on first use)"}[m.group(1)]
            rows.append(("memory tour, offscreen, " + label, "fauneta forms",
                         "RSS %.1f MiB, peak %.1f MiB" % (int(m.group(2)) / 1024, int(m.group(3)) / 1024)))

    # 3b. a window's first opening, menu item to painted: the type chart and
    # the moves window (created then) beside the TM/HM list (created at
    # start-up), in turn, one process per opening.
    firsts = {"tmhm": [], "tmhm-new": [], "tipos": [], "golpes": [], "onde": [], "dano": []}
    for _ in range(a.runs):
        for which in firsts:
            r = subprocess.run([os.path.join(out, "bench_showentry"), "--first-open", which], env=off,
                               capture_output=True, text=True)
            m = re.search(r"first_open \S+ us=(\d+) cpu_us=(\d+)", r.stdout)
            if m:
                firsts[which].append((int(m.group(1)) / 1000, int(m.group(2)) / 1000))
    if all(firsts.values()):
        labels = {"tmhm": "TM/HM list (created at start-up)", "tmhm-new": "TM/HM list created then opened",
                  "tipos": "type chart (created then opened)", "golpes": "moves window (created then opened)",
                  "onde": "\"where to find\" window (created then opened)",
                  "dano": "damage calculator (created then opened)"}
        for which, label in labels.items():
            rows.append(("first opening, menu item to painted, offscreen (wall): " + label, "fauneta forms",
                         fmt_ms([w for w, _ in firsts[which]])))
            rows.append(("first opening, menu item to painted, offscreen (CPU): " + label, "fauneta forms",
                         fmt_ms([c for _, c in firsts[which]])))
        def med(which, k):
            return statistics.median(v[k] for v in firsts[which])
        pairs = [(new, base) for new in ("tipos", "golpes", "dano") for base in ("tmhm", "tmhm-new")]
        for new, base in pairs + [("onde", "golpes"), ("dano", "golpes")]:
            rows.append(("first opening: %s / %s (medians of %d)" % (labels[new], labels[base], len(firsts[new])),
                         "fauneta forms", "%.2f× wall, %.2f× CPU" % (med(new, 0) / med(base, 0),
                                                                   med(new, 1) / med(base, 1))))

    # 4. ShowEntry, the moves window's filter and sort
    b = gbench(os.path.join(out, "bench_showentry"), reps, off)
    for name in ("ShowEntry/all_rows_in_turn", "ShowEntry+repaint/all_rows_in_turn", "MovesFilter/one_keystroke",
                 "MovesSort/165_rows/0", "MovesSort+repaint/165_rows/1",
                 "MovesSort/165_rows_qt_peer/0", "MovesSort+repaint/165_rows_qt_peer/1",
                 "Onde/each_creature", "Onde/each_place"):
        med, sd = aggregate(b, name, "median"), aggregate(b, name, "stddev")
        rows.append((name + " (median of %d repetitions; CPU time)" % a.reps,
                     "Qt's sortable table" if "qt_peer" in name else "fauneta",
                     "%.1f µs (real %.1f µs, stddev %.1f µs)" % (med["cpu_time"], med["real_time"], sd["cpu_time"])))
    print("(ShowEntry done, load %s)" % loadavg(), file=sys.stderr, flush=True)

    # 5. decoding: ours vs giflib vs Qt
    b = gbench(os.path.join(a.build, "bench", "bench_gif_decode") if os.path.exists(
        os.path.join(a.build, "bench", "bench_gif_decode")) else os.path.join(out, "bench_gif_decode"), reps, off)
    for r in b:
        if r.get("aggregate_name") != "median":
            continue
        mbs = r.get("bytes_per_second", 0) / 1e6
        # "Ours/RGBA/harvesters": decoder/output/file; a benchmark of its own
        # ("Ours/SizeBombs") is named by its last part.
        parts = r["run_name"].split("/", 2)
        rows.append(("decode " + parts[-1], "/".join(parts[:-1]) if len(parts) > 1 else parts[0],
                     "%.2f ms CPU, %.1f MB/s, %.1f MP/s" % (r["cpu_time"], mbs, r.get("MP/s", 0))))
    print("(decode done, load %s)" % loadavg(), file=sys.stderr, flush=True)

    # 6. the picture control: CPU animating vs idle (a window with six controls)
    gi = os.path.join(a.build, "bench", "bench_gifimage")
    if not os.path.exists(gi):
        gi = os.path.join(out, "bench_gifimage")
    b = gbench(gi, ["--benchmark_filter=cpu/"], off)
    for r in b:
        rows.append(("picture control CPU, " + r["name"].split("/")[1].split("/")[0] + " (3 × 1 s)", "bench_gifimage",
                     "%.2f ms CPU per s, %.1f wake-ups per s" % (r["cpu_ms_per_s"], r["wakeups_per_s"])))

    print_table(rows)


def print_table(rows):
    print("| measurement | program | result |")
    print("|---|---|---|")
    for what, who, val in rows:
        print("| %s | %s | %s |" % (what, who, val))
    print("\n- load average at end (1/5/15 min): %s" % loadavg())
    print("- finished: %s" % time.strftime("%Y-%m-%d %H:%M:%S %Z"))


if __name__ == "__main__":
    main()
