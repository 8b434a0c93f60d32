#!/usr/bin/env bash
# The soak, on demand: the real windows for ten minutes under AddressSanitizer,
# LeakSanitizer and UndefinedBehaviorSanitizer, the About window's mascot at its
# highest speed while 10,000 entries are shown by list clicks and keys; prints
# resident memory and the live heap every 10 s and how far they moved after
# the warm-up (the live heap is judged under the sanitizers, resident memory in
# a plain build: see tests/soak/Soak.cpp).
#
#   tools/soak.sh [build-dir] [-- extra fauneta_soak options]
#
# build-dir defaults to build-asan, configured here as the CI's sanitizer pass
# configures it when it does not exist yet; "tools/soak.sh build" runs the
# plain build. Pictures come from build/out when
# that holds them, else from the sanitizer build's own. Runs niced. The output
# is also kept in <build-dir>/soak.log. Exit status: 0 when the run passed and
# the sanitizers reported nothing.
set -euo pipefail
cd "$(dirname "$0")/.."

build=build-asan
if [[ $# -gt 0 && $1 != -- ]]; then
  build=$1
  shift
fi
[[ ${1:-} == -- ]] && shift

if [[ ! -f $build/CMakeCache.txt ]]; then
  cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS_DEBUG="-O1 -g1" \
    -DFAUNETA_SANITIZE=address,undefined -DFAUNETA_BUILD_BENCH=OFF
fi
nice cmake --build "$build" -j2 --target fauneta_soak

folder=build/out
if [[ ! -f $folder/Imagens/025.gif || ! -f $folder/Dados/3.bmp ]]; then
  nice cmake --build "$build" -j2 --target fauneta_artwork
  folder=$build/out
fi

export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1:detect_stack_use_after_return=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
export LSAN_OPTIONS=suppressions=$PWD/tests/support/lsan.supp:print_suppressions=0
export QT_QPA_PLATFORM=offscreen
set +e
nice "$build/tests/fauneta_soak" --folder "$folder" "$@" 2>&1 | tee "$build/soak.log"
status=${PIPESTATUS[0]}
set -e
echo "exit status $status (sanitizer reports, if any, are above)"
exit "$status"
