#!/usr/bin/env bash
# The Windows build as it is shipped:
# - its folder (as the ZIP holds it) carries the program, Qt's platform plugin and styles
#   (that it starts from the folder is checked under Wine); everything stripped; the
#   program of the GUI subsystem (no console window), with
#   its icon, version record and manifest; and License.txt, Brenvik's terms and then the
#   licences of Qt, of the code by others in it and of the MinGW runtime; its bill of
#   materials, which validates against CycloneDX's schema and lists each file of the
#   folder as it is; the ZIP holds the folder byte for byte;
# - its installer (CPack's NSIS), with its own version record and DPI awareness, as an
#   administrator runs it silently under Wine on an X server (Xvfb), in one sequence: an
#   older installer (one file more) installs; this one installs over it, leaves nothing
#   of the older copy, and installs each file its bill of materials lists; the Settings › Apps entry tells the version, where it is,
#   its size and how to remove it silently; the Start-menu entry starts the program as a
#   click does; that silent removal leaves no file, folder, shortcut or
#   registry key of Brenvik's or its maker's. Made with a throwaway code-signing
#   certificate named, the installer, its uninstaller and the program it installs are
#   signed with it, and the signature is all that differs from the unsigned folder
#   (packaging/windows/check-signed.sh).
#   check_windows_package.sh BUILD_DIR PROJECT_VERSION
# Exit 77 (skipped) where Wine, NSIS or Xvfb is missing.
set -uo pipefail
. "$(dirname "$0")/../support/program.sh"
on_x 1280x1024 "$@"
build=$(realpath "$1") # it is used after a cd
versions "$2"
needs wine makensis unzip openssl osslsigncode

folder=$scratch/folder
cmake --install "$build" --prefix "$folder" --strip >/dev/null || { echo "failed: cmake --install"; exit 1; }
cd "$folder" || exit 1
[[ -f platforms/qwindows.dll && -f styles/qmodernwindowsstyle.dll ]] || fail "Qt's platform or styles not shipped"
all=$(find . -name '*.exe' -o -name '*.dll')
x86_64-w64-mingw32-objdump -h $all | grep -q '\.debug_' && fail "not everything is stripped"
headers=$(x86_64-w64-mingw32-objdump -p brenvik.exe)
[[ $headers == *"Subsystem"*"(Windows GUI)"* ]] || fail "brenvik.exe is not of the GUI subsystem"
[[ $headers == *"IDI_ICON1"* ]] || fail "brenvik.exe carries no icon"
texts=$(strings -el brenvik.exe)
for text in "$record_version" "$MAKER" "For 32 bit and higher Windows OS"; do
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
/usr/bin/python3 "$(dirname "$0")/../../packaging/bom-check.py" sbom.cdx.json . || fail "the bill of materials"
(cd "$build" && cpack -G ZIP -B "$scratch/zip" >/dev/null) || { echo "failed: cpack -G ZIP"; exit 1; }
unzip -qd "$scratch/unzipped" "$scratch"/zip/*.zip && diff -r "$scratch"/unzipped/* . || fail "the ZIP does not hold the folder"

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
"$(dirname "$0")/../../packaging/windows/check-signed.sh" "$installer" "$folder" "$scratch/cert.pem" || fail "check-signed.sh"
details=$(strings -el "$installer")
for text in "$record_version" "$MAKER" "Brenvik $display_version installer"; do
  [[ $details == *"$text"* ]] || fail "the installer's version record lacks \"$text\""
done
[[ $(strings -n 8 "$installer") == *"<dpiAware"* ]] || fail "the installer is not DPI-aware"
wineboot -i >/dev/null 2>&1
drive=$WINEPREFIX/drive_c
installed="$drive/Program Files/Brenvik"
menu="$drive/ProgramData/Microsoft/Windows/Start Menu/Programs/Brenvik"
apps="HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Brenvik"
wine "$older" /S >/dev/null 2>&1
[[ -f $installed/retired.txt ]] || fail "the older installer did not install"
wine "$installer" /S >/dev/null 2>&1
/usr/bin/python3 "$(dirname "$0")/../../packaging/bom-check.py" "$installed/sbom.cdx.json" "$installed" ||
  fail "not installed in $installed as its bill of materials says"
[[ -e $installed/retired.txt ]] && fail "installing over an older copy left what only the older one shipped"
for file in "$installer" "$installed/brenvik.exe" "$installed/Uninstall.exe"; do
  osslsigncode verify -CAfile "$scratch/cert.pem" -in "$file" >/dev/null 2>&1 || fail "$(basename "$file") is not signed"
done
entry=$(wine reg query "$apps" 2>/dev/null | tr -d "\r")
value() { sed -n "s/^ *$1 *REG_[A-Z_]* *//p" <<<"$entry"; }
[[ $(value DisplayVersion) == "$display_version" ]] || fail "the Apps entry says version $(value DisplayVersion)"
[[ $(value InstallLocation) == "C:\Program Files\Brenvik" ]] || fail "the Apps entry says it is in $(value InstallLocation)"
size=$(( $(value EstimatedSize) )) kb=$(du -sk "$installed" | cut -f1)
(( size > 0 && size * 10 >= kb * 9 && size * 10 <= kb * 11 )) ||
  fail "the Apps entry says $size KB; the folder holds $kb KB"
for flag in NoModify NoRepair; do # numbers, as Windows reads them
  grep -qE "^ *$flag +REG_DWORD +0x1$" <<<"$entry" || fail "the Apps entry has no number $flag"
done
quiet=$(value QuietUninstallString)
[[ $quiet == "\"C:\Program Files\Brenvik\Uninstall.exe\" /S" ]] || fail "the Apps entry removes it silently with [$quiet]"

# The Start-menu entry, started as a click on it starts it.
wine start "$(winepath -w "$menu/Brenvik.lnk")" >/dev/null 2>&1
window_named "$TITLE" 30 >/dev/null || fail "the Start-menu entry started no window"
wineserver -k

# Removed as IT removes it: the Apps entry's silent command.
eval "wine $quiet" >/dev/null 2>&1
for _ in $(seq 100); do [[ -e $installed || -e $menu ]] || break; sleep 0.2; done # it runs from a copy
left=$(find "$drive" -iname "*brenvik*" -o -iname "*tarnholm*")
[[ -n $left ]] && fail "the uninstaller left $(tr "\n" " " <<<"$left")"
for key in "$apps" "HKLM\\Software\\$MAKER" "HKCU\\Software\\$MAKER"; do
  wine reg query "$key" >/dev/null 2>&1 && fail "the uninstaller left the registry key $key"
done
wineserver -k
[[ $failed -eq 0 ]] && echo "installer $(basename "$installer"), $(du -h "$installer" | cut -f1): signed, installed over an older copy, in Settings › Apps as $size KB, started from the Start menu, uninstalled silently with nothing left"
exit $failed
