#!/usr/bin/env bash
# Builds the composer fuzzer with clang 14 and runs it from the kept corpus.
#   fuzz/compose/run.sh [seconds] [build-folder]
# New inputs land in <build>/fuzz-compose/corpus, findings in
# <build>/fuzz-compose/crashes. The kept corpus (fuzz/compose/corpus) is read,
# never written; to keep what a run found, minimised:
#   <build>/out/fuzz_compose -merge=1 fuzz/compose/corpus <build>/fuzz-compose/corpus
set -euo pipefail
cd "$(dirname "$0")/../.."
secs=${1:-600}
build=${2:-build-fuzz}
CC=clang-14 CXX=clang++-14 cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DFAUNETA_BUILD_FUZZ=ON -DFAUNETA_BUILD_TESTS=OFF -DFAUNETA_BUILD_BENCH=OFF >/dev/null
cmake --build "$build" --target fuzz_compose -j2
work="$build/fuzz-compose"
mkdir -p "$work/corpus" "$work/crashes"
exec "$build/out/fuzz_compose" "$work/corpus" fuzz/compose/corpus \
  -max_total_time="$secs" -max_len=4096 -timeout=10 -rss_limit_mb=2048 \
  -artifact_prefix="$work/crashes/" -print_final_stats=1
