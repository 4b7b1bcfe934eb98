#!/usr/bin/env bash
# The Windows build as it is shipped:
# - its folder (as the ZIP holds it) carries the program, every DLL the program and those
#   DLLs import that Windows does not have, Qt's platform plugin and styles, and nothing
#   more; everything stripped; the program of the GUI subsystem (no console window), with
#   its icon, version record and manifest; and License.txt, Brenvik's terms and then the
#   licences of Qt, of the code by others in it and of the MinGW runtime, which the ZIP
#   holds as it is;
# - its installer (CPack's NSIS), with its own version record and DPI awareness, as an
#   administrator runs it silently under Wine on an X server (Xvfb), in one sequence: an
#   older installer (one file more) installs; this one installs over it and leaves
#   nothing of the older copy; the Settings › Apps entry tells the version, where it is,
#   its size and how to remove it silently; the Start-menu entry starts the program as a
#   click does, and EXIT ends it; that silent removal leaves no file, folder, shortcut or
#   registry key of Brenvik's or its maker's. Made with a throwaway code-signing
#   certificate named, the installer, its uninstaller and the program it installs are
#   signed with it.
#   check_windows_package.sh BUILD_DIR PROJECT_VERSION
# Exit 77 (skipped) where Wine, NSIS or Xvfb is missing.
set -uo pipefail
x_window=$(realpath "$(dirname "$0")/../support/x_window.sh")
build=$(realpath "$1") # it is used after a cd
. "$(dirname "$0")/../support/version.sh" "$2"
for tool in wine makensis xvfb-run xdotool unzip openssl osslsigncode; do
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
for plugin in platforms/qwindows.dll styles/qmodernwindowsstyle.dll; do
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
manifest=$(strings -n 8 brenvik.exe)
for text in 'level="asInvoker"' '{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}' '>PerMonitorV2<' 'Common-Controls" version="6.0.0.0"'; do
  [[ $manifest == *"$text"* ]] || fail "brenvik.exe's manifest lacks $text"
done
license=$(tr -d '\r' <License.txt 2>/dev/null)
[[ $license == $'\xef\xbb\xbf'"Brenvik $display_version"$'\n'* ]] || fail "License.txt does not start with Brenvik's terms"
for text in "TERMS OF USE" DISCLAIMER "GNU LESSER GENERAL PUBLIC LICENSE" "apt-get source qt6-base=" \
            HarfBuzz Freetype PCRE2 LibPNG zlib Binary-Decimal "GCC RUNTIME LIBRARY EXCEPTION" \
            winpthreads "GNU GENERAL PUBLIC LICENSE"; do
  [[ $license == *"$text"* ]] || fail "License.txt lacks \"$text\""
done
[[ $failed -eq 0 ]] && echo "folder: $(wc -w <<<"$all") files, $(du -sh . | cut -f1), all stripped, nothing missing or extra"
(cd "$build" && cpack -G ZIP -B "$scratch/zip" >/dev/null) || { echo "failed: cpack -G ZIP"; exit 1; }
unzip -p "$scratch"/zip/*.zip '*/License.txt' | cmp -s - License.txt || fail "the ZIP's License.txt is not the folder's"

# The installer, signed with a throwaway certificate, and an older one that ships one file
# more, for Wine in a prefix of its own.
openssl req -x509 -newkey rsa:2048 -nodes -keyout "$scratch/key.pem" -out "$scratch/cert.pem" \
  -subj "/CN=Brenvik test signer" -days 1 2>/dev/null && printf throwaway >"$scratch/password" &&
  openssl pkcs12 -export -inkey "$scratch/key.pem" -in "$scratch/cert.pem" -out "$scratch/cert.p12" \
    -passout "file:$scratch/password" || { echo "failed: no throwaway certificate"; exit 1; }
(cd "$build" && BRENVIK_SIGN_PKCS12=$scratch/cert.p12 BRENVIK_SIGN_PASSWORD_FILE=$scratch/password \
  cpack -G NSIS -B "$scratch/installer" >/dev/null) || { echo "failed: cpack -G NSIS"; exit 1; }
mkdir "$scratch/retired" && echo "shipped by the older copy alone" >"$scratch/retired/retired.txt"
(cd "$build" && cpack -G NSIS -B "$scratch/older" -D "CPACK_INSTALLED_DIRECTORIES=$scratch/retired;." >/dev/null) ||
  { echo "failed: cpack -G NSIS, the older installer"; exit 1; }
installer=$(ls "$scratch"/installer/*.exe) older=$(ls "$scratch"/older/*.exe)
details=$(strings -el "$installer")
for text in "$record_version" "Tarnholm Inc." "Brenvik $display_version installer"; do
  [[ $details == *"$text"* ]] || fail "the installer's version record lacks \"$text\""
done
[[ $(strings -n 8 "$installer") == *"<dpiAware"* ]] || fail "the installer is not DPI-aware"
signed() { osslsigncode verify -CAfile "$scratch/cert.pem" -in "$1" >/dev/null 2>&1; }
signed "$installer" || fail "the installer is not signed"
export WINEPREFIX=$scratch/wine WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
xvfb-run -a -s "-screen 0 1280x1024x24" bash -c '
  installer=$1 older=$2 display_version=$3 certificate=$4
  . "$5"
  wineboot -i >/dev/null 2>&1
  drive=$WINEPREFIX/drive_c
  installed="$drive/Program Files/Brenvik"
  menu="$drive/ProgramData/Microsoft/Windows/Start Menu/Programs/Brenvik"
  apps="HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Brenvik"
  failed=0
  fail() { echo "failed: $*"; failed=1; }
  wine "$older" /S >/dev/null 2>&1
  [[ -f $installed/retired.txt ]] || fail "the older installer did not install"
  wine "$installer" /S >/dev/null 2>&1
  [[ -f $installed/brenvik.exe && -f $installed/platforms/qwindows.dll && -f $installed/License.txt ]] ||
    fail "not installed in $installed"
  [[ -e $installed/retired.txt ]] && fail "installing over an older copy left what only the older one shipped"
  for file in brenvik.exe Uninstall.exe; do
    osslsigncode verify -CAfile "$certificate" -in "$installed/$file" >/dev/null 2>&1 || fail "the installed $file is not signed"
  done
  entry=$(wine reg query "$apps" 2>/dev/null | tr -d "\r")
  value() { sed -n "s/^ *$1 *REG_[A-Z_]* *//p" <<<"$entry"; }
  [[ $(value DisplayVersion) == "$display_version" ]] || fail "the Apps entry says version $(value DisplayVersion)"
  [[ $(value InstallLocation) == "C:\Program Files\Brenvik" ]] || fail "the Apps entry says it is in $(value InstallLocation)"
  size=$(( $(value EstimatedSize) )) folder=$(du -sk "$installed" | cut -f1)
  (( size > 0 && size * 10 >= folder * 9 && size * 10 <= folder * 11 )) ||
    fail "the Apps entry says $size KB; the folder holds $folder KB"
  for flag in NoModify NoRepair; do # numbers, as Windows reads them
    grep -qE "^ *$flag +REG_DWORD +0x1$" <<<"$entry" || fail "the Apps entry has no number $flag"
  done
  quiet=$(value QuietUninstallString)
  [[ $quiet == "\"C:\Program Files\Brenvik\Uninstall.exe\" /S" ]] || fail "the Apps entry removes it silently with [$quiet]"

  # The Start-menu entry, started as a click on it starts it.
  wine start "$(winepath -w "$menu/Brenvik.lnk")" >/dev/null 2>&1
  window=$(window_named "NEC 2017-2023 Brenvik" 30)
  gone() { [[ -z $(xdotool search --onlyvisible --name "NEC 2017-2023 Brenvik" 2>/dev/null) ]]; }
  if [[ -n $window ]]; then
    sleep 2 # Wine takes input a moment after the window maps
    click "$window" $EXIT_X $EXIT_Y gone || fail "still running after EXIT"
  else
    fail "the Start-menu entry started no window"
  fi

  # Removed as IT removes it: the Apps entry'"'"'s silent command.
  eval "wine $quiet" >/dev/null 2>&1
  for _ in $(seq 100); do [[ -e $installed || -e $menu ]] || break; sleep 0.2; done # it runs from a copy
  left=$(find "$drive" -iname "*brenvik*" -o -iname "*tarnholm*")
  [[ -n $left ]] && fail "the uninstaller left $(tr "\n" " " <<<"$left")"
  for key in "$apps" "HKLM\Software\Tarnholm Inc." "HKCU\Software\Tarnholm Inc."; do
    wine reg query "$key" >/dev/null 2>&1 && fail "the uninstaller left the registry key $key"
  done
  [[ $failed -eq 0 ]] && echo "installer: signed, installed over an older copy, in Settings › Apps as $size KB, started from the Start menu, ended by EXIT, uninstalled silently with nothing left"
  wineserver -k
  exit $failed
' installer "$installer" "$older" "$display_version" "$scratch/cert.pem" "$x_window" || failed=1
echo "installer $(basename "$installer"): $(du -h "$installer" | cut -f1)"
exit $failed
