# Sourced by the tests that drive a program on an X server from outside.

# EXIT's centre in the main window's client area: 6360 + 720/2 twips across, 2000 + 315/2
# down, at 15 twips a pixel.
EXIT_X=448 EXIT_Y=144

# window_named NAME SECONDS: the id of the first visible window titled NAME, once there is
# one, within SECONDS; exit 1 if none came. It asks again four times a second, rather than
# leave it to xdotool's --sync: xdotool gives up with an X error (BadWindow) when a window
# goes away while it looks, and a program starting, Wine's above all, makes and drops
# windows of its own.
window_named() {
  local name=$1 seconds=$2 found _
  for _ in $(seq $((seconds * 4))); do
    found=$(xdotool search --onlyvisible --name "$name" 2>/dev/null | head -n 1)
    [[ -n $found ]] && { echo "$found"; return 0; }
    sleep 0.25
  done
  return 1
}

# click WINDOW X Y COMMAND...: a click at X Y in WINDOW, the pointer moved there a moment
# before, as Wine wants it; then it waits until COMMAND holds (three seconds at most), or
# clicks up to twice again, as Wine drops a click that comes while it is busy (the window
# may be gone by then). Exit 1 if COMMAND never held.
click() {
  local window=$1 x=$2 y=$3 _try _wait
  shift 3
  for _try in 1 2 3; do
    xdotool mousemove --window "$window" "$x" "$y" 2>/dev/null && sleep 0.5 && xdotool click 1
    for _wait in $(seq 12); do "$@" && return 0; sleep 0.25; done
  done
  return 1
}
