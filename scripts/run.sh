#!/usr/bin/env bash
# Builds a release build of the game and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh g++ make cmake qt6-base-dev qt6-translations-l10n fonts-liberation
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build -j"$(nproc)" --target vindro-grizzet grizzet-check grizzet-convert
exec build/app/vindro-grizzet
