# Sourced by the test scripts: what a user sees of the program, written once here, and
# what the scripts share to start it, drive it and read it.

# The maker; the main window's title and client area in pixels, EXIT's centre in it (6360
# + 720/2 twips across, 2000 + 315/2 down, at 15 twips a pixel), and the names a screen
# reader reads of its controls at start.
TITLE="NEC 2017-2023 Brenvik" MAKER="Tarnholm Inc."
CLIENT_WIDTH=485 CLIENT_HEIGHT=174
EXIT_X=448 EXIT_Y=144
START_NAMES=("Conductor size" "Table ampacity" "CU" "Raceway or Cable" "Insulation 60°C (140°F)"
             "Ambient Temperature 26-30°C (78-86°F)" "Number of conductors 1-3" "READ ME" "EXIT")

# versions PROJECT_VERSION: the forms of the build's version (25.1.0.7) a user reads:
# display_version (25.1.7) in the program and its packages, record_version (25.01.0007)
# in the texts of the Windows version record.
versions() {
  local major minor third revision
  IFS=. read -r major minor third revision <<<"$1"
  display_version=$major.$minor.$revision
  record_version=$(printf '%d.%02d.%04d' "$major" "$minor" "$revision")
}

# needs TOOL...: exit 77 (skipped) where a TOOL is missing.
needs() {
  local tool
  for tool; do command -v "$tool" >/dev/null || { echo "no $tool: skipped"; exit 77; }; done
}

# The run's scratch folder, removed at exit; for Wine, a prefix in it, quiet, without
# Mono and Gecko.
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
export WINEPREFIX=$scratch/wine WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
failed=0
fail() { echo "failed: $*"; failed=1; }

# on_x WIDTHxHEIGHT ARGUMENTS...: the script again, with ARGUMENTS, on an X server of its
# own (Xvfb) with a screen of that size, a session bus of its own, and a home and
# configuration folder of its own, never the user's; unless it runs there already.
on_x() {
  if [[ -n ${BRENVIK_ON_X:-} ]]; then
    export HOME=$scratch/home XDG_CONFIG_HOME=$scratch/home/.config XDG_RUNTIME_DIR=$scratch/run
    mkdir -p "$XDG_CONFIG_HOME" && mkdir -m 700 "$XDG_RUNTIME_DIR"
    return 0
  fi
  needs xvfb-run xdotool dbus-run-session
  rm -rf "$scratch"
  BRENVIK_ON_X=1 exec xvfb-run -a -s "-screen 0 ${1}x24" dbus-run-session -- "$0" "${@:2}"
}

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

# exit_ends WINDOW PID: a click on EXIT in WINDOW ends the program PID with 0.
exit_ends() {
  local status
  click "$1" $EXIT_X $EXIT_Y eval "! kill -0 $2 2>/dev/null" || { fail "still running after EXIT"; return; }
  wait "$2"; status=$?
  [[ $status -eq 0 ]] && echo "EXIT ended the program" || fail "status $status after EXIT"
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
