#!/usr/bin/env bash
# Builds the libFuzzer targets with clang and runs each for FUZZ_SECONDS (30 unless set),
# starting from the seed corpus in fuzz/corpus. New inputs go to a scratch folder; a
# crash leaves its input in build-fuzz/ and fails the run.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${FUZZ_SECONDS:-30}
build=build-fuzz

cmake -S fuzz --preset fuzz >/dev/null
cmake --build "$build"

status=0
for target in fuzz_readback fuzz_corrected_ampacity; do
  corpus=${target#fuzz_}
  [[ "$corpus" == corrected_ampacity ]] && corpus=corrected
  scratch=$(mktemp -d)
  log="$build/$target.log"
  echo "== $target: $seconds s"
  if (cd "$build" && "./$target" -max_total_time="$seconds" -print_final_stats=1 \
        "$scratch" "../fuzz/corpus/$corpus") >"$log" 2>&1; then
    grep -E "^Done|stat::number_of_executed_units" "$log"
  else
    tail -n 40 "$log"
    echo "$target FAILED (the input that failed is in $build/)"
    status=1
  fi
  rm -rf "$scratch"
done
exit $status
