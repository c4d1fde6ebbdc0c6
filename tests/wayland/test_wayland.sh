#!/usr/bin/env bash
# The game native on Wayland: a headless weston at scale 2 (a 2560x2048
# output, 1280x1024 in logical pixels) and Qt's Wayland platform from
# qt6-wayland; tst_wayland starts the main window there, maximised, and opens
# a picture from the recent list. Skipped (77) where either is missing.
set -euo pipefail
command -v weston >/dev/null && dpkg-query -W -f='${Status}' qt6-wayland 2>/dev/null | grep -q 'ok installed' ||
  { echo "SKIP: weston or qt6-wayland is missing here"; exit 77; }
run="$(mktemp -d)"
trap 'kill %1 2>/dev/null; wait; rm -rf "$run"' EXIT
trap 'exit 129' HUP; trap 'exit 130' INT; trap 'exit 143' TERM
export XDG_RUNTIME_DIR="$run" XDG_CONFIG_HOME="$run/config" XDG_CACHE_HOME="$run/cache"
weston --backend=headless-backend.so --scale=2 --width=2560 --height=2048 --socket=grizzet --idle-time=0 \
  >"$run/weston.log" 2>&1 &
for _ in $(seq 300); do [ -S "$run/grizzet" ] && break; sleep 0.1; done
WAYLAND_DISPLAY=grizzet QT_QPA_PLATFORM=wayland "${GRIZZET_APP_DIR:?}/../tests/tst_wayland" ||
  { cat "$run/weston.log"; exit 1; }
