#!/usr/bin/env bash
# Set-up on a fresh Debian 12 machine, then run the program or every test.
#   tools/setup.sh run    install what is missing, build, start Fauneta
#   tools/setup.sh test   install what is missing, build, run the whole test suite
set -euo pipefail
cd "$(dirname "$0")/.."

mode=${1:-}
case "$mode" in run|test) ;; *) echo "usage: $0 run|test" >&2; exit 2 ;; esac

# Build and run-time needs of the program (qt6-wayland: native on Wayland
# desktops; qt6-translations-l10n: Qt's own texts in Portuguese), then what
# only the tests use (file: cpack's DEB generator; weston: the Wayland smoke
# test; debootstrap: the package on a fresh root; lintian: the package as
# Debian checks it; qt6-base-private-dev: the window tests give the offscreen
# platform a Linux desktop's editing keys).
packages=(cmake ninja-build g++ pkg-config qt6-base-dev libgl-dev fonts-liberation fonts-dejavu-core libgif-dev
          qt6-wayland qt6-translations-l10n)
if [ "$mode" = test ]; then
  packages+=(clang-format-14 libgtest-dev libgmock-dev libbenchmark-dev libstb-dev clang-14 libclang-rt-14-dev
             qt6-base-private-dev
             xvfb xauth xdotool python3 python3-pyatspi at-spi2-core dbus-x11
             dbus-daemon dbus-bin desktop-file-utils appstream dpkg-dev file weston debootstrap lintian)
fi

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  sudo=""; [ "$(id -u)" -eq 0 ] || sudo="sudo"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

jobs=$(nproc)
if [ "$mode" = run ]; then
  cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DFAUNETA_BUILD_TESTS=OFF -DFAUNETA_BUILD_BENCH=OFF
  cmake --build build -j"$jobs"
  exec build/out/fauneta
fi

stage() { printf '\n=== %s (%s)\n' "$1" "$(date +%T)"; }

# First, as it takes seconds: every source follows .clang-format.
stage "source format"
tools/check_format.sh

stage "build and run every test"
# The tests and benchmarks are asked for by name: "run" may have configured
# the same folder without them, and a suite of no tests must not pass.
# Release with warnings as errors: GCC warns about some code only at -O3, so
# this build is the one that keeps the whole tree warning-free.
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release -DFAUNETA_BUILD_TESTS=ON -DFAUNETA_BUILD_BENCH=ON \
  -DFAUNETA_WERROR=ON
cmake --build build -j"$jobs"
# Each ctest run writes a report; a test skipped that tests/skips.txt does not
# list fails the stage (a missing tool, font or display is never a pass).
reports=()
run_ctest() {
  local dir=$1
  reports+=("$PWD/$dir/ctest-report.xml")
  ctest --test-dir "$dir" --output-on-failure --no-tests=error -j"$jobs" --output-junit "$PWD/$dir/ctest-report.xml"
  tests/check_skips.py --allowed tests/skips.txt "$PWD/$dir/ctest-report.xml"
}
run_ctest build

# The same suite again under AddressSanitizer + UndefinedBehaviorSanitizer:
# any finding or leak fails the run. Built with CMake's default generator
# (Make), as an IDE or a packager builds: every build step must make the
# folders of its own outputs, which Ninja would otherwise hide.
stage "address and undefined-behaviour sanitizers, built with the default generator"
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1:detect_stack_use_after_return=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
export LSAN_OPTIONS=suppressions=$PWD/tests/support/lsan.supp:print_suppressions=0
if grep -qs '^CMAKE_GENERATOR:INTERNAL=Ninja$' build-asan/CMakeCache.txt; then rm -rf build-asan; fi
cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS_DEBUG="-O1 -g1" \
  -DFAUNETA_SANITIZE=address,undefined -DFAUNETA_BUILD_BENCH=OFF
cmake --build build-asan -j"$jobs"
run_ctest build-asan

# The threaded parts (interval timer, animated picture control) under ThreadSanitizer.
stage "thread sanitizer"
export TSAN_OPTIONS=halt_on_error=1:second_deadlock_stack=1
cmake -S . -B build-tsan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS_DEBUG="-O1 -g1" \
  -DCMAKE_C_COMPILER=clang-14 -DCMAKE_CXX_COMPILER=clang++-14 \
  -DFAUNETA_SANITIZE=thread -DFAUNETA_BUILD_BENCH=OFF
# Only the threaded tests are built and run: build-time tools and Qt's own
# thread pool are not instrumented and would report races that are not ours.
threaded_tests=(test_timer test_timer_qt test_timer_qt_exit test_gifimage test_gif_animation)
cmake --build build-tsan -j"$jobs" --target "${threaded_tests[@]}"
for t in "${threaded_tests[@]}"; do
  reports+=("$PWD/build-tsan/reports/$t.xml")
  QT_QPA_PLATFORM=offscreen "build-tsan/tests/$t" --gtest_brief=1 --gtest_output="xml:${reports[-1]}"
done
tests/check_skips.py --allowed tests/skips.txt "${reports[@]: -${#threaded_tests[@]}}"

# Every fuzz target (decoder, definition text, compositor), built, then run
# briefly from the corpus kept beside it: all of them within three minutes.
stage "building the fuzz targets"
fuzz/run_all.sh --build-only build-fuzz
stage "fuzzing every target from its kept corpus"
fuzz/run_all.sh "${FUZZ_SECONDS:-50}" build-fuzz
stage "skipped tests, all stages"
tests/check_skips.py --allowed tests/skips.txt "${reports[@]}"
stage "done"
