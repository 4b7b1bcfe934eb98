#!/usr/bin/env bash
# The Windows program from its shipped folder, under Wine on an X server (Xvfb), with Qt's
# Windows platform plugin, seen and driven from outside as a user does:
# - its window, titled, maps at the upper right of the screen with equal gaps above and
#   to the right, its client area as on Debian (with no window manager on the X server,
#   Wine shows the client area alone, where the frame would leave it);
# - a click on the ambient button shows the result box, its text in the copper red;
# - READ ME opens the read-me window on the calculator's corner, and its web link reaches
#   Wine's shell, whose winebrowser hands it to xdg-open (here a stand-in that notes it;
#   Wine's shell writes the address with a closing "/", the same address); its mail link
#   starts the mail program Windows names (here a command that notes its environment),
#   which inherits no Qt setting of the program's; OK closes that window;
# - EXIT ends the program with 0.
# Where UIA_CLIENT names uia_client.exe, what Windows' screen readers (NVDA, JAWS,
# Narrator) read through UI Automation is read by that client too, from the main
# window's handle (Wine 10 or later: Wine 8.0 gives a client the main window alone):
# - at start, every control by its name, CU with the focus, no result box;
# - after the ambient click, Return from the X server's keyboard presses the ambient
#   button again: its new caption has the focus, and the result box is there by its name;
# - each press announces its result once, without moving the focus: "Corrected ampacity
#   13.65 A", then "... 12.3 A", checked as Wine receives them (its fixme channel): Wine
#   10's UiaRaiseNotificationEvent takes them and hands a client none.
#   check_program_under_wine.sh BUILD_DIR [PICTURE.png [SAME_AS.png]]
# With PICTURE, the window after the ambient click is saved there (make screenshots), and
# with SAME_AS, it must be that picture, pixel for pixel. BRENVIK_WINE_WINDOWS names the
# Windows version Wine reports (win10, win11), if set: Qt's choice of style follows it.
# Exit 77 (skipped) where Wine, Xvfb, xdotool or ImageMagick is missing, or, with
# UIA_CLIENT, Wine is older than 10.
set -uo pipefail
. "$(dirname "$0")/../support/program.sh"
on_x 1280x1024 "$@"
build=$1 picture=${2:-} same_as=${3:-}
needs wine import compare
if [[ -n ${UIA_CLIENT:-} ]] && (($(wine --version | sed -n 's/^wine-\([0-9]*\).*/\1/p') < 10)); then
  echo "$(wine --version) gives a UI Automation client the main window alone: skipped"; exit 77
fi
cmake --install "$build" --prefix "$scratch/Brenvik" >/dev/null || { echo "failed: cmake --install"; exit 1; }
mkdir "$scratch/bin"
printf '#!/bin/sh\necho "xdg-open $*" >> "%s/opened"\n' "$scratch" >"$scratch/bin/xdg-open"
chmod +x "$scratch/bin/xdg-open"
export PATH=$scratch/bin:$PATH
unset QT_STYLE_OVERRIDE # the program picks its style itself

wineboot -i >/dev/null 2>&1 || { echo "failed: Wine could not make its prefix"; exit 1; }
mailer=$WINEPREFIX/drive_c/mailer-environment.txt
wine reg add 'HKCR\mailto\shell\open\command' /ve /d 'cmd /c set > C:\mailer-environment.txt' /f >/dev/null 2>&1
if [[ -n ${BRENVIK_WINE_WINDOWS:-} ]]; then # win10, win11: the style Qt picks follows it
  wine reg add 'HKCU\Software\Wine' /v Version /d "$BRENVIK_WINE_WINDOWS" /f >/dev/null 2>&1
fi
# Where a window is: "X Y WIDTH HEIGHT" of its client area.
place() { xdotool getwindowgeometry --shell "$1" | sed -n "s/^[XYWIDTHEG]*=//p" | tr "\n" " "; }

WINEDEBUG=-all,fixme+uiautomation wine "$scratch/Brenvik/brenvik.exe" 2>"$scratch/program.log" & pid=$!
main=$(window_named "$TITLE" 60) || { echo "failed: no window mapped"; kill $pid; exit 1; }
sleep 2 # Wine takes input a moment after the window maps
read -r x y width height <<<"$(place "$main")"
[[ $width -eq $CLIENT_WIDTH && $height -eq $CLIENT_HEIGHT ]] ||
  fail "client area $width x $height, not $CLIENT_WIDTH x $CLIENT_HEIGHT"
# The gap to the right is the outer one (the frame has no border there to speak of);
# above the client area stand the gap and the title bar, and the gap is half the outer
# height, title bar included.
right=$((1280 - x - width)) title=$((y - (1280 - x - width)))
((title > 0 && title <= 40 && 2 * right - height - title <= 8 && height + title - 2 * right <= 8)) ||
  fail "not at the upper right with equal gaps: client area at $x,$y"
echo "window mapped: client area $width x $height at $x,$y, below a title bar of $title px; gaps of $right px"

# tree FILE: the tree, as the client prints it, without the events it prints meanwhile.
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
  fail "the client gave no whole tree within a minute"
}
# focused TREE NAME: the control named NAME, and no other, has the focus in TREE.
focused() {
  local focused
  focused=$(grep ' focused$' "$1" | grep -v '^ *window ' | sed 's/^ *//; s/ focused$//')
  [[ $focused == "$2" ]] || fail "the focus on ${focused:-nothing}, not on $2 ($(basename "$1"))"
}
if [[ -n ${UIA_CLIENT:-} ]]; then
  coproc reader { wine "$UIA_CLIENT" "$TITLE" 2>/dev/null; }
  tree "$scratch/start"
  for name in "$TITLE" "Table 310.15(B)(16) / Table 310.16" "Select conductor and table" \
              "Ampacity with correction factors applied" "${START_NAMES[@]}" \
              "Ampacities of Insulated Conductors Rated Up to and Including 2000 Volts"; do
    grep -qF "\"$name" "$scratch/start" || fail "no \"$name\" in the tree at start"
  done
  grep -q '"Corrected ampacity"' "$scratch/start" && fail "the result box is in the tree before any correction"
  focused "$scratch/start" 'button "CU"'
fi

# The result box under the ambient button (3135, 2000 twips: 209, 133 px; 130 x 21),
# hidden at first, then with text in copper red (128, 0, 0) or near it.
reds() { import -window "$main" -crop 130x21+209+133 -depth 8 txt:- | grep -ciE "#[78][0-9a-f][0-2][0-9a-f][0-2][0-9a-f]\b"; }
shown() { (($(reds) > 10)); }
readme() { xdotool search --onlyvisible --name "About Brenvik" 2>/dev/null | head -n 1; }
open() { [[ -n $(readme) ]]; }
closed() { [[ -z $(readme) ]]; }
opened() { [[ -s $scratch/opened ]]; }
[[ $(reds) -eq 0 ]] || fail "a result shown before any correction"
click "$main" 274 101 shown || fail "no result shown after the ambient click"
[[ -n $picture ]] && import -window "$main" "$picture"
if [[ -n ${UIA_CLIENT:-} ]]; then
  xdotool windowfocus "$main" key Return
  for _ in 1 2 3 4 5; do # until the focus is on the new caption
    sleep 1
    tree "$scratch/pressed"
    grep -q 'Ambient 36-40.* focused$' "$scratch/pressed" && break
  done
  echo quit >&"${reader[1]}"
  grep -q '^ *edit "Corrected ampacity"$' "$scratch/pressed" || fail "no result box in the tree after the presses"
  focused "$scratch/pressed" 'button "Ambient 36-40°C (96-104°F)"'
  said=$(grep -o 'UiaRaiseNotificationEvent.*' "$scratch/program.log")
  for result in 13.65 12.3; do
    [[ $(grep -c "L\"Corrected ampacity $result A\"" <<<"$said") -eq 1 ]] ||
      fail "no \"Corrected ampacity $result A\" announced, or more than once: ${said:-nothing}"
  done
  [[ $failed -eq 0 ]] || cat "$scratch/start" "$scratch/pressed"
fi

if ! click "$main" 380 144 open; then # READ ME
  fail "READ ME opened no window"
else
  read -r rx ry _ _ <<<"$(place "$(readme)")"
  ((rx - x <= 4 && x - rx <= 4 && ry - y <= 4 && y - ry <= 4)) ||
    fail "the read-me window at $rx,$ry, not on the calculator's corner $x,$y"
  click "$(readme)" 236 541 test -s "$mailer" || fail "the mail link started no mail program"
  ! grep -a "^QT_" "$mailer" || fail "the mail program inherits the program's Qt settings"
  click "$(readme)" 236 466 opened # the web link
  grep -qxE "xdg-open https://www.tarnholm.example/?" "$scratch/opened" 2>/dev/null ||
    fail "the web link did not reach the desktop: $(cat "$scratch/opened" 2>/dev/null)"
  click "$(readme)" 236 578 closed || fail "OK left the read-me window open"
  echo "read-me window at $rx,$ry; its web link opened \"$(head -n 1 "$scratch/opened")\""
fi

exit_ends "$main" $pid
wineserver -k
if [[ -n $same_as ]]; then
  differ=$(compare -metric AE "$same_as" "$picture" null: 2>&1)
  [[ $differ == 0 ]] || fail "the window differs from $same_as in $differ pixels"
fi
exit $failed
