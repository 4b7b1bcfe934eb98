#!/usr/bin/env bash
# tst_looks' checks of what fits, as a Windows user sees it: on Qt's Windows platform under
# Wine on an X server, with the faces Wine gives a program and Arial's metric twin under
# its name, at 100, 125, 150 and 200 % (Wine's LogPixels 96, 120, 144 and 192); first
# without Microsoft Sans Serif (as under Wine), then with a face registered under that
# name (the path every Windows 10 and 11 takes).
#   looks_under_wine.sh QT_PREFIX TST_LOOKS.exe TEST_FUNCTION...
# Exit 77 (skipped) where Wine, Xvfb or fontTools is missing.
set -uo pipefail
here=$(realpath "$(dirname "$0")")
for tool in wine xvfb-run python3; do
  command -v $tool >/dev/null || { echo "no $tool: skipped"; exit 77; }
done
python3 -c "import fontTools" 2>/dev/null || { echo "no fontTools: skipped"; exit 77; }
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
export WINEPREFIX=$scratch/wine WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
unset QT_QPA_PLATFORM QT_SCALE_FACTOR
xvfb-run -a -s "-screen 0 2560x1600x24" bash -c '
  here=$1
  shift
  . "$here/../support/wine_fonts.sh"
  wineboot -i >/dev/null 2>&1 || { echo "failed: Wine could not make its prefix"; exit 1; }
  failed=0
  for faces in "no Microsoft Sans Serif" "Microsoft Sans Serif"; do
    if [[ $faces == no* ]]; then windows_faces; else windows_faces microsoft; fi ||
      { echo "failed: the faces could not be given to Wine"; exit 1; }
    for dpi in 96 120 144 192; do
      wine reg add "HKCU\\Control Panel\\Desktop" /v LogPixels /t REG_DWORD /d $dpi /f >/dev/null 2>&1
      wineserver -k; wineserver -w
      log=$(SCREEN_SCALE=$(awk "BEGIN { print $dpi / 96 }") \
            "$here/../../scripts/under-wine.sh" "$@" -platform windows 2>&1)
      if [[ $? -eq 0 ]]; then
        echo "$dpi dpi, $faces: every text whole"
      else
        failed=1
        echo "FAILED at $dpi dpi, $faces:"
        grep -a "^FAIL" <<<"$log" || echo "$log"
      fi
    done
  done
  wineserver -k
  exit $failed
' looks "$here" "$@"
