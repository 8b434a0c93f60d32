#!/usr/bin/env python3
"""Fails a test run in which a test was skipped that tests/skips.txt does not
allow, and lists every skipped test with its reason.

    check_skips.py --allowed tests/skips.txt REPORT.xml [REPORT.xml ...]

A report is ctest's (--output-junit) or a test program's (--gtest_output=xml).
A report that is missing or holds no test fails too: a stage that ran
nothing has not passed.
"""
import argparse
import fnmatch
import sys
import xml.etree.ElementTree as ET


def read_allowed(path):
    allowed = []
    with open(path, encoding="utf-8") as f:
        for line in f:
            line = line.rstrip("\n")
            if not line.strip() or line.lstrip().startswith("#"):
                continue
            name, _, reason = line.partition("\t")
            if not reason.strip():
                raise SystemExit(f"{path}: no reason given for {name!r} (name, a tab, then why)")
            allowed.append((name.strip(), reason.strip()))
    return allowed


def reason_of(case):
    """The test's own words for the skip: a script's "SKIP: ..." line, the
    line after gtest's "Skipped", a test program's skip message, or the last
    line it printed (ctest's own message only names its rule)."""
    out = case.findtext("system-out") or ""
    lines = [ln.strip() for ln in out.splitlines() if ln.strip()]
    for ln in lines:
        if ln.startswith("SKIP:"):
            return ln[5:].strip()
    for i, ln in enumerate(lines):
        if ln.endswith("Skipped") and i + 1 < len(lines):
            return lines[i + 1]
    skipped = case.find("skipped")
    message = (skipped.get("message") or "").strip() if skipped is not None else ""
    if message and not message.startswith("SKIP_"):
        return message.splitlines()[-1]
    return lines[-1] if lines else message or "(it said nothing)"


def skipped_cases(path):
    """(test name, reason) for every skipped test of one report, and how many
    tests it holds."""
    root = ET.parse(path).getroot()
    cases = list(root.iter("testcase"))
    found = []
    for case in cases:
        name = case.get("name", "")
        # A test program's report names the suite apart; ctest's names the
        # test as it was registered (Suite.Test for the discovered ones).
        suite = case.get("classname", "")
        if case.get("result") is not None and suite and "." not in name:
            name = f"{suite}.{name}"
        if case.get("status") in ("skipped", "notrun", "disabled") or case.get("result") == "skipped" \
                or case.find("skipped") is not None:
            found.append((name, reason_of(case)))
    return found, len(cases)


def main():
    ap = argparse.ArgumentParser()
    ap.add_argument("--allowed", required=True)
    ap.add_argument("reports", nargs="+")
    a = ap.parse_args()
    allowed = read_allowed(a.allowed)

    expected, unexpected, empty = [], [], []
    for report in a.reports:
        try:
            found, count = skipped_cases(report)
        except (OSError, ET.ParseError) as e:
            empty.append(f"{report}: {e}")
            continue
        if count == 0:
            empty.append(f"{report}: no test in it")
        for name, reason in found:
            why = next((r for pattern, r in allowed if fnmatch.fnmatchcase(name, pattern)), None)
            if why:
                expected.append((name, f"{why} (it said: {reason})"))
            else:
                unexpected.append((name, reason))

    print(f"\n{len(expected) + len(unexpected)} skipped test(s), {len(unexpected)} unexpected")
    for name, why in expected:
        print(f"  skipped on purpose: {name}: {why}")
    for name, why in unexpected:
        print(f"  UNEXPECTED SKIP: {name}: {why}")
    for what in empty:
        print(f"  NO RESULTS: {what}")
    if unexpected:
        print(f"A skip not listed in {a.allowed} means something this run needs is missing; install it "
              "(tools/setup.sh test does) or, if the test may not run here on purpose, list it there with why.")
    return 1 if unexpected or empty else 0


if __name__ == "__main__":
    sys.exit(main())
