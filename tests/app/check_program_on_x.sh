#!/usr/bin/env bash
# The program itself on an X server (Xvfb), read as a screen reader reads it (through the
# accessibility bus): its window maps with its title, as the screenshot tool draws it (the
# same fonts and colours: main() sets them up as the tests do); Tab x5 takes the focus
# from CU to the ambient button, where a tapped Return, a tapped Space, a held Return and
# a held Space (2 s each, which the X server repeats as it does a held key) step it once
# each, the result box following; a click on EXIT ends the program with 0.
#   check_program_on_x.sh PROGRAM SCREENSHOT_TOOL
# Exit 77 (skipped) where Xvfb, xdotool, ImageMagick or the accessibility bus is missing.
set -uo pipefail
support=$(realpath "$(dirname "$0")/../support")
. "$support/program.sh"
on_x 1280x1024 "$@"
program=$1 screenshots=$2
needs import compare /usr/libexec/at-spi-bus-launcher
QT_QPA_PLATFORM=offscreen QT_SCALE_FACTOR=1 "$screenshots" light "$scratch" >/dev/null 2>&1 ||
  { echo "failed: the screenshot tool drew nothing"; exit 1; }
/usr/libexec/at-spi-bus-launcher --launch-immediately 2>/dev/null & bus=$!
QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_QPA_PLATFORM=xcb "$program" 2>"$scratch/program.log" & pid=$!
window=$(window_named "$TITLE" 20) || { echo "failed: no window mapped"; kill $pid; exit 1; }
xdotool mousemove 0 0 windowfocus --sync "$window"
# The window once it has settled: two pictures a fifth of a second apart alike.
same() { [[ $(compare -metric AE "$1" "$2" null: 2>&1) == 0 ]]; }
for _ in $(seq 25); do
  import -window "$window" "$scratch/next.png" && same "$scratch/start.png" "$scratch/next.png" && break
  mv "$scratch/next.png" "$scratch/start.png"; sleep 0.2
done
same "$scratch/start.png" "$scratch/main-window.png" ||
  fail "the window starts otherwise than the screenshot tool draws it"

# expect AFTER NAME|RESULT: the ambient button's name and the result box, read once they
# hold still, are NAME and RESULT.
expect() {
  local last= heard _
  for _ in $(seq 10); do
    heard=$(/usr/bin/python3 "$support/read_aloud.py" Brenvik Ambient "Corrected ampacity" | paste -sd'|')
    [[ $heard == "$last" ]] && break
    last=$heard; sleep 0.3
  done
  [[ $heard == "$2" ]] || fail "after $1: \"$heard\", not \"$2\""
}
expect start "Ambient Temperature 26-30°C (78-86°F)|Corrected ampacity"
for _ in 1 2 3 4 5; do xdotool key Tab; done
xdotool key Return
expect "a tapped Return" "Ambient 31-35°C (87-95°F)|Corrected ampacity: =13.65 A  (I × 0.91)"
xdotool key space
expect "a tapped Space" "Ambient 36-40°C (96-104°F)|Corrected ampacity: =12.3 A  (I × 0.82)"
xdotool keydown Return sleep 2 keyup Return
expect "a held Return" "Ambient 41-45°C (105-113°F)|Corrected ampacity: =10.65 A  (I × 0.71)"
xdotool keydown space sleep 2 keyup space
expect "a held Space" "Ambient 46-50°C (114-122°F)|Corrected ampacity: =8.7 A  (I × 0.58)"

xdotool mousemove --window "$window" $EXIT_X $EXIT_Y click 1
for _ in $(seq 50); do kill -0 $pid 2>/dev/null || break; sleep 0.1; done
if kill -0 $pid 2>/dev/null; then
  fail "still running after EXIT"; kill $pid
else
  wait $pid; status=$?
  [[ $status -eq 0 ]] || fail "status $status after EXIT"
fi
kill $bus
[[ $failed -eq 0 ]] && echo "window mapped as drawn; each key stepped the ambient button once; EXIT ended the program"
exit $failed
