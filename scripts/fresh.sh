#!/usr/bin/env bash
# The README's promise, tried on a fresh machine: bootstraps a minimal Debian of the
# suite given (bookworm, trixie...) into a scratch folder, from the mirror the host's apt
# uses, clones this checkout into it and runs `make test` there; then installs what
# xvfb-run needs as `make run` does and runs `xvfb-run -a make run` until the window is
# mapped. Prints one verdict line; unmounts what it mounted and removes the folder, also
# on failure. As root; not part of CI. The log stays in build-fresh/SUITE.log. PACKAGES,
# comma-separated, are in the system from the start, as a desktop's would be (say
# dbus-x11,at-spi2-core: a session bus started on demand, with none running).
#   scripts/fresh.sh SUITE [PACKAGES]   (make fresh SUITE=trixie FRESH_PACKAGES=...)
set -uo pipefail
cd "$(dirname "$0")/.."
suite=${1:?usage: scripts/fresh.sh bookworm|trixie [PACKAGES]} packages=${2:-}
mkdir -p build-fresh
log=$PWD/build-fresh/$suite.log
: >"$log"
verdict() {
  echo "make fresh SUITE=$suite: $*"
  [[ $1 == passed* ]]
}
[[ $(id -u) -eq 0 ]] || { verdict "not run: it needs root (debootstrap, mount, chroot)"; exit 2; }

. scripts/debian-mirror.sh
[[ -n "$mirror" ]] || { verdict "not run: no Debian mirror in the host's apt sources"; exit 2; }

root=$(mktemp -d /var/tmp/brenvik-fresh-XXXXXX)
mounts=()
cleanup() {
  for ((i = ${#mounts[@]} - 1; i >= 0; i--)); do umount -l "${mounts[i]}" 2>/dev/null; done
  rm -rf --one-file-system "$root"
}
trap cleanup EXIT
in_root() { chroot "$root" /usr/bin/env -i HOME=/root PATH=/usr/sbin:/usr/bin:/sbin:/bin \
                LANG=C.UTF-8 bash -c "cd /root/brenvik && $1" >>"$log" 2>&1; }

if ! command -v debootstrap >/dev/null; then
  DEBIAN_FRONTEND=noninteractive apt-get install -y -qq debootstrap >>"$log" 2>&1
fi
echo "== debootstrap $suite from $mirror" >>"$log"
debootstrap --variant=minbase --include=ca-certificates,git,make,sudo${packages:+,$packages} "$suite" "$root" \
  "$mirror" >>"$log" 2>&1 || { verdict "FAILED: debootstrap (see $log)"; exit 1; }
for fs in proc sys dev dev/pts; do
  mount --bind "/$fs" "$root/$fs" && mounts+=("$root/$fs")
done
cp /etc/resolv.conf "$root/etc/resolv.conf"
git clone -q . "$root/root/brenvik" >>"$log" 2>&1 || { verdict "FAILED: git clone"; exit 1; }

echo "== make test" >>"$log"
in_root "make test" || { verdict "FAILED: make test (see $log)"; exit 1; }
echo "== what lintian and appstreamcli say of the package and its metainfo" >>"$log"
in_root "make package >/dev/null && lintian --pedantic build/brenvik_*.deb;
         appstreamcli validate --no-net --pedantic build/packaging/*.metainfo.xml"
echo "== xvfb-run -a make run" >>"$log"
in_root "scripts/install-deps.sh run" || { verdict "FAILED: installing for make run"; exit 1; }
in_root 'xvfb-run -a bash -c ". tests/support/program.sh; make run & sleep 1
  window_named \"\$TITLE\" 120 >/dev/null
  seen=\$?; pkill -x brenvik; wait; exit \$seen"' ||
  { verdict "FAILED: make run mapped no window (see $log)"; exit 1; }
tests=$(grep -oE '[0-9]+% tests passed, [0-9]+ tests failed out of [0-9]+' "$log" | tail -n 1)
verdict "passed on $(. "$root/etc/os-release" && echo "$PRETTY_NAME")${packages:+ with $packages}: make test ($tests), then make run mapped its window"
