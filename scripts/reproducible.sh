#!/usr/bin/env bash
# Builds the checkout's commit twice, in two checkout folders of different names, one
# after the other, and compares what ships: the Debian package, and where the Windows
# build's Debian 13 and Qt are in the cache (make windows), the Windows folder, ZIP and
# unsigned installer. Prints the SHA-256 of each; where the two builds differ, shows
# where, with diffoscope where it is installed (Debian's diffoscope-minimal), else diff.
# Uncommitted changes are not built: commit them first. About 15 minutes on two cores.
#   reproducible.sh          both packages (make reproducible)
#   reproducible.sh deb      the Debian package only
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
what=${1:-all}
commit=$(git -C "$root" rev-parse HEAD)
# The commit's time, for both builds and both packages (make sets it so too).
export SOURCE_DATE_EPOCH=${SOURCE_DATE_EPOCH:-$(git -C "$root" log -1 --format=%ct)}
say() { echo "reproducible: $*"; }
scratch=$(mktemp -d "${TMPDIR:-/tmp}/brenvik-twice.XXXXXX")
trap 'rm -rf "$scratch"' EXIT

windows=yes
if [[ $what == deb ]]; then
  windows=
elif ! "$root/packaging/windows/debian13.sh" check >/dev/null 2>&1 ||
     ! "$root/packaging/windows/debian13.sh" run packaging/windows/qt.sh --check >/dev/null 2>&1; then
  say "the Windows packages are left out: no Windows build environment in the cache (make windows makes it)"
  windows=
fi
[[ -z $(git -C "$root" status --porcelain --untracked-files=no) ]] ||
  say "uncommitted changes are left out: building $commit as committed"

# Build N in FOLDER: a clone of the commit, its packages copied to $scratch/N.
build() {
  local n=$1 folder=$2
  say "build $n in $folder, $(date -u '+%F %T UTC')"
  git clone -q "$root" "$folder" && git -C "$folder" checkout -q --detach "$commit"
  mkdir -p "$scratch/$n/windows"
  make -C "$folder" --no-print-directory package >"$scratch/$n.log" 2>&1 ||
    { tail -n 30 "$scratch/$n.log"; exit 1; }
  cp "$folder"/build/*.deb "$scratch/$n/"
  if [[ -n $windows ]]; then
    "$folder/packaging/windows/build.sh" package >>"$scratch/$n.log" 2>&1 ||
      { tail -n 30 "$scratch/$n.log"; exit 1; }
    cp -r "$folder"/build-windows/brenvik-*-win64{,.zip,.exe} "$scratch/$n/windows/"
  fi
  rm -rf "$folder"
}
build 1 "$scratch/first/brenvik"
build 2 "$scratch/the-second-checkout/of/brenvik"

# Every file that ships, with its sum from each build; a difference shown where it is.
differ=0
while read -r file; do
  one=$(sha256sum <"$scratch/1/$file" | cut -d' ' -f1)
  two=$(sha256sum <"$scratch/2/$file" 2>/dev/null | cut -d' ' -f1 || true)
  if [[ $one == "$two" ]]; then
    echo "$one  $file"
  else
    echo "DIFFERS: $one / ${two:-missing}  $file"
    differ=1
  fi
done < <(cd "$scratch/1" && find . -type f | sed 's|^\./||' | sort)
if [[ $differ == 1 ]]; then
  say "the two builds differ"
  if command -v diffoscope >/dev/null; then
    diffoscope --text - --exclude-directory-metadata=yes "$scratch/1" "$scratch/2" | head -n 200 || true
  else
    diff -r "$scratch/1" "$scratch/2" || true
    say "install diffoscope-minimal to see where the bytes differ"
  fi
  exit 1
fi
say "the two builds are the same, byte for byte"
