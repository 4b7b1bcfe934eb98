#!/usr/bin/env bash
# Brenvik for 64-bit Windows, cross-built on Debian from Debian's own packages and tested
# under Wine:
#   windows.sh all    Qt for Windows where the cache has none (scripts/windows-qt.sh, about
#                     half an hour on two cores, once), then the program and its tests, its
#                     folder, ZIP and installer, then the tests under Wine (make windows)
#   windows.sh test   the program and its tests under Wine where the cached Qt is there;
#                     never builds Qt: says so and stops where it is not (make windows-test)
# The build tree is $BUILD_DIR (build-windows unless set); the folder, the ZIP and the
# installer land in it as brenvik-VERSION-win64, .zip and .exe.
set -euo pipefail
cd "$(dirname "$0")/.."
mode=${1:-all}
build=${BUILD_DIR:-build-windows}
say() { echo "windows: $*"; }

. scripts/step.sh

if [[ $mode == test ]]; then
  if ! qt=$(scripts/windows-qt.sh --check 2>&1); then
    say "the tests of the Windows build are skipped: $qt"
    exit 0
  fi
  scripts/install-deps.sh windows
else
  scripts/install-deps.sh windows
  qt=$(scripts/windows-qt.sh)
fi

configure() {
  cmake -S . -B "$build" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$PWD/cmake/mingw-w64-x86_64.cmake" \
    -DBRENVIK_WINDOWS_QT="$qt" -DCMAKE_BUILD_TYPE=RelWithDebInfo >"$build/configure.log" 2>&1 ||
    { cat "$build/configure.log"; return 1; }
}

# The folder, as the ZIP holds it, then the ZIP and the installer.
package() {
  local folder version
  version=$(sed -n 's/^set(CPACK_PACKAGE_FILE_NAME "\(.*\)")$/\1/p' "$build/CPackConfig.cmake")
  folder=$build/$version
  rm -rf "$folder"
  cmake --install "$build" --prefix "$folder" --strip >/dev/null
  (cd "$build" && cpack >/dev/null)
  say "$(du -sh "$folder" | cut -f1) in $folder; $(du -h "$build/$version.zip" | cut -f1) $build/$version.zip;" \
      "$(du -h "$build/$version.exe" | cut -f1) $build/$version.exe"
}

tests() {
  (cd "$build" && ctest --output-on-failure -j"$(nproc)")
}

mkdir -p "$build"
step "configuring the program for Windows" configure
step "building the program and its tests" cmake --build "$build"
[[ $mode == test ]] || step "making the folder, the ZIP and the installer" package
step "testing under Wine $(wine --version 2>/dev/null)" tests
