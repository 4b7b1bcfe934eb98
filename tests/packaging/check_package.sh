#!/usr/bin/env bash
# Builds the Debian package from the build tree, unpacks it into a scratch folder and
# checks what a user's machine would get: the program, its desktop entry, AppStream
# metainfo, icons, copyright file, changelog and manual page, the dependencies, that both
# metadata files validate, and that lintian finds no error and no warning.
#   check_package.sh BUILD_DIR PROJECT_VERSION
set -euo pipefail
build=$1
. "$(dirname "$0")/../support/version.sh" "$2"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

(cd "$build" && cpack -G DEB -B "$work/out" >"$work/cpack.log" 2>&1) || { cat "$work/cpack.log"; exit 1; }
deb=$(ls "$work"/out/*.deb)
dpkg-deb -x "$deb" "$work/root"

failed=0
check() { if ! "$@"; then echo "failed: $*"; failed=1; fi; }
id=example.tarnholm.brenvik
check test -x "$work/root/usr/bin/brenvik"
check test -f "$work/root/usr/share/applications/$id.desktop"
check test -f "$work/root/usr/share/metainfo/$id.metainfo.xml"
check test -f "$work/root/usr/share/icons/hicolor/scalable/apps/$id.svg"
for size in 16 32 48 64 128 256; do
  check test -f "$work/root/usr/share/icons/hicolor/${size}x${size}/apps/$id.png"
done
check test -f "$work/root/usr/share/doc/brenvik/copyright"
check gzip -t "$work/root/usr/share/doc/brenvik/changelog.gz"
check gzip -t "$work/root/usr/share/man/man1/brenvik.1.gz"
files=$(cd "$work/root" && find . -type f | wc -l)
check test "$files" -eq 13 # nothing else: no tests, no tools
check grep -q 'ELF 64-bit' <(file "$work/root/usr/bin/brenvik")

[[ "$(dpkg-deb -f "$deb" Package)" == brenvik ]] || { echo "wrong package name"; failed=1; }
[[ "$(dpkg-deb -f "$deb" Version)" == "$display_version" ]] || { echo "wrong version"; failed=1; }
depends=$(dpkg-deb -f "$deb" Depends)
for dependency in libqt6widgets6 libqt6gui6 libqt6core6 qt6-qpa-plugins libstdc++6; do
  [[ "$depends" == *"$dependency"* ]] || { echo "Depends lacks $dependency: $depends"; failed=1; }
done

check desktop-file-validate "$work/root/usr/share/applications/$id.desktop"
appstreamcli validate --no-net --pedantic "$work/root/usr/share/metainfo/$id.metainfo.xml" \
  >"$work/appstream.log" 2>&1 || { cat "$work/appstream.log"; failed=1; }
if grep -E '^[EW]: ' "$work/appstream.log"; then echo "the metainfo has errors or warnings"; failed=1; fi
grep -q "<release version=\"$display_version\"" "$work/root/usr/share/metainfo/$id.metainfo.xml" \
  || { echo "metainfo lacks release $display_version"; failed=1; }

lintian --pedantic "$deb" >"$work/lintian.log" 2>&1
if grep -E '^[EW]: ' "$work/lintian.log"; then echo "lintian finds errors or warnings"; failed=1; fi

[[ $failed -eq 0 ]] && echo "package $(basename "$deb"): $files files, Depends: $depends"
exit $failed
