#!/usr/bin/env bash
# The program itself on an X server (Xvfb), as a keyboard user with a screen reader meets
# it: Orca listening on the accessibility bus, its debug log standing in for speech (its
# `SPEECH OUTPUT` lines; no sound device is needed), and the window read as a screen
# reader reads it, through that bus.
# - The window maps with its title, as the screenshot tool draws it (the same fonts and
#   colours: main() sets them up as the tests do).
# - The keys, each one's time of day noted: Tab x5 (to the size list, the ampacity list,
#   the ambient button), then on the ambient button a tapped Return, a tapped Space, a
#   held Return and a held Space (2 s each, which the X server repeats as it does a held
#   key): each steps it once, the result box following, as read after each. Then
#   Shift+Tab back to the ampacity list, Down, Tab to the ambient button, Tab to the count
#   button, Space; and what Orca said after each key.
# - A click on EXIT ends the program with 0.
#   check_program_on_x.sh PROGRAM SCREENSHOT_TOOL QT_VERSION
# What Qt before 6.5 and 6.8 cannot have said is named, not checked. Exit 77 (skipped)
# where Xvfb, xdotool, ImageMagick, Orca or the accessibility bus is missing.
set -uo pipefail
support=$(realpath "$(dirname "$0")/../support")
. "$support/program.sh"
on_x 1280x1024 "$@"
program=$1 screenshots=$2 qt=$3
needs import compare orca /usr/libexec/at-spi-bus-launcher
at_least() { printf '%s\n%s\n' "$1" "$qt" | sort -V -C; }
QT_QPA_PLATFORM=offscreen QT_SCALE_FACTOR=1 "$screenshots" light "$scratch" >/dev/null 2>&1 ||
  { echo "failed: the screenshot tool drew nothing"; exit 1; }
log=$scratch/orca.log
/usr/libexec/at-spi-bus-launcher --launch-immediately >/dev/null 2>&1 & bus=$!
orca -r --debug-file="$log" >/dev/null 2>&1 & reader=$!
sleep 4 # for Orca to start listening (its log is written in blocks: no use to poll it)
# On a busy machine the X server of xvfb-run now and then refuses a program its first
# connection ("could not connect to display"): then once more.
for _ in 1 2; do
  QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_QPA_PLATFORM=xcb "$program" >/dev/null 2>"$scratch/program.log" & pid=$!
  window=$(window_named "$TITLE" 20) && break
  kill $pid 2>/dev/null
done
[[ -n $window ]] || { echo "failed: no window mapped:"; cat "$scratch/program.log"; exit 1; }
xdotool mousemove 0 0 windowfocus --sync "$window"
# The window once it has settled: two pictures a fifth of a second apart alike.
same() { [[ $(compare -metric AE "$1" "$2" null: 2>&1) == 0 ]]; }
for _ in $(seq 25); do
  import -window "$window" "$scratch/next.png" && same "$scratch/start.png" "$scratch/next.png" && break
  mv "$scratch/next.png" "$scratch/start.png"; sleep 0.2
done
same "$scratch/start.png" "$scratch/main-window.png" ||
  fail "the window starts otherwise than the screenshot tool draws it"

# press KEY...: xdotool's KEY command, its time of day noted; hold KEY: held for 2 s.
press() { date +%T.%6N >>"$log.keys"; xdotool "$@"; sleep 0.5; }
hold() { press keydown "$1" sleep 2 keyup "$1"; }
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
for _ in 1 2 3 4 5; do press key Tab; done
press key Return
expect "a tapped Return" "Ambient 31-35°C (87-95°F)|Corrected ampacity: =13.65 A  (I × 0.91)"
press key space
expect "a tapped Space" "Ambient 36-40°C (96-104°F)|Corrected ampacity: =12.3 A  (I × 0.82)"
hold Return
expect "a held Return" "Ambient 41-45°C (105-113°F)|Corrected ampacity: =10.65 A  (I × 0.71)"
hold space
expect "a held Space" "Ambient 46-50°C (114-122°F)|Corrected ampacity: =8.7 A  (I × 0.58)"
for key in shift+Tab Down Tab Tab space; do press key $key; done
sleep 1 # for Orca to say what it is behind with
exit_ends "$window" $pid
# Orca writes the rest of its log as it exits on the signal: wait for that.
kill $reader; timeout 10 tail --pid=$reader -f /dev/null
kill $bus

# What Orca said, one line a key: each of its lines goes to the last key before it.
said=$(grep -a "SPEECH OUTPUT" "$log" | cat "$log.keys" - | awk '
  /SPEECH OUTPUT/ { t = $1; sub(/.*SPEECH OUTPUT: \047/, ""); sub(/\047.*/, "")
                    for (k = keys; k > 0 && at[k] > t; ) k--
                    heard[k] = heard[k] " " $0; next }
  { at[++keys] = $1 }
  END { for (k = 1; k <= keys; k++) print "[" k "]" heard[k] }')
echo "What Orca said, after each key:"
echo "$said"
# hears KEYS WHAT [TIMES]: WHAT is said after the keys FIRST-LAST (from 1; a key alone
# stands for it and the next, as Orca may lag a key behind): at least once, or exactly
# TIMES times. (Orca 48 says a list's row twice: in its name and as its value.)
hears() {
  local first=${1%-*} last=${1#*-} times
  [[ $1 == *-* ]] || last=$((first + 1))
  times=$(sed -n "${first},${last}p" <<<"$said" | grep -oF -- "$2" | wc -l)
  if [[ $# -lt 3 ]]; then ((times >= 1)); else ((times == $3)); fi ||
    fail "\"$2\" said $times times after keys $first-$last"
}
hears 3 "Conductor size"
hears 3 "14 AWG"
hears 4 "Table ampacity"
if at_least 6.5; then
  hears 6 "Ambient 31-35°C (87-95°F)"
  hears 11 "20A"
  hears 14 "Number of conductors 4-6"
else
  hears 4 "15A"
  echo "not checked on Qt $qt: the row after Down and the selectors' new captions (Qt before 6.5" \
       "gives no selected row to a screen reader, and Orca fails on the name changes it sends)."
fi
if at_least 6.8; then
  hears 1-5 "Corrected ampacity" 0 # the box is hidden until the ambient press
  hears 6-7 "Corrected ampacity 13.65 A" 1 # at the first row
  hears 11-12 "Corrected ampacity 11.6 A" 1
  hears 14 "Corrected ampacity 9.28 A" 1
else
  echo "not checked on Qt $qt: the corrected ampacity. Qt before 6.8 cannot announce."
fi
exit $failed
