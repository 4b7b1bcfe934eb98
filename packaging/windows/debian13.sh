#!/usr/bin/env bash
# The Debian 13 that the Windows build is made and tested in: its MinGW-w64 (GCC 14 and
# the Windows headers of UI Automation), the host tools of its Qt 6.8 (the Qt for Windows
# is cross-built from the same source, whose moc, rcc and uic must be of its version),
# NSIS and Wine 10 (whose UI Automation a client can read; Debian 12's Wine 8.0 cannot).
# A minimal Debian 13 bootstrapped once, from the archive the host's apt uses, into the
# cache beside the Qt for Windows:
#   debian13.sh make            makes it where there is none (a few minutes, once)
#   debian13.sh check           says where it is; exit 3, saying why, where it is not
#   debian13.sh run COMMAND...  runs COMMAND in it, in this checkout, as the calling
#                                  user, once what `install-deps.sh windows` names is there
# The checkout and the cache are seen in it at the same paths as outside, so a build tree
# made in it is the same one from either side. The environment is
# ${XDG_CACHE_HOME:-~/.cache}/brenvik/debian-13, complete once it has its stamp. It needs
# root, or sudo, for debootstrap, mount and chroot; the mounts live in a mount namespace
# of their own and end with the command.
set -euo pipefail
checkout=$(cd "$(dirname "$0")/../.." && pwd)
cache=${XDG_CACHE_HOME:-$HOME/.cache}/brenvik
env_root=$cache/debian-13
stamp=etc/brenvik-windows-env
say() { echo "debian13: $*" >&2; }
fail() { say "$*"; exit 1; }

as_root=()
[[ $(id -u) -eq 0 ]] || as_root=(sudo)

# Runs COMMAND in the Debian at ROOT: as root where USER is root, else as the calling user
# with its home folder; what install-deps.sh windows names is installed first (a check
# that takes a second once it is all there).
in_env() {
  local root=$1 user=$2
  shift 2
  local variables=(HOME="$HOME" PATH=/usr/sbin:/usr/bin:/sbin:/bin LANG=C.UTF-8 TERM="${TERM:-dumb}")
  local name
  for name in $(compgen -e); do
    [[ $name == BRENVIK_* || $name == BUILD_DIR || $name == XDG_CACHE_HOME || $name == WINEDEBUG ||
       $name == SOURCE_DATE_EPOCH ]] && variables+=("$name=${!name}")
  done
  "${as_root[@]}" unshare --mount --propagation private bash -c '
    set -e
    root=$1 checkout=$2 cache=$3 user=$4
    shift 4
    mount -t proc proc "$root/proc"
    mount --rbind /sys "$root/sys"
    mount --rbind /dev "$root/dev"
    mkdir -p "$root$checkout" "$root$cache"
    mount --bind "$checkout" "$root$checkout"
    mount --bind "$cache" "$root$cache"
    cp /etc/resolv.conf "$root/etc/resolv.conf"
    if [[ $user != 0:0 ]]; then
      install -d -o "${user%:*}" -g "${user#*:}" "$root$HOME"
      grep -q "^[^:]*:[^:]*:${user%:*}:" "$root/etc/passwd" ||
        echo "builder:x:${user%:*}:${user#*:}::$HOME:/bin/bash" >>"$root/etc/passwd"
    fi
    chroot "$root" /usr/bin/env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin LANG=C.UTF-8 \
      bash -c "cd \"\$0\" && scripts/install-deps.sh windows >&2" "$checkout"
    exec chroot --userspec="$user" "$root" /usr/bin/env -i "$@"
  ' in_env "$root" "$checkout" "$cache" "$user" "${variables[@]}" \
    bash -c 'cd "$0" && exec "$@"' "$checkout" "$@"
}

make_env() {
  command -v debootstrap >/dev/null ||
    DEBIAN_FRONTEND=noninteractive "${as_root[@]}" apt-get install -y -qq debootstrap >&2
  . "$checkout/scripts/debian-mirror.sh"
  [[ -n $mirror ]] || fail "no Debian archive in the host's apt sources to bootstrap Debian 13 from"
  local partial=$env_root.partial log=$cache/debian-13.log
  mkdir -p "$cache"
  "${as_root[@]}" rm -rf --one-file-system "$partial"
  say "bootstrapping Debian 13 from $mirror into $env_root (log: $log)"
  "${as_root[@]}" debootstrap --variant=minbase --include=ca-certificates trixie "$partial" "$mirror" \
    >"$log" 2>&1 || fail "debootstrap failed: see $log"
  {
    echo "deb $mirror trixie main"
    echo "deb $mirror trixie-updates main"
    [[ -z $security_mirror ]] || echo "deb $security_mirror trixie-security main"
  } | "${as_root[@]}" tee "$partial/etc/apt/sources.list" >/dev/null
  say "installing what the Windows build needs into it"
  in_env "$partial" 0:0 true >>"$log" 2>&1 || fail "installing into Debian 13 failed: see $log"
  "${as_root[@]}" find "$partial/var/cache/apt/archives" -name '*.deb' -delete # half a gigabyte
  date -u +"Debian 13 for the Windows build, made %F" | "${as_root[@]}" tee "$partial/$stamp" >/dev/null
  "${as_root[@]}" mv "$partial" "$env_root"
}

case ${1:-} in
  make)
    [[ -f $env_root/$stamp ]] || make_env
    echo "$env_root" ;;
  check)
    if [[ -f $env_root/$stamp ]]; then echo "$env_root"; exit 0; fi
    say "no Debian 13 for the Windows build in $env_root: make windows makes it (a few minutes)"
    exit 3 ;;
  run)
    shift
    [[ -f $env_root/$stamp ]] || fail "no Debian 13 for the Windows build in $env_root: make windows makes it"
    in_env "$env_root" "$(id -u):$(id -g)" "$@" ;;
  *) echo "usage: $0 make|check|run COMMAND..." >&2; exit 2 ;;
esac
