#!/usr/bin/env python3
"""Fails when a test of the build has no time limit: a test that hangs must
fail the run within its limit, not stall it.

    check_time_limits.py CTEST BUILD_DIR
"""
import json
import subprocess
import sys


def main():
    ctest, build = sys.argv[1], sys.argv[2]
    listing = subprocess.run([ctest, "--test-dir", build, "--show-only=json-v1"], check=True, capture_output=True,
                             text=True).stdout
    tests = json.loads(listing)["tests"]
    unlimited = [t["name"] for t in tests
                 if not any(p["name"] == "TIMEOUT" and float(p["value"]) > 0 for p in t.get("properties", []))]
    print(f"{len(tests)} tests, {len(unlimited)} without a time limit")
    for name in unlimited:
        print(f"  no TIMEOUT: {name}")
    return 1 if unlimited or not tests else 0


if __name__ == "__main__":
    sys.exit(main())
