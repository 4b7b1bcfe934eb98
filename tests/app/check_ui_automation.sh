#!/usr/bin/env bash
# What a Windows screen reader reads of the program: NVDA, JAWS and Narrator read it
# through UI Automation, as the client uia_client.exe does here. The Windows program from
# its shipped folder, under Wine on an X server (Xvfb); the client starts from the main
# window's handle.
# - At start, every control is there by its name, and CU has the focus.
# - Tab x5 and Return from the X server's keyboard press the ambient button. Its new
#   caption then has the focus, and the result box is there by its name.
# - The press announces the result once, without moving the focus: "Corrected ampacity
#   13.65 A". Where Wine hands the client notification events, it is checked there.
#   Wine 10 hands it none: its UiaRaiseNotificationEvent takes the program's announcement
#   and goes no further. The announcement is checked then as Wine receives it, on Wine's
#   fixme channel, and what the client got is said.
# The client's trees are printed.
#   check_ui_automation.sh BUILD_DIR CLIENT.exe
# Exit 77 (skipped) where Wine, Xvfb or xdotool is missing, or Wine is older than 10:
# Wine 8.0 gives a client the main window alone.
set -uo pipefail
x_window=$(realpath "$(dirname "$0")/../support/x_window.sh")
build=$1 client=$(realpath "$2")
for tool in wine xvfb-run xdotool; do
  command -v $tool >/dev/null || { echo "no $tool: skipped"; exit 77; }
done
wine=$(wine --version)
major=$(sed -n 's/^wine-\([0-9]*\).*/\1/p' <<<"$wine")
((${major:-0} >= 10)) ||
  { echo "$wine gives a UI Automation client the main window alone (Wine 10 or later reads the controls): skipped"; exit 77; }
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
cmake --install "$build" --prefix "$scratch/Brenvik" >/dev/null || { echo "failed: cmake --install"; exit 1; }

export WINEPREFIX=$scratch/wine WINEDLLOVERRIDES="mscoree,mshtml=" WINEDEBUG=-all
xvfb-run -a -s "-screen 0 1280x1024x24" bash -c '
  scratch=$1 client=$2
  . "$3"
  wineboot -i >/dev/null 2>&1 || { echo "Wine could not make its prefix"; exit 1; }
  WINEDEBUG=-all,fixme+uiautomation wine "$scratch/Brenvik/brenvik.exe" 2>"$scratch/program.log" & program=$!
  main=$(window_named "NEC 2017-2023 Brenvik" 60) || { echo "no window mapped"; kill $program; exit 1; }
  sleep 2 # Wine takes input a moment after the window maps
  coproc reader { wine "$client" "NEC 2017-2023 Brenvik" 2>/dev/null; }
  # The tree, as the client prints it, into FILE; the events it prints meanwhile into
  # events. Wine answers the client at some four elements a second.
  tree() {
    local line
    echo tree >&"${reader[1]}"
    : >"$1"
    while IFS= read -r -t 60 line <&"${reader[0]}"; do
      line=${line%$'"'"'\r'"'"'} # a Windows console program ends its lines with CR LF
      [[ $line == end ]] && return 0
      if [[ $line == event* || $line == UiaAddEvent* ]]; then echo "$line" >>"$scratch/events"
      else echo "$line" >>"$1"; fi
    done
    echo "the client gave no whole tree within a minute"
    return 1
  }
  tree "$scratch/start" || exit 1
  xdotool windowfocus "$main"
  sleep 0.5
  for key in Tab Tab Tab Tab Tab Return; do xdotool key $key; sleep 0.3; done
  for _ in 1 2 3 4 5; do # until the result box is there
    sleep 1
    tree "$scratch/pressed" || exit 1
    grep -q "edit \"Corrected ampacity\"$" "$scratch/pressed" && break
  done
  echo quit >&"${reader[1]}"
  wait $reader_PID
  ended() { ! kill -0 $program 2>/dev/null; }
  click "$main" $EXIT_X $EXIT_Y ended || kill $program
' check "$scratch" "$client" "$x_window" >"$scratch/run.log" 2>&1 || { cat "$scratch/run.log"; exit 1; }

failed=0
fail() { echo "failed: $*"; failed=1; }
for tree in start pressed; do
  [[ -s $scratch/$tree ]] || { cat "$scratch/run.log"; echo "failed: the client read no tree"; exit 1; }
  sed -i 's/\xc2\xa0/ /g' "$scratch/$tree" # a no-break space is read as a blank
done
echo "The tree at start:"
cat "$scratch/start"
echo "The tree after Tab x5 and Return:"
cat "$scratch/pressed"

# has TREE LINE: the tree holds LINE, indent aside.
has() { grep -qxF -- "$2" <(sed 's/^ *//' "$scratch/$1") || fail "no $2 in the tree ($1)"; }
# focus TREE LINE: LINE, and no other control, has the focus (the window it is in has too).
focus() {
  local focused
  focused=$(grep ' focused$' "$scratch/$1" | grep -v '^ *window ' | sed 's/^ *//; s/ focused$//')
  [[ $focused == "$2" ]] || fail "the focus ($1) on ${focused:-nothing}, not on $2"
}
for line in 'window "NEC 2017-2023 Brenvik" focused' 'text "Table 310.15(B)(16) / Table 310.16"' \
            'group "Select conductor and table"' 'group "Ampacity with correction factors applied"' \
            'combo box "Conductor size"' 'combo box "Table ampacity"' 'button "Raceway or Cable"' \
            'button "Insulation 60°C (140°F)"' 'button "Ambient Temperature 26-30°C (78-86°F)"' \
            'button "Number of conductors 1-3"' 'button "READ ME"' 'button "EXIT"'; do
  has start "$line"
done
grep -q '^ *text "Ampacities of Insulated Conductors Rated Up to and Including 2000 Volts' "$scratch/start" ||
  fail "no title of Table 310.16 in the tree"
grep -q '"Corrected ampacity"' "$scratch/start" && fail "the result box is in the tree before any correction"
focus start 'button "CU"'
has pressed 'edit "Corrected ampacity"'
focus pressed 'button "Ambient 31-35°C (87-95°F)"'

# The announcement: in what the client got, else in what Wine got.
echo "What the client got of events: $(cat "$scratch/events")"
said=$(grep -o 'UiaRaiseNotificationEvent.*' "$scratch/program.log")
echo "What Wine got of the program's announcements: ${said:-nothing}"
if grep -q '^event 20035 ' "$scratch/events"; then
  [[ $(grep -c '^event 20035 .*from "Corrected ampacity"' "$scratch/events") -eq 1 ]] ||
    fail "the result box announced no result, or more than once"
else
  echo "Wine handed the client no notification event: the announcement checked as Wine got it"
  [[ $(grep -c 'L"Corrected ampacity 13.65 A"' <<<"$said") -eq 1 ]] ||
    fail "the press announced no \"Corrected ampacity 13.65 A\", or more than once"
fi
exit $failed
