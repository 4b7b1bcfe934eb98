#!/usr/bin/env bash
# Brenvik for 64-bit Windows, cross-built from Debian 13's own packages and tested under
# its Wine 10, in the Debian 13 that packaging/windows/debian13.sh keeps in the cache (whatever
# Debian the machine runs):
#   build.sh all      that Debian 13 where there is none (a few minutes, once), Qt for
#                     Windows where the cache has none (packaging/windows/qt.sh, about half an
#                     hour on two cores, once), then the program and its tests, its folder,
#                     ZIP and installer, then the tests under Wine (make windows)
#   build.sh test     the program and its tests under Wine where both are there; never
#                     makes either: says so and stops where one is not (make windows-test)
#   build.sh package  as all, but only the program, its folder, ZIP and installer: no
#                     tests (make reproducible)
# The build tree is $BUILD_DIR (build-windows unless set); the folder, the ZIP and the
# installer land in it as brenvik-VERSION-win64, .zip and .exe.
set -euo pipefail
cd "$(dirname "$0")/../.."
mode=${1:-all}
build=${BUILD_DIR:-build-windows}
say() { echo "windows: $*"; }

. packaging/windows/steps.sh

# On the machine itself: the same, in the Debian 13 of the Windows build (which installs
# there what install-deps.sh windows names before it runs this).
if [[ ! -f /etc/brenvik-windows-env ]]; then
  if [[ $mode == test ]]; then
    if ! env=$(packaging/windows/debian13.sh check 2>&1); then
      say "the tests of the Windows build are skipped: $env"
      exit 0
    fi
  else
    make_env() { packaging/windows/debian13.sh make >/dev/null; }
    step "the Debian 13 of the Windows build" make_env
  fi
  exec packaging/windows/debian13.sh run packaging/windows/build.sh "$mode"
fi

if [[ $mode == test ]]; then
  if ! qt=$(packaging/windows/qt.sh --check 2>&1); then
    say "the tests of the Windows build are skipped: $qt"
    exit 0
  fi
else
  qt=$(packaging/windows/qt.sh)
fi

# Configured afresh where the tree was made against another Qt for Windows.
configure() {
  local fresh=()
  [[ -f $build/CMakeCache.txt ]] && ! grep -qx "BRENVIK_WINDOWS_QT:[A-Z]*=$qt" "$build/CMakeCache.txt" &&
    fresh=(--fresh)
  BRENVIK_WINDOWS_QT=$qt cmake --preset windows -B "$build" "${fresh[@]}" >"$build/configure.log" 2>&1 ||
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
if [[ $mode == package ]]; then
  step "building the program" cmake --build "$build" --target brenvik
else
  step "building the program and its tests" cmake --build "$build"
fi
[[ $mode == test ]] || step "making the folder, the ZIP and the installer" package
[[ $mode == package ]] || step "testing under Wine $(wine --version 2>/dev/null)" tests
