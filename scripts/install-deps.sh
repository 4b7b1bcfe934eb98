#!/usr/bin/env bash
# Installs the Debian packages a make target needs, and nothing more:
#   install-deps.sh build|run|test|package|reproducible|screenshots|robustness|bench|mutants|format|windows
# build: compiling; run: the fonts the windows are drawn in (and Xvfb where there is no
# display); package: Python to write its bill of materials; test: the checks of the
# package (lintian), its metadata and its bill of materials (jsonschema), Xvfb with xdotool
# and ImageMagick for the program's own window, Orca to hear it and read it (with the
# accessibility and session buses; no sound device is needed), and the
# desktops' platform themes the windows are tested under (GNOME's; KDE's where it exists
# for Qt 6);
# screenshots: Xvfb and GNOME's platform theme for the picture of a dark desktop;
# reproducible: git to check out the commit twice and diffoscope to show where two builds
# differ; robustness: clang with its fuzzing runtime, and valgrind; bench: Google Benchmark,
# Python, Xvfb, a window manager (openbox) and xdotool to minimize the window; mutants:
# Python; format: clang-format; windows: the MinGW-w64 cross compiler (posix threads, as
# Qt needs), dpkg-source for Qt's source package, Python to write the licence notices
# and the bill of materials (and jsonschema to check it),
# Wine to run and test the program (and fontTools to give it the faces Windows has), NSIS
# for its installer, osslsigncode to sign them where a certificate is named (and OpenSSL
# to make one for the test), unzip and 7-Zip to look into its ZIP and installer, and Xvfb with xdotool and
# ImageMagick to see its window under Wine, with a session bus of its own (dbus-daemon).
# Each target's list includes what building needs.
# Idempotent: packages already present are left alone, and the package lists are
# refreshed only when something is missing.
set -euo pipefail

build=(cmake g++ ninja-build make qt6-base-dev libxkbcommon-dev)
fonts=(fonts-liberation fonts-wine)
packaging=(dpkg-dev file python3)
checks=(desktop-file-utils appstream lintian xvfb xauth xdotool imagemagick
        orca speech-dispatcher at-spi2-core dbus-daemon python3-gi gir1.2-atspi-2.0 python3-jsonschema)
gnome=(qt6-gtk-platformtheme gnome-themes-extra)

packages=("${build[@]}")
case "${1:-build}" in
  build) ;;
  run)
    packages+=("${fonts[@]}")
    if [[ -z "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]]; then packages+=(xvfb xauth); fi ;;
  package) packages+=("${packaging[@]}") ;;
  reproducible) packages+=("${packaging[@]}" git diffoscope-minimal) ;;
  screenshots) packages+=("${fonts[@]}" "${gnome[@]}" xvfb xauth) ;;
  test | robustness) packages+=("${fonts[@]}" "${packaging[@]}" "${checks[@]}" "${gnome[@]}") ;;
  mutants) packages+=("${fonts[@]}" python3) ;;
  format) packages=(clang-format) ;;
  bench) packages+=("${fonts[@]}" libbenchmark-dev python3 xvfb xauth xdotool openbox) ;;
  windows) packages+=("${fonts[@]}" g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix dpkg-dev python3 python3-fonttools python3-jsonschema unzip 7zip osslsigncode openssl
                      wine wine64 nsis xvfb xauth xdotool imagemagick dbus-daemon) ;;
  *) echo "usage: $0 build|run|test|package|reproducible|screenshots|robustness|bench|mutants|format|windows" >&2; exit 2 ;;
esac
[[ "${1:-}" == robustness ]] && packages+=(clang valgrind)

sudo_cmd=()
if [[ $(id -u) -ne 0 ]]; then sudo_cmd=(sudo); fi
refreshed=false

# Installs those of the given packages that are missing.
install() {
  local missing=() pkg status
  for pkg in "$@"; do
    status=$(dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null || true)
    [[ "$status" == "install ok installed" ]] || missing+=("$pkg")
  done
  [[ ${#missing[@]} -eq 0 ]] && return 0
  echo "Installing missing packages: ${missing[*]}"
  if [[ ${#sudo_cmd[@]} -gt 0 ]] && ! command -v sudo >/dev/null 2>&1; then
    echo "error: need root or sudo to install: ${missing[*]}" >&2
    exit 1
  fi
  refresh
  DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

refresh() {
  if [[ $refreshed == false ]]; then
    "${sudo_cmd[@]}" apt-get update -qq
    refreshed=true
  fi
}

# KDE's platform theme, where the system packages it for Qt 6 (Debian 13; Debian 12's
# plasma-integration is for Qt 5).
kde_for_qt6() {
  local candidate
  candidate=$(apt-cache policy plasma-integration 2>/dev/null | awk '/Candidate:/ { print $2 }')
  if [[ -z "$candidate" || "$candidate" == "(none)" ]]; then
    refresh # no package lists yet
    candidate=$(apt-cache policy plasma-integration 2>/dev/null | awk '/Candidate:/ { print $2 }')
  fi
  dpkg --compare-versions "${candidate:-0}" ge 6 2>/dev/null
}
if [[ "${1:-}" == test || "${1:-}" == robustness ]] && kde_for_qt6; then
  packages+=(plasma-integration kde-style-breeze)
fi

install "${packages[@]}"

# libFuzzer's runtime comes with the clang the distribution ships, in a package whose name
# holds clang's major version: libclang-rt-N-dev (Debian 12, Ubuntu 24.04 and later) or,
# on older releases, libclang-common-N-dev.
if [[ "${1:-}" == robustness ]]; then
  fuzzer=$(clang -print-file-name=libclang_rt.fuzzer-x86_64.a)
  if [[ "$fuzzer" != /* ]]; then
    major=$(clang -dumpversion | cut -d. -f1)
    refresh
    runtime=libclang-common-$major-dev
    if apt-cache show "libclang-rt-$major-dev" >/dev/null 2>&1; then runtime=libclang-rt-$major-dev; fi
    install "$runtime"
  fi
fi
