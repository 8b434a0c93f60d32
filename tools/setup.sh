#!/usr/bin/env bash
# Set-up on a fresh Debian 12 machine, then run the program or every test.
#   tools/setup.sh run    install what is missing, build, start Fauneta
#   tools/setup.sh test   install what is missing, build, run the whole test suite
set -euo pipefail
cd "$(dirname "$0")/.."

mode=${1:-}
case "$mode" in run|test) ;; *) echo "usage: $0 run|test" >&2; exit 2 ;; esac

# Build and run-time needs of the program, then what only the tests use.
packages=(cmake ninja-build g++ pkg-config qt6-base-dev libgl-dev fonts-liberation fonts-dejavu-core libgif-dev)
if [ "$mode" = test ]; then
  packages+=(libgtest-dev libgmock-dev libbenchmark-dev libstb-dev clang-14 libclang-rt-14-dev
             xvfb xauth xdotool python3 python3-pyatspi at-spi2-core dbus-x11
             desktop-file-utils appstream)
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

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j"$jobs"
ctest --test-dir build --output-on-failure -j"$jobs"
