#!/usr/bin/env bash
# What a blind user hears: Orca reads the program on an X server (Xvfb) with the
# accessibility bus up, its debug log standing in for speech (its `SPEECH OUTPUT` lines;
# no sound device is needed). The keys: Tab to the size list, Tab to the ampacity list,
# Tab to the ambient button, Space (at the first row, 14 AWG), Shift+Tab back to the
# ampacity list, Down, Tab to the ambient button, Tab to the count button, Space.
#   check_screen_reader.sh PROGRAM QT_VERSION
# What Qt before 6.5 and 6.8 cannot have said is named, not checked. Exit 77 (skipped)
# where Xvfb, xdotool or Orca is missing.
set -uo pipefail
. "$(dirname "$0")/../support/program.sh"
on_x 1280x1024 "$@"
program=$1 qt=$2
needs orca
at_least() { printf '%s\n%s\n' "$1" "$qt" | sort -V -C; }

export HOME=$scratch/home XDG_CONFIG_HOME=$scratch/home/.config XDG_RUNTIME_DIR=$scratch/run
mkdir -p "$HOME" "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
log=$scratch/orca.log

# One session: Orca, then the program, then the keys, each key's time of day noted. Then
# what Orca said, one line a key: each of its lines goes to the last key before it.
listen() {
  rm -f "$log" "$log.keys"
  /usr/libexec/at-spi-bus-launcher --launch-immediately >/dev/null 2>&1 & bus=$!
  orca -r --debug-file="$log" >/dev/null 2>&1 & reader=$!
  sleep 4 # for Orca to start listening (its log is written in blocks: no use to poll it)
  QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_QPA_PLATFORM=xcb "$program" >/dev/null 2>&1 & calculator=$!
  xdotool windowfocus "$(window_named "$TITLE" 20)"
  sleep 0.5
  for key in Tab Tab Tab Tab Tab space shift+Tab Down Tab Tab space; do
    date +%T.%6N >>"$log.keys"; xdotool key $key; sleep 0.5
  done
  sleep 1 # for Orca to say what it is behind with
  kill $calculator
  # Orca writes the rest of its log as it exits on the signal: wait for that.
  kill $reader; timeout 10 tail --pid=$reader -f /dev/null
  kill $bus
  grep -a "SPEECH OUTPUT" "$log" | cat "$log.keys" - | awk '
    /SPEECH OUTPUT/ { t = $1; sub(/.*SPEECH OUTPUT: \047/, ""); sub(/\047.*/, "")
                      for (k = keys; k > 0 && at[k] > t; ) k--
                      heard[k] = heard[k] " " $0; next }
    { at[++keys] = $1 }
    END { for (k = 1; k <= keys; k++) print "[" k "]" heard[k] }'
}
said=$(listen)
if [[ -z $(sed 's/^\[[0-9]*\]//' <<<"$said" | tr -d ' \n') ]]; then
  echo "Orca said nothing after the keys: it was not listening yet; once more."
  said=$(listen)
fi
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
    { echo "FAILED: \"$2\" said $times times after keys $first-$last"; failed=1; }
}
hears 3 "Conductor size"
hears 3 "14 AWG"
hears 4 "Table ampacity"
if at_least 6.5; then
  hears 6 "Ambient 31-35°C (87-95°F)"
  hears 8 "20A"
  hears 11 "Number of conductors 4-6"
else
  hears 4 "15A"
  echo "not checked on Qt $qt: the row after Down and the selectors' new captions." \
       "Qt before 6.5 gives no selected row to a screen reader, and Orca fails on" \
       "the name changes it sends (the list's row is said on focus instead)."
fi
if at_least 6.8; then
  hears 1-5 "Corrected ampacity" 0 # the box is hidden until the ambient press
  hears 6-7 "Corrected ampacity 13.65 A" 1 # at the first row
  hears 8-9 "Corrected ampacity 18.2 A" 1
  hears 11 "Corrected ampacity 14.56 A" 1
else
  echo "not checked on Qt $qt: the corrected ampacity. Qt before 6.8 cannot announce."
fi
exit $failed
