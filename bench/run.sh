#!/usr/bin/env bash
# Builds the benchmarks in Release (build-bench/) and runs them all: the rules library
# and one tick (Google Benchmark), then start-up, memory and idle cost as whole processes.
set -euo pipefail
cd "$(dirname "$0")/.."
build=build-bench
cmake --preset bench >/dev/null
cmake --build "$build"
echo "== rules library"
"$build/bench/bench_rules"
echo "== one tick of the main window (offscreen)"
"$build/bench/bench_tick"
echo "== whole processes"
python3 bench/processes.py "$build"
