#!/usr/bin/env bash
# Builds the Debian package from the build tree, unpacks it into a scratch folder and
# checks what a user's machine would get: the program, its desktop entry, AppStream
# metainfo, icons, copyright file, changelog and manual page, the dependencies, that both
# metadata files validate, that its bill of materials validates against CycloneDX's
# schema and lists each of its files as it is, and that lintian finds no error and no
# warning.
#   check_package.sh BUILD_DIR PROJECT_VERSION
set -euo pipefail
build=$1
. "$(dirname "$0")/../support/program.sh"
versions "$2"

(cd "$build" && cpack -G DEB -B "$scratch/out" >"$scratch/cpack.log" 2>&1) || { cat "$scratch/cpack.log"; exit 1; }
deb=$(ls "$scratch"/out/*.deb)
dpkg-deb -x "$deb" "$scratch/root"

check() { "$@" || fail "$*"; }
id=example.tarnholm.brenvik root=$scratch/root/usr
check test -x "$root/bin/brenvik"
check test -f "$root/share/icons/hicolor/scalable/apps/$id.svg"
for size in 16 32 48 64 128 256; do
  check test -f "$root/share/icons/hicolor/${size}x${size}/apps/$id.png"
done
check test -f "$root/share/doc/brenvik/copyright"
check gzip -t "$root/share/doc/brenvik/changelog.gz" "$root/share/man/man1/brenvik.1.gz"
check /usr/bin/python3 "$(dirname "$0")/../../packaging/bom-check.py" "$root/share/doc/brenvik/sbom.cdx.json" "$scratch/root"
extra=$(find "$scratch/root" -name 'tst_*' -o -name 'brenvik-*' -o -name '*.a')
[[ -z $extra ]] || fail "the package carries what is not the program's: $extra"
[[ $(dpkg-deb -f "$deb" Package) == brenvik ]] || fail "wrong package name"
[[ $(dpkg-deb -f "$deb" Version) == "$display_version" ]] || fail "wrong version"
depends=$(dpkg-deb -f "$deb" Depends)
for dependency in libqt6widgets6 libqt6gui6 libqt6core6 qt6-qpa-plugins libstdc++6; do
  [[ $depends == *"$dependency"* ]] || fail "Depends lacks $dependency: $depends"
done
check desktop-file-validate "$root/share/applications/$id.desktop"
appstreamcli validate --no-net --pedantic "$root/share/metainfo/$id.metainfo.xml" \
  >"$scratch/appstream.log" 2>&1 || { cat "$scratch/appstream.log"; fail appstreamcli; }
if grep -E '^[EW]: ' "$scratch/appstream.log"; then fail "the metainfo has errors or warnings"; fi
grep -q "<release version=\"$display_version\"" "$root/share/metainfo/$id.metainfo.xml" ||
  fail "metainfo lacks release $display_version"

lintian --pedantic "$deb" >"$scratch/lintian.log" 2>&1
if grep -E '^[EW]: ' "$scratch/lintian.log"; then fail "lintian finds errors or warnings"; fi

[[ $failed -eq 0 ]] && echo "package $(basename "$deb"): Depends: $depends"
exit $failed
