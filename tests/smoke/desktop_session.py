"""A private desktop for black-box tests: an Xvfb server on a free display
(Session) or a headless Weston compositor (WaylandSession), a D-Bus session
bus and the accessibility (AT-SPI) bus, and helpers to drive it with real X
input (xdotool), to read the screen's pixels, and to start accessibility
actions without waiting for their answer (AccessibilityBus).

Everything started here runs in process groups of its own and is ended by
close(), whatever happened in between.
"""

import glob
import importlib.util
import mmap
import os
import shutil
import signal
import struct
import subprocess
import tempfile
import time

SKIP = 77  # ctest SKIP_RETURN_CODE

AT_SPI_LAUNCHERS = (
    "/usr/libexec/at-spi-bus-launcher",
    "/usr/lib/at-spi2-core/at-spi-bus-launcher",
    "/usr/lib/x86_64-linux-gnu/at-spi-bus-launcher",
)


class Skip(Exception):
    """The machine lacks something the test needs; not a failure."""


class Failure(AssertionError):
    pass


def find_bus_launcher():
    for p in AT_SPI_LAUNCHERS:
        if os.access(p, os.X_OK):
            return p
    return None


def check_prerequisites():
    missing = [t for t in ("Xvfb", "xdotool", "dbus-daemon") if shutil.which(t) is None]
    if find_bus_launcher() is None:
        missing.append("at-spi-bus-launcher (at-spi2-core)")
    if importlib.util.find_spec("pyatspi") is None:
        missing.append("pyatspi (python3-pyatspi)")
    if missing:
        raise Skip("missing: " + ", ".join(missing))


# The fonts the program draws with, which its package depends on: without
# them its labels are cut and the walk would fail far from the cause.
PROGRAM_FONTS = (
    ("Liberation Sans", "fonts-liberation", "LiberationSans-Regular.ttf"),
    ("DejaVu Sans", "fonts-dejavu-core", "DejaVuSans.ttf"),
)


def missing_program_fonts():
    """The program's fonts that no font folder holds, as 'family (package)'."""
    roots = ["/usr/share/fonts", "/usr/local/share/fonts", os.path.expanduser("~/.local/share/fonts")]
    return [f"{family} ({package})" for family, package, file in PROGRAM_FONTS
            if not any(glob.glob(os.path.join(r, "**", file), recursive=True) for r in roots)]


def weston_backend():
    """Weston's headless back-end, if installed."""
    hits = glob.glob("/usr/lib/*/libweston-*/headless-backend.so") + \
        glob.glob("/usr/lib/libweston-*/headless-backend.so")
    return hits[0] if hits else None


def qt_wayland_plugin():
    hits = glob.glob("/usr/lib/*/qt6/plugins/platforms/libqwayland-generic.so") + \
        glob.glob("/usr/lib/qt6/plugins/platforms/libqwayland-generic.so")
    return hits[0] if hits else None


def check_wayland_prerequisites():
    missing = [t for t in ("weston", "dbus-daemon") if shutil.which(t) is None]
    if shutil.which("weston") and weston_backend() is None:
        missing.append("weston's headless back-end")
    if qt_wayland_plugin() is None:
        missing.append("Qt's Wayland platform (qt6-wayland)")
    if find_bus_launcher() is None:
        missing.append("at-spi-bus-launcher (at-spi2-core)")
    if importlib.util.find_spec("pyatspi") is None:
        missing.append("pyatspi (python3-pyatspi)")
    if missing:
        raise Skip("missing: " + ", ".join(missing))


def wait_until(predicate, timeout, what, interval=0.05, pump=None):
    """Polls predicate() until it returns something true, for at most timeout
    seconds; returns that value or raises Failure naming what was awaited."""
    deadline = time.monotonic() + timeout
    last_error = None
    while True:
        if pump:
            pump()
        try:
            value = predicate()
            if value:
                return value
        except Failure:
            raise
        except Exception as e:  # a widget vanishing while we look at it
            last_error = e
        if time.monotonic() >= deadline:
            detail = f" (last error: {last_error!r})" if last_error else ""
            raise Failure(f"timed out after {timeout:.1f} s waiting for {what}{detail}")
        time.sleep(interval)


class Framebuffer:
    """The Xvfb screen as the XWD file Xvfb keeps mapped in -fbdir."""

    def __init__(self, path):
        self.path = path

    def pixels(self, x, y, w, h):
        """The RGB values of a rectangle of the screen, row by row."""
        with open(self.path, "rb") as f, mmap.mmap(f.fileno(), 0, access=mmap.ACCESS_READ) as m:
            hdr = struct.unpack(">25I", m[:100])
            header_size, byte_order, bpp, bpl = hdr[0], hdr[7], hdr[11], hdr[12]
            width, height, ncolors = hdr[4], hdr[5], hdr[19]
            if bpp != 32:
                raise Failure(f"unexpected framebuffer depth {bpp}")
            base = header_size + ncolors * 12
            fmt = "<I" if byte_order == 0 else ">I"
            out = []
            for yy in range(max(0, y), min(height, y + h)):
                row = []
                for xx in range(max(0, x), min(width, x + w)):
                    (p,) = struct.unpack_from(fmt, m, base + yy * bpl + xx * 4)
                    row.append(((p >> 16) & 255, (p >> 8) & 255, p & 255))
                out.append(row)
            return out

    def size(self):
        with open(self.path, "rb") as f:
            hdr = struct.unpack(">25I", f.read(100))
        return hdr[4], hdr[5]

    def save_png(self, path):
        """The whole screen as an RGB PNG (to look at after a failure)."""
        import zlib

        w, h = self.size()
        raw = b"".join(b"\0" + bytes(c for p in row for c in p) for row in self.pixels(0, 0, w, h))

        def chunk(kind, data):
            return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data))

        with open(path, "wb") as f:
            f.write(b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", struct.pack(">IIBBBBB", w, h, 8, 2, 0, 0, 0))
                    + chunk(b"IDAT", zlib.compress(raw, 6)) + chunk(b"IEND", b""))

    def colours(self, x, y, w, h):
        return {p for row in self.pixels(x, y, w, h) for p in row}


class Session:
    def __init__(self, width=1024, height=768):
        check_prerequisites()
        self.tmp = tempfile.mkdtemp(prefix="fauneta-smoke-")
        self.groups = []  # process groups we started, newest last
        self.env = dict(os.environ)
        for k in ("QT_QPA_PLATFORM", "WAYLAND_DISPLAY", "AT_SPI_BUS_ADDRESS", "SESSION_MANAGER"):
            self.env.pop(k, None)
        self.env["XDG_RUNTIME_DIR"] = self._mkdir("runtime", 0o700)
        self.env["HOME"] = self._mkdir("home", 0o700)
        self.env["XDG_CONFIG_HOME"] = self._mkdir("home/.config", 0o700)
        try:
            self._start_x_answering(width, height)
            self._start_dbus()
            self._start_atspi()
        except BaseException:
            self.close()
            raise

    def _mkdir(self, name, mode):
        p = os.path.join(self.tmp, name)
        os.makedirs(p, mode=mode, exist_ok=True)
        return p

    def _spawn(self, argv, **kw):
        p = subprocess.Popen(argv, env=self.env, start_new_session=True, **kw)
        self.groups.append(p)
        return p

    def _read_line(self, fd, timeout, what):
        """One line from a pipe, waiting at most timeout seconds."""
        import select

        buf = b""
        deadline = time.monotonic() + timeout
        while b"\n" not in buf:
            left = deadline - time.monotonic()
            if left <= 0 or not select.select([fd], [], [], left)[0]:
                raise Failure(f"timed out waiting for {what}")
            chunk = os.read(fd, 256)
            if not chunk:
                raise Failure(f"{what}: the process ended before answering")
            buf += chunk
        return buf.split(b"\n", 1)[0].decode().strip()

    def _start_x(self, width, height):
        fbdir = self._mkdir("fb", 0o700)
        r, w = os.pipe()
        # -displayfd: the server picks a free display itself and says which.
        self.xvfb = self._spawn(
            ["Xvfb", "-displayfd", str(w), "-screen", "0", f"{width}x{height}x24",
             "-nolisten", "tcp", "-fbdir", fbdir, "-noreset"],
            pass_fds=(w,), stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        os.close(w)
        try:
            display = self._read_line(r, 20, "Xvfb to choose a display")
        finally:
            os.close(r)
        self.env["DISPLAY"] = ":" + display
        self.framebuffer = Framebuffer(os.path.join(fbdir, "Xvfb_screen0"))

    def _display_answers(self):
        for _ in range(40):
            if self.xvfb.poll() is not None:
                return False
            probe = subprocess.run(["xdotool", "getdisplaygeometry"], env=self.env,
                                   stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
            if probe.returncode == 0:
                return True
            time.sleep(0.05)
        return False

    def _start_x_answering(self, width, height):
        # A server that is just shutting down elsewhere can still hold the
        # number a new one reports; such a display never answers, so start
        # another server.
        for _ in range(3):
            self._start_x(width, height)
            if self._display_answers():
                return
            self.xvfb.kill()
            self.xvfb.wait()
        raise RuntimeError("Xvfb started but its display never answered")

    def _start_dbus(self):
        r, w = os.pipe()
        self.dbus = self._spawn(
            ["dbus-daemon", "--session", "--nofork", "--nopidfile", f"--print-address={w}"],
            pass_fds=(w,), stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        os.close(w)
        try:
            self.env["DBUS_SESSION_BUS_ADDRESS"] = self._read_line(r, 20, "the D-Bus session bus")
        finally:
            os.close(r)

    def _start_atspi(self):
        self.atspi = self._spawn(
            [find_bus_launcher(), "--launch-immediately"],
            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        # The launcher owns org.a11y.Bus once the accessibility bus is up.
        def bus_ready():
            out = subprocess.run(
                ["dbus-send", "--session", "--print-reply", "--dest=org.a11y.Bus",
                 "/org/a11y/bus", "org.a11y.Bus.GetAddress"],
                env=self.env, capture_output=True, text=True, timeout=5)
            return out.returncode == 0 and "unix:" in out.stdout
        if shutil.which("dbus-send"):
            wait_until(bus_ready, 20, "the accessibility bus")

    def export(self):
        """Points this process (and libatspi in it) at the private desktop."""
        for k in ("DISPLAY", "DBUS_SESSION_BUS_ADDRESS", "XDG_RUNTIME_DIR"):
            os.environ[k] = self.env[k]
        os.environ.pop("AT_SPI_BUS_ADDRESS", None)

    def start(self, argv, extra_env=None):
        env = dict(self.env)
        env.update(extra_env or {})
        # Output goes to a file: a pipe nobody reads could stall the program.
        log = open(os.path.join(self.tmp, f"output-{len(self.groups)}.log"), "w+b")
        p = subprocess.Popen(argv, env=env, start_new_session=True,
                             stdout=log, stderr=subprocess.STDOUT)
        p.log = log
        self.groups.append(p)
        return p

    @staticmethod
    def output(p):
        """What a started program printed so far."""
        p.log.flush()
        p.log.seek(0)
        return p.log.read().decode(errors="replace")

    def xdotool(self, *args):
        out = subprocess.run(["xdotool", *map(str, args)], env=self.env,
                             capture_output=True, text=True, timeout=20)
        if out.returncode != 0:
            raise Failure(f"xdotool {' '.join(map(str, args))}: {out.stderr.strip()}")
        return out.stdout.strip()

    def click(self, x, y, button=1):
        self.xdotool("mousemove", "--sync", x, y)
        self.xdotool("click", button)

    def key(self, *keys):
        self.xdotool("key", "--clearmodifiers", *keys)

    def type(self, text):
        self.xdotool("type", "--delay", 30, text)

    def close_box(self, window_id):
        """What a window manager sends when the user clicks a window's close
        box (or presses Alt+F4): WM_DELETE_WINDOW, through Xlib itself, since
        no window manager runs here."""
        import ctypes
        import ctypes.util

        class ClientMessage(ctypes.Structure):
            _fields_ = [("type", ctypes.c_int), ("serial", ctypes.c_ulong), ("send_event", ctypes.c_int),
                        ("display", ctypes.c_void_p), ("window", ctypes.c_ulong),
                        ("message_type", ctypes.c_ulong), ("format", ctypes.c_int),
                        ("data", ctypes.c_long * 5)]

        class XEvent(ctypes.Union):
            _fields_ = [("xclient", ClientMessage), ("pad", ctypes.c_long * 24)]

        name = ctypes.util.find_library("X11")
        if not name:
            raise Skip("no libX11 to send a close request with")
        x = ctypes.CDLL(name)
        x.XOpenDisplay.restype = ctypes.c_void_p
        x.XOpenDisplay.argtypes = [ctypes.c_char_p]
        x.XInternAtom.restype = ctypes.c_ulong
        x.XInternAtom.argtypes = [ctypes.c_void_p, ctypes.c_char_p, ctypes.c_int]
        x.XSendEvent.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int, ctypes.c_long,
                                 ctypes.POINTER(XEvent)]
        x.XFlush.argtypes = [ctypes.c_void_p]
        x.XCloseDisplay.argtypes = [ctypes.c_void_p]
        dpy = x.XOpenDisplay(self.env["DISPLAY"].encode())
        if not dpy:
            raise Failure("cannot open the X display to send a close request")
        try:
            ev = XEvent()
            ev.xclient.type = 33  # ClientMessage
            ev.xclient.window = int(window_id)
            ev.xclient.message_type = x.XInternAtom(dpy, b"WM_PROTOCOLS", 0)
            ev.xclient.format = 32
            ev.xclient.data[0] = x.XInternAtom(dpy, b"WM_DELETE_WINDOW", 0)
            ev.xclient.data[1] = 0  # CurrentTime
            if not x.XSendEvent(dpy, int(window_id), 0, 0, ctypes.byref(ev)):
                raise Failure("the X server refused the close request")
            x.XFlush(dpy)
        finally:
            x.XCloseDisplay(dpy)

    def close(self):
        """Ends every process group we started, newest first: TERM, then KILL."""
        for p in reversed(self.groups):
            if p.poll() is None:
                try:
                    os.killpg(p.pid, signal.SIGTERM)
                except ProcessLookupError:
                    pass
        deadline = time.monotonic() + 5
        for p in reversed(self.groups):
            try:
                p.wait(timeout=max(0.1, deadline - time.monotonic()))
            except subprocess.TimeoutExpired:
                pass
            # Whatever the leader spawned into its group goes too.
            try:
                os.killpg(p.pid, signal.SIGKILL)
            except (ProcessLookupError, PermissionError):
                pass
            try:
                p.wait(timeout=2)
            except subprocess.TimeoutExpired:
                pass
            if getattr(p, "log", None):
                p.log.close()
        self.groups.clear()
        shutil.rmtree(self.tmp, ignore_errors=True)


class WaylandSession(Session):
    """The same private desktop with a headless Weston in place of Xvfb: no X
    server at all, so a program can only show itself natively on Wayland.
    Weston renders with pixman, so its screenshot support (allowed by
    --debug) can grab the screen. There is no input device: the program is
    driven through AT-SPI actions only."""

    SOCKET = "wayland-fauneta"

    def __init__(self, width=1024, height=768, scale=1):
        check_wayland_prerequisites()
        self.tmp = tempfile.mkdtemp(prefix="fauneta-wayland-")
        self.groups = []
        self.env = dict(os.environ)
        for k in ("DISPLAY", "QT_QPA_PLATFORM", "WAYLAND_DISPLAY", "AT_SPI_BUS_ADDRESS", "SESSION_MANAGER",
                  "QT_SCALE_FACTOR", "QT_SCREEN_SCALE_FACTORS"):
            self.env.pop(k, None)
        self.env["XDG_RUNTIME_DIR"] = self._mkdir("runtime", 0o700)
        self.env["HOME"] = self._mkdir("home", 0o700)
        self.env["XDG_CONFIG_HOME"] = self._mkdir("home/.config", 0o700)
        try:
            self._start_weston(width, height, scale)
            self._start_dbus()
            self._start_atspi()
        except BaseException:
            self.close()
            raise

    def _start_weston(self, width, height, scale):
        self.weston_log = os.path.join(self.tmp, "weston.log")
        with open(self.weston_log, "wb") as log:
            self.weston = self._spawn(
                ["weston", "--backend=headless-backend.so", f"--socket={self.SOCKET}", "--idle-time=0",
                 "--use-pixman", f"--width={width}", f"--height={height}", f"--scale={scale}",
                 "--debug", "--no-config"],
                stdout=log, stderr=subprocess.STDOUT)
        socket = os.path.join(self.env["XDG_RUNTIME_DIR"], self.SOCKET)
        def up():
            if self.weston.poll() is not None:
                with open(self.weston_log, errors="replace") as f:
                    raise Failure(f"weston ended ({self.weston.returncode}):\n{f.read()[-2000:]}")
            return os.path.exists(socket)
        wait_until(up, 20, "weston's socket")
        self.env["WAYLAND_DISPLAY"] = self.SOCKET
        self.framebuffer = None  # no X screen to read; screenshot() grabs through weston

    def export(self):
        for k in ("WAYLAND_DISPLAY", "DBUS_SESSION_BUS_ADDRESS", "XDG_RUNTIME_DIR"):
            os.environ[k] = self.env[k]
        for k in ("DISPLAY", "AT_SPI_BUS_ADDRESS"):
            os.environ.pop(k, None)

    def screenshot(self, path):
        """The whole output as a PNG, through weston's screenshooter."""
        where = tempfile.mkdtemp(dir=self.tmp)
        out = subprocess.run(["weston-screenshooter"], env=self.env, cwd=where, capture_output=True,
                             text=True, timeout=20)
        shots = glob.glob(os.path.join(where, "*.png"))
        if out.returncode != 0 or len(shots) != 1:
            raise Failure(f"weston-screenshooter: {out.returncode} {out.stderr.strip()}")
        shutil.move(shots[0], path)

    def xdotool(self, *args):
        raise Failure("no X input under Wayland: drive the program through AT-SPI actions")


class PendingAction:
    """An AT-SPI action sent without waiting: an action that opens a modal
    window answers only when that window has closed."""

    def __init__(self, what):
        self.what = what
        self.done = False
        self.result = None
        self.error = None

    def finished(self, conn, res):
        try:
            self.result = conn.call_finish(res).unpack()[0]
        except Exception as e:  # GLib.Error: the program went away, or refused
            self.error = e
        self.done = True


class AccessibilityBus:
    """A connection of our own to the accessibility bus, for calls that must
    not block the test: the replies arrive while the GLib main context is
    iterated (the smoke test's pump)."""

    def __init__(self):
        from gi.repository import Gio, GLib

        self.Gio, self.GLib = Gio, GLib
        session = Gio.bus_get_sync(Gio.BusType.SESSION, None)
        reply = session.call_sync("org.a11y.Bus", "/org/a11y/bus", "org.a11y.Bus", "GetAddress", None,
                                  GLib.VariantType("(s)"), Gio.DBusCallFlags.NONE, 5000, None)
        flags = Gio.DBusConnectionFlags.AUTHENTICATION_CLIENT | Gio.DBusConnectionFlags.MESSAGE_BUS_CONNECTION
        self.conn = Gio.DBusConnection.new_for_address_sync(reply.unpack()[0], flags, None, None)

    def do_action(self, acc, index=0, timeout=600):
        """Starts action index of acc; returns a PendingAction."""
        pending = PendingAction(f"action {index} of {acc.name!r}")
        self.conn.call(acc.app.bus_name, acc.path, "org.a11y.atspi.Action", "DoAction",
                       self.GLib.Variant("(i)", (index,)), self.GLib.VariantType("(b)"),
                       self.Gio.DBusCallFlags.NONE, int(timeout * 1000), None, pending.finished)
        return pending

    def close(self):
        self.conn.close_sync(None)
