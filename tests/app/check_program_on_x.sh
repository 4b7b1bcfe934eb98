#!/usr/bin/env bash
# The program itself on an X server (Xvfb): its window is mapped with its title, and a
# click on EXIT, where the window shows it, ends the program with 0. Exit 77 (skipped)
# where Xvfb or xdotool is missing.
set -uo pipefail
x_window=$(realpath "$(dirname "$0")/../support/x_window.sh")
program=$1
command -v xvfb-run >/dev/null && command -v xdotool >/dev/null || { echo "no Xvfb: skipped"; exit 77; }
exec xvfb-run -a bash -c '
  . "$1"
  env -u QT_QPA_PLATFORM "$0" & pid=$!
  window=$(window_named "NEC 2017-2023 Brenvik" 20)
  [[ -n "$window" ]] || { echo "failed: no window mapped"; kill $pid; exit 1; }
  # EXIT: 6360 + 720/2 twips across, 2000 + 315/2 down, at 15 twips a pixel.
  xdotool mousemove --window "$window" 448 144 click 1
  for _ in $(seq 50); do kill -0 $pid 2>/dev/null || break; sleep 0.1; done
  if kill -0 $pid 2>/dev/null; then echo "failed: still running after EXIT"; kill $pid; exit 1; fi
  wait $pid; status=$?
  [[ $status -eq 0 ]] || { echo "failed: status $status after EXIT"; exit 1; }
  echo "window mapped; EXIT ended the program"
' "$program" "$x_window"
