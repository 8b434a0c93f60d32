#!/bin/sh
# The benchmark report in one command: builds what it needs, runs every
# measurement with fixed repetitions, prints one markdown table.
#   bench/report.sh [build-dir] [start-up runs] [benchmark repetitions] [report.py options...]
# e.g. only the start-up rows, with a build of another commit timed beside:
#   bench/report.sh build-bench 21 5 --startup-only --extra before=/path/to/old/fauneta
# Build type: FAUNETA_BENCH_BUILD_TYPE (default Release).
set -e
src=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$src/build-bench}
runs=${2:-21}
reps=${3:-5}
[ $# -gt 3 ] && shift 3 || shift $#
cmake -S "$src" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE="${FAUNETA_BENCH_BUILD_TYPE:-Release}" >/dev/null
cmake --build "$build" -j2 --target fauneta fauneta_artwork bench_showentry bench_bare_window \
    bench_gif_decode bench_gifimage >&2
exec python3 "$src/bench/report.py" --build "$build" --runs "$runs" --reps "$reps" "$@"
