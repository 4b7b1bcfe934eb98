#!/usr/bin/env bash
# Compiles the program's Windows resource script with a resource compiler (windres from
# Debian's binutils-mingw-w64-x86-64), decompiles the result and checks the version
# record and the icon in it.
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
expect 'Has 4 elements' # the icon group: 16, 32, 48 and 256 px
[[ $failed -eq 0 ]] && echo "resource script compiles; version record and icon present"
exit $failed
