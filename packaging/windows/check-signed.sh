#!/usr/bin/env bash
# Checks a signed Brenvik for Windows, installer or ZIP, against the folder of an unsigned
# build of the same commit (make windows, or make reproducible): unpacked, it must hold
# the same files, byte for byte, once the signature of its brenvik.exe is put on the
# rebuilt one (osslsigncode attach-signature, which checks that signature too), so the
# signature is all that differs. Its bill of materials, which lists the signed program,
# is checked against the files it came with instead. The signatures of the installer and
# of its uninstaller are Windows' to check (the file's Properties › Digital Signatures),
# or osslsigncode verify's.
#   check-signed.sh SIGNED FOLDER [CA_FILE]   (CA_FILE: the certificates the signature is
#                                              checked against; the system's unless named)
set -euo pipefail
signed=$(realpath "$1") folder=$(realpath "$2") authorities=${3:-/etc/ssl/certs/ca-certificates.crt}
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
fail() { echo "check-signed: $*" >&2; exit 1; }

case $signed in
  *.zip) unzip -q -d "$scratch/in" "$signed" && mv "$scratch"/in/* "$scratch/unpacked" ;;
  *.exe) "$(command -v 7z || command -v 7zz)" x -o"$scratch/unpacked" "$signed" >/dev/null ;; # 7-Zip reads NSIS
  *) fail "$signed is neither an installer (.exe) nor a ZIP" ;;
esac
cd "$scratch/unpacked"
rm -rf '$PLUGINSDIR' Uninstall.exe # the installer's own, and the uninstaller it writes
osslsigncode extract-signature -in brenvik.exe -out "$scratch/signature" >/dev/null ||
  fail "brenvik.exe in $signed carries no signature"
osslsigncode attach-signature -sigin "$scratch/signature" -CAfile "$authorities" \
  -in "$folder/brenvik.exe" -out "$scratch/brenvik.exe" >/dev/null ||
  fail "brenvik.exe's signature does not verify, or is not over the rebuilt brenvik.exe"
differ=$(diff -rq --exclude=sbom.cdx.json "$folder" . | sed "s|$folder/||; s|^Files \(.*\) and .* differ$|\1|" |
         grep -vx brenvik.exe || true)
[[ -z $differ ]] || fail "not the same as the rebuilt folder: $differ"
cmp -s "$scratch/brenvik.exe" brenvik.exe || fail "brenvik.exe differs by more than its signature"
"$(dirname "$0")/../bom-check.py" sbom.cdx.json . >/dev/null || fail "its bill of materials is not of its files"
echo "$(basename "$signed"): the rebuilt folder's files, byte for byte, and the signature of brenvik.exe"
