#!/usr/bin/env python3
"""The program on a fresh Debian 12: a minimal root made with debootstrap
(minbase), entered with chroot in a mount namespace of its own.

  fresh_debian.py package --deb-dir <dir> --work <dir>
      installs the .deb found in <dir> into a fresh root with apt (only its
      declared dependencies come in, no recommended ones), runs
      /usr/bin/fauneta there under Xvfb to its first paint, then shows an
      entry and checks its sprite and rating bars came from the installed
      folders (the smoke test's --sprites walk, through AT-SPI).

  fresh_debian.py readme --source <repo> --work <dir> [--only run|test]
      clones the project's committed state into a fresh root with git added,
      runs the README's "tools/setup.sh run" (checked by the program reaching
      its first paint under Xvfb) and then "tools/setup.sh test", and reports
      the time of each. Long: it builds the whole project three times.

The minbase root is made once and kept as a tarball in <work> (a build
folder, never the source tree); every run starts from a fresh copy of it.
The packages come from the mirror this machine's apt already uses for
bookworm main (its sources.list, sources.list.d/*.list and *.sources), or
from FAUNETA_DEBIAN_MIRROR when set.

Exits 77 (skipped) when not root, without debootstrap/unshare/chroot, when
no apt source of the machine carries bookworm main, or when its mirror does
not answer.
"""

import argparse
import glob
import os
import shlex
import shutil
import subprocess
import sys
import tarfile
import time
import urllib.request

HERE = os.path.dirname(os.path.abspath(__file__))
SOURCE = os.path.dirname(HERE)
SKIP = 77
SUITE = "bookworm"
MIRROR = None  # host_mirror(), once the prerequisites are checked
PATH = "/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin"


class Skip(Exception):
    pass


def log(msg):
    print(f"[{time.strftime('%H:%M:%S')}] {msg}", flush=True)


def apt_sources(etc="/etc/apt"):
    """The machine's apt sources, as apt reads them: (types, uris, suites,
    components) for each one-line entry of sources.list and sources.list.d/
    *.list and each stanza of sources.list.d/*.sources that is not disabled."""
    found = []
    lists = [os.path.join(etc, "sources.list")] + sorted(glob.glob(os.path.join(etc, "sources.list.d", "*.list")))
    for path in lists:
        try:
            with open(path, errors="replace") as f:
                lines = f.read().splitlines()
        except OSError:
            continue
        for line in lines:
            words = line.split("#", 1)[0].split()
            if words and words[0] in ("deb", "deb-src") and len(words) > 1 and words[1].startswith("["):
                while len(words) > 2 and not words[1].endswith("]"):  # [ option=value ... ]
                    del words[1]
                del words[1]
            if len(words) >= 3:
                found.append(([words[0]], [words[1]], [words[2]], words[3:]))
    for path in sorted(glob.glob(os.path.join(etc, "sources.list.d", "*.sources"))):
        try:
            with open(path, errors="replace") as f:
                text = f.read()
        except OSError:
            continue
        for stanza in text.split("\n\n"):
            fields, key = {}, None
            for line in stanza.splitlines():
                if not line.strip() or line.lstrip().startswith("#"):
                    continue
                if line[0] in " \t" and key:  # a continued field
                    fields[key] += " " + line.strip()
                elif ":" in line:
                    key, value = line.split(":", 1)
                    key = key.strip().lower()
                    fields[key] = value.strip()
            if fields.get("enabled", "yes").lower() == "no":
                continue
            if all(k in fields for k in ("types", "uris", "suites")):
                found.append((fields["types"].split(), fields["uris"].split(), fields["suites"].split(),
                              fields.get("components", "").split()))
    return found


def host_mirror(etc="/etc/apt"):
    """The mirror this machine fetches bookworm main from, or None."""
    override = os.environ.get("FAUNETA_DEBIAN_MIRROR")
    if override:
        return override
    for types, uris, suites, components in apt_sources(etc):
        if "deb" in types and SUITE in suites and "main" in components:
            for uri in uris:
                if uri.split(":", 1)[0] in ("http", "https", "file"):
                    return uri.rstrip("/")
    return None


def prerequisites():
    global MIRROR
    if os.geteuid() != 0:
        raise Skip("needs root (debootstrap, chroot, mounts)")
    missing = [t for t in ("debootstrap", "unshare", "chroot", "mount") if shutil.which(t) is None]
    if missing:
        raise Skip("missing: " + ", ".join(missing))
    # Mounts private to one process: not where "/" is no mount point (a
    # chroot that did not bind its root) or mount namespaces are refused.
    probe = subprocess.run(["unshare", "--mount", "--propagation", "private", "--", "true"],
                           capture_output=True, text=True)
    if probe.returncode != 0:
        raise Skip(f"cannot make private mounts here: {probe.stderr.strip()}")
    MIRROR = host_mirror()
    if not MIRROR:
        raise Skip(f"no apt source of this machine carries {SUITE} main (/etc/apt/sources.list, sources.list.d)")
    url = f"{MIRROR}/dists/{SUITE}/Release"
    try:
        with urllib.request.urlopen(urllib.request.Request(url, method="HEAD"), timeout=10) as r:
            if r.status != 200:
                raise Skip(f"the package mirror answered {r.status} for {url}")
    except OSError as e:
        raise Skip(f"the package mirror does not answer ({url}: {e})")


def mounts_below(path):
    """Mount points at or below path, as this process sees them."""
    path = os.path.realpath(path)
    found = []
    with open("/proc/self/mountinfo") as f:
        for line in f:
            point = line.split()[4].encode().decode("unicode_escape")
            if point == path or point.startswith(path + "/"):
                found.append(point)
    return found


def remove_root(root):
    """Deletes a root that nothing is mounted in (a leaked bind mount of /tmp
    or /dev would otherwise be emptied with it)."""
    if not os.path.exists(root):
        return
    left = mounts_below(root)
    if left:
        raise RuntimeError(f"refusing to delete {root}: still mounted there: {left}")
    subprocess.run(["rm", "-rf", "--one-file-system", root], check=True)


def fresh_root(work):
    """A new minbase root in <work>/root, from the cached tarball when there
    is one; the first time debootstrap makes it and the tarball is kept."""
    root = os.path.join(work, "root")
    remove_root(root)
    tarball = os.path.join(work, f"{SUITE}-minbase.tar")
    t = time.monotonic()
    if os.path.exists(tarball):
        os.makedirs(root)
        subprocess.run(["tar", "-xpf", tarball, "-C", root, "--numeric-owner"], check=True)
        log(f"minbase root from the cached {tarball} ({time.monotonic() - t:.0f} s)")
    else:
        log(f"debootstrap --variant=minbase {SUITE} from {MIRROR}")
        out = os.path.join(work, "debootstrap.log")
        with open(out, "wb") as f:
            rc = subprocess.run(["debootstrap", "--variant=minbase", SUITE, root, MIRROR],
                                stdout=f, stderr=subprocess.STDOUT).returncode
        if rc != 0:
            with open(out, errors="replace") as f:
                tail = f.read()[-3000:]
            raise RuntimeError(f"debootstrap failed ({rc}):\n{tail}")
        run_in_root(root, ["apt-get", "clean"], out)
        partial = tarball + ".part"
        subprocess.run(["tar", "-cpf", partial, "--numeric-owner", "--one-file-system", "-C", root, "."],
                       check=True)
        os.replace(partial, tarball)
        log(f"minbase root made and cached ({time.monotonic() - t:.0f} s)")
    # Name resolution as the host has it now.
    shutil.copyfile("/etc/resolv.conf", os.path.join(root, "etc/resolv.conf"), follow_symlinks=True)
    return root


def chroot_env(extra=None):
    env = {"PATH": PATH, "HOME": "/root", "LANG": "C.UTF-8", "TERM": "dumb",
           "DEBIAN_FRONTEND": "noninteractive"}
    env.update(extra or {})
    return env


def root_command(root, argv, cwd="/"):
    """argv run as root inside root: in a mount namespace of its own, with
    /proc, /sys, /dev and the host's /tmp (the X and D-Bus sockets of the test
    desktop) mounted; the mounts end with the process. The command replaces
    every process on the way, so its pid is the one started."""
    # The root is bound onto itself first, so that inside it "/" is a mount
    # point as on a real machine (a check run in there can make its own
    # mounts private again).
    script = ('set -e; r=$1; shift; mount --bind "$r" "$r"; '
              'mount -t proc proc "$r/proc"; mount --rbind /sys "$r/sys"; '
              'mount --rbind /dev "$r/dev"; mount --rbind /tmp "$r/tmp"; '
              'exec chroot "$r" /bin/sh -c \'cd "$0" && exec "$@"\' "$@"')
    return ["unshare", "--mount", "--propagation", "private", "--", "/bin/sh", "-c", script,
            "sh", root, cwd, *argv]


def run_in_root(root, argv, logfile, env=None, cwd="/", timeout=None):
    with open(logfile, "ab") as f:
        f.write(f"\n$ {' '.join(argv)}\n".encode())
        f.flush()
        return subprocess.run(root_command(root, argv, cwd), env=chroot_env(env), stdout=f,
                              stderr=subprocess.STDOUT, timeout=timeout).returncode


def tail(path, n=4000):
    with open(path, errors="replace") as f:
        return f.read()[-n:]


def desktop_session():
    """The smoke tests' private desktop (Xvfb, D-Bus, AT-SPI), if the host has
    what it needs."""
    sys.path.insert(0, os.path.join(SOURCE, "tests", "smoke"))
    import desktop_session  # noqa: E402

    try:
        desktop_session.check_prerequisites()
    except desktop_session.Skip as e:
        raise Skip(str(e))
    return desktop_session


def first_paint(session, argv, what, timeout=120):
    """Starts argv on the test desktop with the first-paint exit asked for;
    the program must paint its main window and end by itself."""
    p = session.start(argv, {"FAUNETA_EXIT_AFTER_FIRST_PAINT": "1", "QT_QPA_PLATFORM": "xcb"})
    try:
        rc = p.wait(timeout=timeout)
    except subprocess.TimeoutExpired:
        raise RuntimeError(f"{what} did not paint its main window within {timeout} s:\n"
                           f"{session.output(p)[-3000:]}")
    out = session.output(p)
    if rc != 0 or "first_paint_monotonic_ns=" not in out:
        raise RuntimeError(f"{what} ended with {rc} before its first paint:\n{out[-3000:]}")


# ---------------------------------------------------------------- package

def check_package(a):
    debs = glob.glob(os.path.join(a.deb_dir, "*.deb"))
    if len(debs) != 1:
        raise Skip(f"no single package in {a.deb_dir} (found {debs}); was it built?")
    ds = desktop_session()
    os.makedirs(a.work, exist_ok=True)
    started = time.monotonic()
    root = fresh_root(a.work)
    logfile = os.path.join(a.work, "apt.log")
    open(logfile, "w").close()
    try:
        shutil.copy(debs[0], os.path.join(root, "root"))
        deb_in_root = "/root/" + os.path.basename(debs[0])
        t = time.monotonic()
        if run_in_root(root, ["apt-get", "update"], logfile) != 0 or \
                run_in_root(root, ["apt-get", "install", "-y", "--no-install-recommends", deb_in_root],
                            logfile) != 0:
            raise RuntimeError(f"apt could not install the package:\n{tail(logfile)}")
        log(f"apt installed {os.path.basename(debs[0])} and its dependencies "
            f"({time.monotonic() - t:.0f} s)")
        # What came in: the package's dependencies, nothing recommended.
        listing = subprocess.run(root_command(root, ["dpkg-query", "-W", "-f", "${Package}\\n"]),
                                 env=chroot_env(), capture_output=True, text=True, check=True).stdout.split()
        log(f"{len(listing)} packages in the root; qt6-wayland "
            f"{'installed' if 'qt6-wayland' in listing else 'not installed (only recommended)'}")

        program = os.path.join(a.work, "fauneta-in-root")
        with open(program, "w") as f:
            f.write("#!/bin/sh\n# The installed program, started inside the fresh root.\n"
                    "exec " + shlex.join(root_command(root, ["/usr/bin/fauneta"])) + "\n")
        os.chmod(program, 0o755)

        session = ds.Session()
        try:
            session.export()
            t = time.monotonic()
            first_paint(session, [program], "/usr/bin/fauneta in the fresh root")
            log(f"/usr/bin/fauneta painted its main window ({time.monotonic() - t:.1f} s)")
        finally:
            session.close()
        t = time.monotonic()
        rc = subprocess.run([sys.executable, os.path.join(SOURCE, "tests", "smoke", "smoke.py"),
                             "--sprites", "--exe", program], cwd=a.work).returncode
        if rc != 0:
            raise RuntimeError(f"the smoke test of the installed program failed ({rc})")
        log(f"an entry shown by the installed program has its sprite and rating bars "
            f"({time.monotonic() - t:.1f} s)")
    finally:
        remove_root(root)
    log(f"PASS in {time.monotonic() - started:.0f} s")


# ---------------------------------------------------------------- README

def check_readme(a):
    ds = desktop_session()
    if shutil.which("git") is None:
        raise Skip("missing: git")
    os.makedirs(a.work, exist_ok=True)
    started = time.monotonic()
    times = []
    root = fresh_root(a.work)
    logfile = os.path.join(a.work, "readme.log")
    open(logfile, "w").close()
    try:
        # A new user's machine: the minimal system with git, the project cloned.
        t = time.monotonic()
        if run_in_root(root, ["apt-get", "update"], logfile) != 0 or \
                run_in_root(root, ["apt-get", "install", "-y", "git"], logfile) != 0:
            raise RuntimeError(f"could not add git:\n{tail(logfile)}")
        times.append(("apt-get install git", time.monotonic() - t))
        head = subprocess.run(["git", "-C", a.source, "rev-parse", "HEAD"], capture_output=True, text=True,
                              check=True).stdout.strip()
        subprocess.run(["git", "clone", "--quiet", "--no-local", a.source, os.path.join(root, "root", "fauneta")],
                       check=True)
        subprocess.run(["git", "-C", os.path.join(root, "root", "fauneta"), "checkout", "--quiet", head],
                       check=True)
        log(f"cloned {a.source} at {head[:12]} into the root")
        if a.only in (None, "run"):
            session = ds.Session()
            try:
                session.export()
                t = time.monotonic()
                # Inside the root the environment is the clean one a user has,
                # plus the display and the first-paint exit.
                env = chroot_env({"DISPLAY": session.env["DISPLAY"], "FAUNETA_EXIT_AFTER_FIRST_PAINT": "1"})
                argv = ["env", "-i", *[f"{k}={v}" for k, v in env.items()],
                        *root_command(root, ["tools/setup.sh", "run"], cwd="/root/fauneta")]
                first_paint(session, argv, "tools/setup.sh run", timeout=a.timeout)
                times.append(("tools/setup.sh run (to the first paint)", time.monotonic() - t))
                log(f"tools/setup.sh run: the program painted its main window ({times[-1][1]:.0f} s)")
            finally:
                session.close()
        if a.only in (None, "test"):
            t = time.monotonic()
            rc = run_in_root(root, ["tools/setup.sh", "test"], logfile, cwd="/root/fauneta",
                             env={"CI": "true"}, timeout=a.timeout)
            times.append(("tools/setup.sh test", time.monotonic() - t))
            if rc != 0:
                raise RuntimeError(f"tools/setup.sh test failed ({rc}) after {times[-1][1]:.0f} s:\n"
                                   f"{tail(logfile)}")
            log(f"tools/setup.sh test passed ({times[-1][1]:.0f} s)")
    finally:
        remove_root(root)
    for what, secs in times:
        print(f"  {secs:7.0f} s  {what}")
    log(f"PASS in {time.monotonic() - started:.0f} s")


def main():
    ap = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    sub = ap.add_subparsers(dest="what", required=True)
    p = sub.add_parser("package", help="install the built .deb into a fresh root and run it")
    p.add_argument("--deb-dir", required=True)
    p.add_argument("--work", required=True, help="a folder in the build tree (the root and its cache)")
    r = sub.add_parser("readme", help="the README's two commands in a fresh root")
    r.add_argument("--source", default=SOURCE, help="the repository to clone (its committed HEAD)")
    r.add_argument("--work", required=True, help="a folder in the build tree (the root and its cache)")
    r.add_argument("--only", choices=("run", "test"))
    r.add_argument("--timeout", type=float, default=4 * 3600, help="seconds for each command")
    a = ap.parse_args()
    a.work = os.path.abspath(a.work)
    try:
        prerequisites()
        (check_package if a.what == "package" else check_readme)(a)
    except Skip as e:
        print(f"SKIP: {e}")
        return SKIP
    except Exception as e:  # noqa: BLE001 - reported, not hidden
        print(f"FAIL: {e}")
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())
