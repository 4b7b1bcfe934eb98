#!/usr/bin/env bash
# What a Windows screen reader reads of the program: NVDA, JAWS and Narrator read it
# through UI Automation, as the client uia_client.exe does here. The Windows program from
# its shipped folder, under Wine on an X server (Xvfb); the client starts from the main
# window's handle.
# - At start, every control is there by its name, and CU has the focus.
# - Tab x5 and Return from the X server's keyboard press the ambient button. Its new
#   caption then has the focus, and the result box is there by its name.
# - The press announces the result once, without moving the focus: "Corrected ampacity
#   13.65 A", checked as Wine receives it, on its fixme channel: Wine 10's
#   UiaRaiseNotificationEvent takes the program's announcement and hands a client none.
# The client's trees are printed where a check fails.
#   check_ui_automation.sh BUILD_DIR CLIENT.exe
# Exit 77 (skipped) where Wine, Xvfb or xdotool is missing, or Wine is older than 10:
# Wine 8.0 gives a client the main window alone.
set -uo pipefail
. "$(dirname "$0")/../support/program.sh"
on_x 1280x1024 "$@"
build=$1 client=$(realpath "$2")
needs wine
wine=$(wine --version)
major=$(sed -n 's/^wine-\([0-9]*\).*/\1/p' <<<"$wine")
((${major:-0} >= 10)) ||
  { echo "$wine gives a UI Automation client the main window alone (Wine 10 or later reads the controls): skipped"; exit 77; }
cmake --install "$build" --prefix "$scratch/Brenvik" >/dev/null || { echo "failed: cmake --install"; exit 1; }

wineboot -i >/dev/null 2>&1 || { echo "failed: Wine could not make its prefix"; exit 1; }
WINEDEBUG=-all,fixme+uiautomation wine "$scratch/Brenvik/brenvik.exe" 2>"$scratch/program.log" &
main=$(window_named "$TITLE" 60) || { echo "failed: no window mapped"; exit 1; }
sleep 2 # Wine takes input a moment after the window maps
coproc reader { wine "$client" "$TITLE" 2>/dev/null; }
# The tree, as the client prints it, into FILE, without the events it prints meanwhile.
# Wine answers the client at some four elements a second.
tree() {
  local line
  echo tree >&"${reader[1]}"
  : >"$1"
  while IFS= read -r -t 60 line <&"${reader[0]}"; do
    line=${line%$'\r'} # a Windows console program ends its lines with CR LF
    line=${line//$'\xc2\xa0'/ } # a no-break space is read as a blank
    [[ $line == end ]] && return 0
    [[ $line == event* || $line == UiaAddEvent* ]] || echo "$line" >>"$1"
  done
  echo "failed: the client gave no whole tree within a minute"
  exit 1
}
tree "$scratch/start"
xdotool windowfocus "$main"
sleep 0.5
for key in Tab Tab Tab Tab Tab Return; do xdotool key $key; sleep 0.3; done
for _ in 1 2 3 4 5; do # until the result box is there
  sleep 1
  tree "$scratch/pressed"
  grep -q "edit \"Corrected ampacity\"$" "$scratch/pressed" && break
done
echo quit >&"${reader[1]}"
wait $reader_PID
wineserver -k
# focus TREE LINE: LINE, and no other control, has the focus (the window it is in has too).
focus() {
  local focused
  focused=$(grep ' focused$' "$scratch/$1" | grep -v '^ *window ' | sed 's/^ *//; s/ focused$//')
  [[ $focused == "$2" ]] || fail "the focus ($1) on ${focused:-nothing}, not on $2"
}
for name in "$TITLE" "Table 310.15(B)(16) / Table 310.16" "Select conductor and table" \
            "Ampacity with correction factors applied" "${START_NAMES[@]}"; do
  grep -qF "\"$name\"" "$scratch/start" || fail "no \"$name\" in the tree (start)"
done
grep -q '^ *text "Ampacities of Insulated Conductors Rated Up to and Including 2000 Volts' "$scratch/start" ||
  fail "no title of Table 310.16 in the tree"
grep -q '"Corrected ampacity"' "$scratch/start" && fail "the result box is in the tree before any correction"
focus start 'button "CU"'
grep -q '^ *edit "Corrected ampacity"$' "$scratch/pressed" || fail "no result box in the tree after the press"
focus pressed 'button "Ambient 31-35°C (87-95°F)"'

said=$(grep -o 'UiaRaiseNotificationEvent.*' "$scratch/program.log")
[[ $(grep -c 'L"Corrected ampacity 13.65 A"' <<<"$said") -eq 1 ]] ||
  fail "the press announced no \"Corrected ampacity 13.65 A\", or more than once: ${said:-nothing}"
[[ $failed -eq 0 ]] || { echo "The trees at start and after Tab x5 and Return:"; cat "$scratch/start" "$scratch/pressed"; }
exit $failed
