#!/usr/bin/env bash
# Installs the Debian packages that building, testing and running Brenvik need; with
# the argument "robustness", also those of the fuzzing, sanitizer and valgrind runs;
# with "bench", those of the benchmarks.
# Idempotent: packages already present are left alone, and the package lists are
# refreshed only when something is missing.
set -euo pipefail

packages=(
  cmake g++ ninja-build make dpkg-dev file
  binutils-mingw-w64-x86-64
  qt6-base-dev libxkbcommon-dev
  xvfb xauth
  desktop-file-utils appstream
  fonts-liberation fonts-wine
)
case "${1:-}" in
  robustness) packages+=(clang libclang-rt-14-dev valgrind) ;;
  bench) packages+=(libbenchmark-dev python3) ;;
esac

missing=()
for pkg in "${packages[@]}"; do
  status=$(dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null || true)
  [[ "$status" == "install ok installed" ]] || missing+=("$pkg")
done

[[ ${#missing[@]} -eq 0 ]] && exit 0

echo "Installing missing packages: ${missing[*]}"
sudo_cmd=()
if [[ $(id -u) -ne 0 ]]; then
  if ! command -v sudo >/dev/null 2>&1; then
    echo "error: need root or sudo to install: ${missing[*]}" >&2
    exit 1
  fi
  sudo_cmd=(sudo)
fi
export DEBIAN_FRONTEND=noninteractive
"${sudo_cmd[@]}" apt-get update -qq
"${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
