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
#   check_program_under_wine.sh BUILD_DIR [PICTURE.png [SAME_AS.png]]
# With PICTURE, the window after the ambient click is saved there (make screenshots), and
# with SAME_AS, it must be that picture, pixel for pixel. BRENVIK_WINE_WINDOWS names the
# Windows version Wine reports (win10, win11), if set: Qt's choice of style follows it.
# Exit 77 (skipped) where Wine, Xvfb, xdotool or ImageMagick is missing.
set -uo pipefail
. "$(dirname "$0")/../support/program.sh"
on_x 1280x1024 "$@"
build=$1 picture=${2:-} same_as=${3:-}
needs wine import compare
cmake --install "$build" --prefix "$scratch/Brenvik" >/dev/null || { echo "failed: cmake --install"; exit 1; }
mkdir "$scratch/bin"
for opener in xdg-open xdg-email; do
  printf '#!/bin/sh\necho "%s $*" >> "%s/opened"\n' "$opener" "$scratch" >"$scratch/bin/$opener"
  chmod +x "$scratch/bin/$opener"
done
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

wine "$scratch/Brenvik/brenvik.exe" & pid=$!
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

# The result box under the ambient button (3135, 2000 twips: 209, 133 px; 130 x 21),
# hidden at first, then with text in copper red (128, 0, 0) or near it.
reds() { import -window "$main" -crop 130x21+209+133 -depth 8 txt:- | grep -ciE "#[78][0-9a-f][0-2][0-9a-f][0-2][0-9a-f]\b"; }
shown() { (($(reds) > 10)); }
readme() { xdotool search --onlyvisible --name "About Brenvik" 2>/dev/null | head -n 1; }
open() { [[ -n $(readme) ]]; }
closed() { [[ -z $(readme) ]]; }
opened() { [[ -s $scratch/opened ]]; }
ended() { ! kill -0 $pid 2>/dev/null; }
[[ $(reds) -eq 0 ]] || fail "a result shown before any correction"
click "$main" 274 101 shown || fail "no result shown after the ambient click"
[[ -n $picture ]] && import -window "$main" "$picture"

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

if click "$main" $EXIT_X $EXIT_Y ended; then
  wait $pid; status=$?
  [[ $status -eq 0 ]] && echo "EXIT ended the program" || fail "status $status after EXIT"
else
  fail "still running after EXIT"
fi
wineserver -k
if [[ -n $same_as ]]; then
  differ=$(compare -metric AE "$same_as" "$picture" null: 2>&1)
  [[ $differ == 0 ]] || fail "the window differs from $same_as in $differ pixels"
fi
exit $failed
