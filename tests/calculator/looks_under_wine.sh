#!/usr/bin/env bash
# tst_looks' checks of what fits, as a Windows user sees it: on Qt's Windows platform under
# Wine on an X server, with the faces Wine gives a program, at 100, 125, 150 and 200 %
# (Wine's LogPixels 96, 120, 144 and 192); first without Microsoft Sans Serif (as under
# Wine), then with a face registered under that name (the path every Windows 10 and 11
# takes).
#   looks_under_wine.sh UNDER_WINE TST_LOOKS.exe TEST_FUNCTION...
# UNDER_WINE is the command that runs a program of the build under Wine.
# Exit 77 (skipped) where Wine, Xvfb or fontTools is missing.
set -uo pipefail
support=$(realpath "$(dirname "$0")/../support")
. "$support/program.sh"
. "$support/wine_fonts.sh"
on_x 2560x1600 "$@"
needs wine python3
python3 -c "import fontTools" 2>/dev/null || { echo "no fontTools: skipped"; exit 77; }
unset QT_QPA_PLATFORM QT_SCALE_FACTOR
wineboot -i >/dev/null 2>&1 || { echo "failed: Wine could not make its prefix"; exit 1; }
for faces in "no Microsoft Sans Serif" "Microsoft Sans Serif"; do
  if [[ $faces != no* ]]; then
    microsoft_sans_serif || { echo "failed: no Microsoft Sans Serif could be given to Wine"; exit 1; }
  fi
  for dpi in 96 120 144 192; do
    wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d $dpi /f >/dev/null 2>&1
    wineserver -k; wineserver -w
    if log=$(SCREEN_SCALE=$(awk "BEGIN { print $dpi / 96 }") "$@" -platform windows 2>&1); then
      echo "$dpi dpi, $faces: every text whole"
    else
      fail "at $dpi dpi, $faces:"
      grep -a "^FAIL" <<<"$log" || echo "$log"
    fi
  done
done
wineserver -k
exit $failed
