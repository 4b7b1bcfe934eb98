# Sourced by the tests that drive a program on an X server from outside.
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
