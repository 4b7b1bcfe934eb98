#!/usr/bin/env bash
# A scripted session under valgrind's memcheck: the calculator started, a thousand
# random user actions (hundreds of clicks, READ ME opened and closed), then EXIT.
# Fails on any invalid read or write, use of uninitialised memory, or definite leak.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${BUILD_DIR:-build}
log=$build/memcheck.log
echo "== valgrind memcheck: 1000 actions of tst_random_sequences"
if QT_QPA_PLATFORM=offscreen BRENVIK_RANDOM_ACTIONS=1000 \
   valgrind --tool=memcheck --leak-check=full --errors-for-leak-kinds=definite \
            --show-leak-kinds=definite --error-exitcode=99 --num-callers=30 \
            "$build/tests/calculator/tst_random_sequences" >"$log" 2>&1; then
  grep -E "Totals|definitely lost|ERROR SUMMARY" "$log"
else
  tail -n 60 "$log"
  echo "memcheck FAILED: see $log"
  exit 1
fi
