#!/usr/bin/env bash
# Builds with warnings as errors and runs every test headless; then one whole
# game under valgrind's memcheck; then the whole suite again, built with
# AddressSanitizer and UndefinedBehaviorSanitizer. Fails if any of them fails.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh g++ make cmake qt6-base-dev qt6-translations-l10n fonts-liberation \
  xvfb xauth openbox xdotool imagemagick x11-utils valgrind desktop-file-utils appstream weston qt6-wayland
export QT_QPA_PLATFORM=offscreen
jobs="$(nproc)"
status=0

cmake -S . -B build-test -DCMAKE_BUILD_TYPE=Debug -DGRIZZET_WERROR=ON >/dev/null
cmake --build build-test -j"$jobs"
(cd build-test && ctest --output-on-failure -j"$jobs") || status=1

scripts/memcheck.sh build-test || status=1

# -O1 and line tables only (-g1) keep the instrumented suite quick. Leaks are memcheck's part: Qt and
# fontconfig keep memory until the process ends. The X11 end-to-end test and
# the Wayland one have run in the first suite already.
cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=Debug -DGRIZZET_WERROR=ON -DGRIZZET_SANITIZE=ON \
  "-DCMAKE_CXX_FLAGS_DEBUG=-g1 -O1" >/dev/null
cmake --build build-asan -j"$jobs"
export ASAN_OPTIONS=detect_leaks=0 UBSAN_OPTIONS=print_stacktrace=1
(cd build-asan && ctest --output-on-failure -j"$jobs" -E '^test_(e2e|wayland)$') || status=1
exit "$status"
