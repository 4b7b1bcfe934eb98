#!/usr/bin/env bash
# The program itself on an X server (Xvfb), run twice. Both times its window is mapped with
# its title, Tab x5 takes the focus from CU to the ambient button, Return and then Space
# step it, and a click on EXIT, where the window shows it, ends the program with 0. The
# first time the window starts as the screenshot tool draws it (the same fonts and
# colours: main() sets them up as the tests do), and each key is tapped; the second time
# each is held for 2 s (the X server repeats it as it does a held physical key), and the
# window must show what the taps showed: one step a press.
#   check_program_on_x.sh PROGRAM SCREENSHOT_TOOL
# Exit 77 (skipped) where Xvfb, xdotool or ImageMagick is missing.
set -uo pipefail
x_window=$(realpath "$(dirname "$0")/../support/x_window.sh")
program=$1 screenshots=$2
for tool in xvfb-run xdotool import compare; do
  command -v $tool >/dev/null || { echo "no $tool: skipped"; exit 77; }
done
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
QT_QPA_PLATFORM=offscreen QT_SCALE_FACTOR=1 "$screenshots" light "$scratch" >/dev/null 2>&1 ||
  { echo "failed: the screenshot tool drew nothing"; exit 1; }
exec xvfb-run -a bash -c '
  program=$1 scratch=$2
  . "$3"
  same() { [[ $(compare -metric AE "$1" "$2" null: 2>&1) == 0 ]]; }
  # picture FILE: the window once it has settled: two pictures a fifth of a second apart
  # alike, within five seconds.
  picture() {
    for _ in $(seq 25); do
      import -window "$window" "$scratch/next.png" && same "$1" "$scratch/next.png" && break
      mv "$scratch/next.png" "$1"; sleep 0.2
    done
  }
  start() {
    env -u QT_QPA_PLATFORM "$program" & pid=$!
    window=$(window_named "NEC 2017-2023 Brenvik" 20)
  }
  # run tap|hold: the program started, Return and Space tapped or held on the ambient
  # button, the window pictured after each, then EXIT clicked.
  run() {
    # On a busy machine the X server of xvfb-run now and then refuses a program its
    # first connection ("could not connect to display"): then once more.
    start
    [[ -n "$window" ]] || { kill $pid 2>/dev/null; start; }
    [[ -n "$window" ]] || { echo "failed: no window mapped"; kill $pid; exit 1; }
    # The pointer off the window (the window stands at the upper right): where the last
    # run clicked EXIT, a window at the same place would show it hovered.
    xdotool mousemove 0 0 windowfocus --sync "$window" && sleep 0.5
    if [[ $1 == tap ]]; then
      picture "$scratch/start.png"
      same "$scratch/start.png" "$scratch/main-window.png" ||
        { echo "failed: the window starts otherwise than the screenshot tool draws it"; kill $pid; exit 1; }
    fi
    for _ in 1 2 3 4 5; do xdotool key Tab; done
    for key in Return space; do
      if [[ $1 == tap ]]; then xdotool key $key; else xdotool keydown $key; sleep 2; xdotool keyup $key; fi
      picture "$scratch/$1-$key.png"
    done
    xdotool mousemove --window "$window" $EXIT_X $EXIT_Y click 1
    for _ in $(seq 50); do kill -0 $pid 2>/dev/null || break; sleep 0.1; done
    if kill -0 $pid 2>/dev/null; then echo "failed: still running after EXIT"; kill $pid; exit 1; fi
    wait $pid; status=$?
    [[ $status -eq 0 ]] || { echo "failed: status $status after EXIT"; exit 1; }
  }
  run tap
  run hold
  echo "window mapped; EXIT ended the program"
  for key in Return space; do
    same "$scratch/tap-$key.png" "$scratch/hold-$key.png" ||
      { echo "failed: a held $key stepped the ambient button more than once"; exit 1; }
  done
  echo "a held Return and a held Space stepped the ambient button once each"
' session "$program" "$scratch" "$x_window"
