#!/usr/bin/env bash
# Builds a release build in build-bench/ and times what a player feels:
#  1. bench_game: the real windows on Qt's offscreen platform (load, painting,
#     reset, error marks, clue ticks, the solution window, the solver, memory),
#     on a 96-dpi screen, then on screens scaled by 1.5 and 2 (QT_SCALE_FACTOR)
#     with the same 1280x1024 logical pixels, so the board has the same size
#     in points and 2.25 and 4 times the device pixels;
#  2. under Xvfb and openbox, the game against the floor (bench_floor, the least
#     Qt program with a maximised window), in alternation: the time from the
#     start of the process to its first mapped window, and its peak memory.
# Usage: scripts/bench.sh [RUNS_UNDER_X] [BENCH_GAME_RUNS]   (defaults 15 and 200)
# Other work on the machine slows single runs down, and the X server and the
# window manager share the processors with the program: compare medians of
# many runs.
set -euo pipefail
cd "$(dirname "$0")/.."
x_runs="${1:-15}"
game_runs="${2:-200}"
scripts/deps.sh g++ make cmake qt6-base-dev fonts-liberation xvfb xauth openbox xdotool x11-utils
cmake -S . -B build-bench -DCMAKE_BUILD_TYPE=Release -DGRIZZET_WERROR=ON >/dev/null
cmake --build build-bench -j"$(nproc)" --target vindro-grizzet bench_game bench_solver bench_floor

for scale in 1 1.5 2; do
  echo "== In the process, offscreen 1280x1024 logical pixels at 96 dpi, scaled by $scale"
  QT_SCALE_FACTOR=$scale build-bench/bench/bench_game "$game_runs"
  echo
done

echo "== Under Xvfb and openbox: start of the process to its first mapped window"
source scripts/x11.sh
work=$(mktemp -d)
pids=()
cleanup() {
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  x11_stop
  rm -rf "$work"
}
trap cleanup EXIT

# A program folder of its own, so the build's "lang.ini" and "recent.ini" stay as they are.
mkdir "$work/app"
cp build-bench/app/vindro-grizzet build-bench/app/*.dat "$work/app/"
game="$work/app/vindro-grizzet"
floor="$(pwd)/build-bench/bench/bench_floor"

x11_start "$work/x11" || x11_fail "no X server could be started"

# Every window that appears on the screen is reported by the root window; the
# frame that openbox maps around a program's window is its first mapped window.
coproc WATCH { exec stdbuf -oL xev -root -event substructure; }
pids+=("$WATCH_PID")
drain() { while read -r -t 0.2 -u "${WATCH[0]}" _; do :; done; }
sleep 0.3
drain

# One run: prints "milliseconds-to-first-window peak-rss-kB".
measure() {
  local program="$1" start mapped line pid hwm
  start=$EPOCHREALTIME
  QT_QPA_PLATFORM=xcb "$program" >/dev/null 2>&1 &
  pid=$!
  mapped=""
  while read -r -t 20 -u "${WATCH[0]}" line; do
    if [[ $line == MapNotify* ]]; then
      mapped=$EPOCHREALTIME
      break
    fi
  done
  sleep 0.5  # let it finish painting before its memory is read
  hwm=$(awk '/^VmHWM:/ {print $2}' "/proc/$pid/status" 2>/dev/null || echo 0)
  kill "$pid" 2>/dev/null || true
  wait "$pid" 2>/dev/null || true
  drain
  if [ -z "$mapped" ]; then
    echo "no window from $program" >&2
    exit 1
  fi
  awk -v a="$start" -v b="$mapped" -v m="$hwm" 'BEGIN { printf "%.1f %d\n", (b - a) * 1000, m }'
}

measure "$game" >/dev/null  # warm-up: files and fonts into the cache
measure "$floor" >/dev/null
: >"$work/game.txt"
: >"$work/floor.txt"
for _ in $(seq "$x_runs"); do
  measure "$game" >>"$work/game.txt"
  measure "$floor" >>"$work/floor.txt"
done

# median min max of one column
stats() { cut -d' ' -f"$2" "$1" | sort -g | awk '{ v[NR] = $1 } END {
  m = NR % 2 ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2; printf "%.1f %.1f %.1f", m, v[1], v[NR] }'; }
read -r gw gw_min gw_max <<<"$(stats "$work/game.txt" 1)"
read -r fw fw_min fw_max <<<"$(stats "$work/floor.txt" 1)"
read -r gm gm_min gm_max <<<"$(stats "$work/game.txt" 2)"
read -r fm fm_min fm_max <<<"$(stats "$work/floor.txt" 2)"

awk -v runs="$x_runs" -v gw="$gw" -v gwl="$gw_min" -v gwh="$gw_max" -v fw="$fw" -v fwl="$fw_min" -v fwh="$fw_max" \
    -v gm="$gm" -v gml="$gm_min" -v gmh="$gm_max" -v fm="$fm" -v fml="$fm_min" -v fmh="$fm_max" 'BEGIN {
  printf "%-16s %5s %28s %28s\n", "program", "runs", "first window ms (med min max)", "peak RSS MB (med min max)"
  printf "%-16s %5d %10.1f %8.1f %8.1f %10.1f %8.1f %8.1f\n", "vindro-grizzet", runs, gw, gwl, gwh, gm / 1024, gml / 1024, gmh / 1024
  printf "%-16s %5d %10.1f %8.1f %8.1f %10.1f %8.1f %8.1f\n", "floor", runs, fw, fwl, fwh, fm / 1024, fml / 1024, fmh / 1024
  ratio = gw / fw; extra = (gm - fm) / 1024
  printf "first window: game / floor = %.2f (target at most 1.25: %s); fastest runs %.2f\n", ratio, ratio <= 1.25 ? "holds" : "MISSED", gwl / fwl
  printf "peak RSS: game - floor = %.1f MB (target at most 10 MB: %s)\n", extra, extra <= 10 ? "holds" : "MISSED"
  printf "{\"bench\":\"x11\",\"runs\":%d,\"game\":{\"firstWindowMs\":%s,\"minMs\":%s,\"maxMs\":%s,\"peakRssMb\":%.1f},", runs, gw, gwl, gwh, gm / 1024
  printf "\"floor\":{\"firstWindowMs\":%s,\"minMs\":%s,\"maxMs\":%s,\"peakRssMb\":%.1f},", fw, fwl, fwh, fm / 1024
  printf "\"firstWindowRatio\":%.3f,\"extraRssMb\":%.1f}\n", ratio, extra
}'
