#!/usr/bin/env bash
# Builds the GIF fuzzer with clang 14, seeds it, and runs it.
#   fuzz/gif/run.sh [seconds] [build-folder]
# Seeds: the corpus the differential test generates, every .gif in the project
# and the benchmark files when present. Findings land in <build>/fuzz-gif/crashes.
set -euo pipefail
cd "$(dirname "$0")/../.."
secs=${1:-1800}
build=${2:-build-fuzz}
CC=clang-14 CXX=clang++-14 cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DFAUNETA_BUILD_FUZZ=ON -DFAUNETA_BUILD_TESTS=ON -DFAUNETA_BUILD_BENCH=OFF >/dev/null
cmake --build "$build" --target fuzz_gif test_gif_differential -j2
work="$build/fuzz-gif"
mkdir -p "$work/corpus" "$work/seeds" "$work/crashes"
FAUNETA_GIF_CORPUS="$work/seeds" "$build/tests/test_gif_differential" >/dev/null
find . ../shared/bench-data -maxdepth 4 -name '*.gif' -size -200k -not -path "./build*" \
  -exec cp {} "$work/seeds/" \; 2>/dev/null || true
exec "$build/out/fuzz_gif" "$work/corpus" "$work/seeds" -dict=fuzz/gif/gif.dict \
  -max_total_time="$secs" -max_len=32768 -timeout=10 -rss_limit_mb=2048 \
  -artifact_prefix="$work/crashes/" -print_final_stats=1
