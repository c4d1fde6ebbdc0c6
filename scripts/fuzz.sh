#!/usr/bin/env bash
# Builds the libFuzzer targets and runs each for SECONDS (default 600), all at
# once, or only the TARGETs named (netpbm, recent, lang, check, convert):
#   scripts/fuzz.sh [SECONDS] [TARGET...]
# New inputs go to build-fuzz/corpus/<target>; crashes, hangs and leaks
# to build-fuzz/artifacts/<target>. Minimise a finding with
#   build-fuzz/fuzz_<target> -minimize_crash=1 -runs=10000 <file>
# and keep it under tests/fuzz/regressions/<target>/, which every test run replays.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-600}"
shift || true
scripts/deps.sh clang libclang-rt-14-dev cmake make qt6-base-dev fonts-liberation
CC=clang CXX=clang++ cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DGRIZZET_FUZZ=ON >/dev/null
targets=("$@")
if [ ${#targets[@]} = 0 ]; then
  for source in tests/fuzz/fuzz_*.cpp; do
    name=$(basename "$source" .cpp)
    targets+=("${name#fuzz_}")
  done
fi
cmake --build build-fuzz -j"$(nproc)" --target "${targets[@]/#/fuzz_}"
export QT_QPA_PLATFORM=offscreen
pids=()
for target in "${targets[@]}"; do
  mkdir -p "build-fuzz/corpus/$target" "build-fuzz/artifacts/$target"
  cp -n tests/fuzz/corpus/"$target"/* "build-fuzz/corpus/$target/" 2>/dev/null || true
  dict=()
  words="tests/fuzz/$target.dict"
  case "$target" in check|convert) words=tests/fuzz/netpbm.dict ;; esac   # the authors' tools read Netpbm too
  [ -f "$words" ] && dict=(-dict="$words")
  "build-fuzz/fuzz_$target" "build-fuzz/corpus/$target" "${dict[@]}" \
    -max_total_time="$seconds" -max_len=16384 -timeout=10 -rss_limit_mb=2048 \
    -print_final_stats=1 -artifact_prefix="build-fuzz/artifacts/$target/" \
    > "build-fuzz/$target.log" 2>&1 &
  pids+=($!)
done
status=0
for i in "${!targets[@]}"; do
  wait "${pids[$i]}" || status=1
  target="${targets[$i]}"
  echo "== $target"
  grep -E '^#[0-9]+.*(DONE|pulse)' "build-fuzz/$target.log" | tail -1 || true
  grep -E 'stat::(number_of_executed_units|average_exec_per_sec|new_units_added|peak_rss_mb)' "build-fuzz/$target.log" || true
  ls "build-fuzz/artifacts/$target" | sed 's/^/  finding: /'
done
exit $status
