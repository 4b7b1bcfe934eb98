#!/usr/bin/env bash
# The Windows build as it is shipped:
# - its folder (as the ZIP holds it) carries the program, every DLL the program and those
#   DLLs import that Windows does not have, Qt's platform plugin and styles, and nothing
#   more; everything stripped; the program of the GUI subsystem (no console window), with
#   its icon and version record;
# - its installer (CPack's NSIS), run silently under Wine on an X server (Xvfb), puts the
#   program in Program Files with a Start-menu entry; the program starts from there; the
#   uninstaller takes the folder and the entry away again.
#   check_windows_package.sh BUILD_DIR PROJECT_VERSION
# Exit 77 (skipped) where Wine, NSIS or Xvfb is missing.
set -uo pipefail
x_window=$(realpath "$(dirname "$0")/../support/x_window.sh")
build=$(realpath "$1") # it is used after a cd
. "$(dirname "$0")/../support/version.sh" "$2"
for tool in wine makensis xvfb-run xdotool; do
  command -v $tool >/dev/null || { echo "no $tool: skipped"; exit 77; }
done
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
failed=0
fail() { echo "failed: $*"; failed=1; }

folder=$scratch/folder
cmake --install "$build" --prefix "$folder" --strip >/dev/null || { echo "failed: cmake --install"; exit 1; }
cd "$folder" || exit 1

# What each file imports, one "FILE DLL" line an import.
imports() { x86_64-w64-mingw32-objdump -p "$1" | sed -n "s|^\tDLL Name: |$1 |p"; }
all=$(find . -name '*.exe' -o -name '*.dll' | sed 's|^\./||' | sort)
imported=$(for file in $all; do imports "$file"; done)
expected="KERNEL32.dll SHELL32.dll Qt6Core.dll Qt6Gui.dll Qt6Widgets.dll libgcc_s_seh-1.dll libstdc++-6.dll msvcrt.dll"
program=$(imports brenvik.exe | cut -d' ' -f2 | sort | xargs)
[[ "$program" == "$(tr ' ' '\n' <<<"$expected" | sort | xargs)" ]] ||
  fail "brenvik.exe imports $program; expected $expected"
# Every DLL imported that is not Windows' own is shipped, and every DLL shipped beside the
# program is imported (the plugins are loaded by Qt, not imported).
for dll in $(cut -d' ' -f2 <<<"$imported" | grep -E '^(Qt6|lib)' | sort -u); do
  [[ -f $dll ]] || fail "$dll is imported ($(grep " $dll\$" <<<"$imported" | cut -d' ' -f1 | tr '\n' ' ')) but not shipped"
done
for dll in *.dll; do
  grep -q " $dll\$" <<<"$imported" || fail "$dll is shipped but nothing imports it"
done
for plugin in platforms/qwindows.dll styles/qwindowsvistastyle.dll; do
  [[ -f $plugin ]] || fail "$plugin is not shipped"
done
for file in $all; do
  [[ $(x86_64-w64-mingw32-objdump -h "$file") == *.debug_* ]] && fail "$file is not stripped"
done
headers=$(x86_64-w64-mingw32-objdump -p brenvik.exe)
[[ $headers == *"Subsystem"*"(Windows GUI)"* ]] || fail "brenvik.exe is not of the GUI subsystem"
[[ $headers == *"IDI_ICON1"* ]] || fail "brenvik.exe carries no icon"
texts=$(strings -el brenvik.exe)
for text in "$record_version" "Tarnholm Inc." "For 32 bit and higher Windows OS"; do
  [[ $texts == *"$text"* ]] || fail "brenvik.exe's version record lacks \"$text\""
done
[[ $failed -eq 0 ]] && echo "folder: $(wc -w <<<"$all") files, $(du -sh . | cut -f1), all stripped, nothing missing or extra"

# The installer, under Wine in a prefix of its own.
(cd "$build" && cpack -G NSIS -B "$scratch/installer" >/dev/null) || { echo "failed: cpack -G NSIS"; exit 1; }
installer=$(ls "$scratch"/installer/*.exe)
export WINEPREFIX=$scratch/wine WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
xvfb-run -a -s "-screen 0 1280x1024x24" bash -c '
  installer=$1
  . "$2"
  wineboot -i >/dev/null 2>&1
  drive=$WINEPREFIX/drive_c
  installed="$drive/Program Files/Brenvik"
  menu="$drive/ProgramData/Microsoft/Windows/Start Menu/Programs/Brenvik"
  failed=0
  fail() { echo "failed: $*"; failed=1; }
  wine "$installer" /S >/dev/null 2>&1
  [[ -f $installed/brenvik.exe && -f $installed/platforms/qwindows.dll ]] || fail "not installed in $installed"
  [[ -f $menu/Brenvik.lnk ]] || fail "no Start-menu entry: $(ls "$menu" 2>&1)"
  wine "C:\\Program Files\\Brenvik\\brenvik.exe" >/dev/null 2>&1 & pid=$!
  window=$(window_named "NEC 2017-2023 Brenvik" 30)
  ended() { ! kill -0 $pid 2>/dev/null; }
  if [[ -n $window ]]; then
    sleep 2 # Wine takes input a moment after the window maps
    click "$window" $EXIT_X $EXIT_Y ended || { fail "still running after EXIT"; kill $pid; } # EXIT
  else
    fail "the installed program mapped no window"; kill $pid
  fi
  wine "C:\\Program Files\\Brenvik\\Uninstall.exe" /S >/dev/null 2>&1
  for _ in $(seq 100); do [[ -e $installed || -e $menu ]] || break; sleep 0.2; done # it runs from a copy
  [[ -e $installed ]] && fail "the uninstaller left $(find "$installed" | head -n 5 | tr "\n" " ")"
  [[ -e $menu ]] && fail "the uninstaller left the Start-menu entry"
  [[ $failed -eq 0 ]] && echo "installer: installed, started from Program Files, ended by EXIT, uninstalled whole"
  wineserver -k
  exit $failed
' installer "$installer" "$x_window" || failed=1
echo "installer $(basename "$installer"): $(du -h "$installer" | cut -f1)"
exit $failed
