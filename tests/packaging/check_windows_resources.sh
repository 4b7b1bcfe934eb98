#!/usr/bin/env bash
# Compiles the program's Windows resource script with a resource compiler (windres from
# Debian's binutils-mingw-w64-x86-64), decompiles the result and checks the version
# record, the application manifest and the icon in it.
#   check_windows_resources.sh RC_FILE PROJECT_VERSION
# Exit 77 (skipped) where no resource compiler is installed.
set -euo pipefail
rc_file=$1
. "$(dirname "$0")/../support/version.sh" "$2"
windres=$(command -v x86_64-w64-mingw32-windres || command -v windres || true)
if [[ -z "$windres" ]]; then
  echo "no resource compiler (windres) installed: skipped"
  exit 77
fi
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

"$windres" --preprocessor=cpp -i "$rc_file" -o "$work/brenvik.res" -O res
"$windres" -J res -i "$work/brenvik.res" -O rc > "$work/decompiled.rc"

failed=0
expect() {
  if ! grep -qF -- "$1" "$work/decompiled.rc"; then
    echo "missing from the compiled resources: $1"
    failed=1
  fi
}
expect "FILEVERSION $record_numbers"
expect "PRODUCTVERSION $record_numbers"
expect 'BLOCK "040904B0"'
expect 'VALUE "Comments", "For 32 bit and higher Windows OS"'
expect 'VALUE "CompanyName", "Tarnholm Inc."'
expect 'VALUE "FileDescription", "Brenvik"'
expect "VALUE \"FileVersion\", \"$record_version\""
expect 'VALUE "InternalName", "Brenvik"'
expect 'VALUE "OriginalFilename", "Brenvik.exe"'
expect 'VALUE "ProductName", "Brenvik"'
expect "VALUE \"ProductVersion\", \"$record_version\""
expect "$copyright_years Tarnholm Inc.\""
expect 'VALUE "Translation", 0x409, 1200'
expect 'Has 8 elements' # the icon group: 16, 20, 24, 32, 40, 48, 64 and 256 px
# The application manifest: the user's rights, Windows 10 and 11, per-monitor DPI
# awareness v2, Common Controls 6.
expect '1 24 /* RT_MANIFEST */'
expect 'level=""asInvoker""'
expect 'supportedOS Id=""{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}""'
expect '>PerMonitorV2</dpiAwareness>'
expect 'name=""Microsoft.Windows.Common-Controls"" version=""6.0.0.0""'
[[ $failed -eq 0 ]] && echo "resource script compiles; version record, manifest and icon present"
exit $failed
