#!/usr/bin/env bash
# Runs one whole scripted game (tests/robust, slot wholeGame) under valgrind's
# memcheck and fails on any invalid access, use of uninitialised memory or
# definite leak whose stack passes through the game's own code (src/).
# Noise from Qt, fontconfig and X is kept out by tests/robust/qt.supp.
# Usage: scripts/memcheck.sh [build folder, default build-test]
set -euo pipefail
cd "$(dirname "$0")/.."
root="$(pwd)"
build="${1:-build-test}"
scripts/deps.sh valgrind
if [ ! -f "$build/CMakeCache.txt" ]; then
  cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Debug -DGRIZZET_WERROR=ON >/dev/null
fi
cmake --build "$build" -j"$(nproc)" --target tst_robust >/dev/null
log="$build/memcheck.log"
status=0
QT_QPA_PLATFORM="offscreen:configfile=$root/tests/offscreen.json" \
  valgrind --tool=memcheck --leak-check=full --show-leak-kinds=definite,indirect \
    --errors-for-leak-kinds=definite,indirect --track-origins=yes --num-callers=50 \
    --fullpath-after= --suppressions="$root/tests/robust/qt.supp" --gen-suppressions=all \
    --log-file="$log" "$build/tests/tst_robust" wholeGame >"$build/memcheck.out" 2>&1 || status=$?
if [ "$status" -ne 0 ]; then
  cat "$build/memcheck.out"
  echo "memcheck: the session failed (status $status); see $log"
  exit 1
fi
# Each report is a run of lines between blank "==pid==" lines; keep those
# that are errors and name a file under src/.
ours=$(awk -v src="$root/src/" '
  function flush() {
    error = block ~ /(Invalid (read|write|free)|uninitialised|Mismatched free|overlap|Syscall param)/ \
            || block ~ /(definitely|indirectly) lost/
    if (error && index(block, src) > 0) { printf "%s\n", block; count++ }
    block = ""
  }
  /^==[0-9]+== *$/ { flush(); next }
  /^==[0-9]+== / { sub(/^==[0-9]+== /, ""); block = block $0 "\n"; next }
  END { flush(); if (count) printf "%d report(s) in the game\x27s own code\n", count }
' "$log")
grep -E "ERROR SUMMARY|definitely lost:|indirectly lost:" "$log" | sed 's/^==[0-9]*== /memcheck: /'
if [ -n "$ours" ]; then
  echo "$ours"
  exit 1
fi
echo "memcheck: nothing in the game's own code"
