#!/bin/sh
# Signs a Windows program file in place with Brenvik's code-signing certificate, where
# one is named: BRENVIK_SIGN_PKCS12 names its PKCS#12 file, BRENVIK_SIGN_PASSWORD_FILE the
# file that holds its password. Where none is named it does nothing. Called for brenvik.exe
# as it is installed, and by makensis for the installer and its uninstaller. No
# time-stamping server is asked: none can be reached from where Brenvik is built.
#   sign.sh FILE URL        (URL: the maker's web site, which the signature names)
set -eu
[ -n "${BRENVIK_SIGN_PKCS12:-}" ] || exit 0
osslsigncode sign -pkcs12 "$BRENVIK_SIGN_PKCS12" -readpass "${BRENVIK_SIGN_PASSWORD_FILE:?names no password file}" \
  -h sha256 -n Brenvik -i "$2" -in "$1" -out "$1.signed" >/dev/null
mv "$1.signed" "$1"
