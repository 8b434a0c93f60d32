#!/usr/bin/env bash
# Builds every fuzz target present and runs each from its corpus kept in the
# repository, for a bounded time:
#   fuzz/run_all.sh [seconds-per-target] [build-folder]   build (incremental), then run
#   fuzz/run_all.sh --build-only [build-folder]           build only
# Targets: fuzz_gif (fuzz/gif), fuzz_definition (fuzz/definition) and
# fuzz_compose (fuzz/compose), each when its folder exists. A target's folder
# holds corpus/, an optional *.dict and an optional options file (libFuzzer
# flags, one per line). The kept corpus is only read: new inputs go to
# <build>/fuzz-work/<target>/new, findings to <build>/fuzz-work/<target>/findings.
# Exit status: 0 when no target found anything.
set -euo pipefail
cd "$(dirname "$0")/.."

build_only=0
if [ "${1:-}" = --build-only ]; then
  build_only=1
  shift
else
  secs=${1:-50}
  shift || true
fi
build=${1:-build-fuzz}

names=()
for dir in gif definition compose; do
  [ -d "fuzz/$dir" ] && names+=("$dir")
done

if [ ! -f "$build/build.ninja" ]; then
  CC=clang-14 CXX=clang++-14 cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DFAUNETA_BUILD_FUZZ=ON -DFAUNETA_BUILD_TESTS=OFF -DFAUNETA_BUILD_BENCH=OFF >/dev/null
fi
targets=()
for n in "${names[@]}"; do targets+=("fuzz_$n"); done
cmake --build "$build" --target "${targets[@]}" -j"$(nproc)"
[ "$build_only" = 1 ] && exit 0

status=0
for n in "${names[@]}"; do
  dir=fuzz/$n
  work=$build/fuzz-work/fuzz_$n
  rm -rf "$work/new"
  mkdir -p "$work/new" "$work/findings" "$dir/corpus"
  flags=(-max_total_time="$secs" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1
         -artifact_prefix="$work/findings/")
  for d in "$dir"/*.dict; do [ -f "$d" ] && flags+=(-dict="$d"); done
  if [ -f "$dir/options" ]; then
    while read -r opt; do
      case "$opt" in ''|'#'*) ;; *) flags+=("$opt") ;; esac
    done < "$dir/options"
  fi
  printf '\n--- fuzz_%s, %s s from %s\n' "$n" "$secs" "$dir/corpus"
  if ! "$build/out/fuzz_$n" "${flags[@]}" "$work/new" "$dir/corpus" > "$work/log" 2>&1; then
    status=1
    echo "fuzz_$n FOUND A FAULT: $(ls "$work/findings")"
    grep -E 'ERROR|SUMMARY|fuzz|gif decoder|definition text' "$work/log" | head -20 || true
  fi
  grep -E '(INITED|DONE) +cov:|^stat::(number_of_executed_units|average_exec_per_sec)' "$work/log" || true
done
exit "$status"
