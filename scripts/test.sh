#!/usr/bin/env bash
# Builds with warnings as errors and runs every test headless.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh g++ make cmake qt6-base-dev fonts-liberation \
  xvfb xauth openbox xdotool imagemagick x11-utils
export QT_QPA_PLATFORM=offscreen
cmake -S . -B build-test -DCMAKE_BUILD_TYPE=Debug -DGRIZZET_WERROR=ON >/dev/null
cmake --build build-test -j"$(nproc)"
cd build-test
ctest --output-on-failure -j"$(nproc)"
