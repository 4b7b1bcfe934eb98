#!/usr/bin/env bash
# The program's command line, with no display: --help and --version print on standard
# output and end with 0, a mistaken option or argument gets one line and 2, and with a
# platform named (-platform offscreen) it runs with no display; the manual page lists
# the options --help lists.
#   check_command_line.sh PROGRAM MANUAL_PAGE PROJECT_VERSION
set -uo pipefail
program=$1 manual=$2
. "$(dirname "$0")/../support/program.sh"
versions "$3"
run() { env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$program" "$@"; }

help=$(run --help 2>/dev/null); status=$?
[[ $status -eq 0 && "$help" == *"Usage: "*"[options]"* ]] || fail "--help: status $status"
[[ "$(run --version 2>/dev/null)" == "Brenvik $display_version" ]] || fail "--version: $(run --version 2>&1)"
for mistake in --no-such-option extra; do
  error=$(run "$mistake" 2>&1 >/dev/null); status=$?
  [[ $status -eq 2 && "$error" == "brenvik: "*" See brenvik --help." && $(wc -l <<<"$error") -eq 1 ]] ||
    fail "$mistake: status $status, \"$error\""
done
error=$(run 2>&1); status=$?
[[ $status -eq 1 && "$error" == *"no graphical display"* ]] || fail "no display: status $status"
timeout 1 env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$program" -platform offscreen \
  -style=fusion >/dev/null 2>&1
status=$?
[[ $status -eq 124 ]] || fail "-platform offscreen ended at once, status $status"

# The options, as --help and the manual page name them.
from_help=$(grep -oE '^  (-[a-z], )?--[a-z-]+' <<<"$help" | grep -oE '\-\-[a-z-]+' | sort)
from_manual=$(grep -oE '^\.B[IR]? \\-\\-[a-z\\-]+' "$manual" | sed 's/^\.B[IR]* //; s/\\//g' | sort)
[[ -n "$from_help" && "$from_help" == "$from_manual" ]] ||
  fail "--help and the manual page list other options:" "$(diff <(echo "$from_help") <(echo "$from_manual"))"
[[ $failed -eq 0 ]] && echo "command line and manual page agree on $(wc -l <<<"$from_help") options"
exit $failed
