#!/usr/bin/env bash
# Builds everything with AddressSanitizer and UndefinedBehaviorSanitizer in its own
# folder and runs the whole test suite there; any report fails its test. The runs on
# Xvfb (label x_server) are left out: there the sanitizers report the X keyboard and
# D-Bus libraries of the system (a strndup past its string, a connection left open at
# exit), not this program.
set -euo pipefail
cd "$(dirname "$0")/.."
build=build-sanitize
cmake --preset sanitize >/dev/null
cmake --build "$build"
cd "$build"
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1:strict_string_checks=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
QT_QPA_PLATFORM=offscreen ctest --output-on-failure -LE x_server
