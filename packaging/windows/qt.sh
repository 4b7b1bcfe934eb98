#!/usr/bin/env bash
# Qt for 64-bit Windows, cross-built with MinGW-w64 from Debian's own source package of
# the Qt installed where it runs (whose moc, rcc and uic the cross build uses, so the
# versions must match; packaging/windows/build.sh runs it in the Debian 13 of the Windows build,
# whose Qt is 6.8, a long-term-support release), once, into a cache outside the checkout:
#   qt.sh                builds it where the cache holds no complete one; prints its path
#   qt.sh --check        prints its path where it is complete, else says why and exits 3
# The cache is $BRENVIK_WINDOWS_QT, else ${XDG_CACHE_HOME:-~/.cache}/brenvik/qt-VERSION-mingw.
# It counts as complete only with the stamp written after the last file is installed; the
# source and the build tree live beside it (CACHE.work) until then, so an interrupted run
# is resumed by the next one, and a half-installed cache is installed again. Beside Qt it
# keeps, in CACHE/notices, what the source says of its licences (Qt's licence texts, the
# attributions of the third-party code in it with their licence files, and Debian's
# copyright file) and the compiler it was built with; a cache made before it kept them
# gets them from the source again.
# Only what the program and its tests need is built: Core, Gui, Widgets, Test, OpenGL (the
# Windows platform plugin cannot do without it), the windows and offscreen platforms and
# the Windows styles.
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
say() { echo "qt: $*" >&2; }
fail() { say "$*"; exit 1; }

host=$(dpkg-query -W -f='${Version}' qt6-base-dev-tools 2>/dev/null) ||
  fail "Qt's tools are not installed: run scripts/install-deps.sh windows first"
version=${host%%+*}
version=${version%%-*}
cache=${BRENVIK_WINDOWS_QT:-${XDG_CACHE_HOME:-$HOME/.cache}/brenvik/qt-$version-mingw}
complete=$cache/brenvik-qt-complete
installing=$cache/brenvik-qt-installing
work=$cache.work

notices=$cache/notices
if [[ -f $complete && -d $notices ]]; then
  echo "$cache"
  exit 0
fi
if [[ ${1:-} == --check ]]; then
  if [[ -f $complete ]]; then
    say "the Qt for Windows in $cache lacks its licence notices: make windows adds them (ten seconds)"
  elif [[ -d $work || -f $installing ]]; then
    say "the Qt for Windows in $cache is not complete (a build was interrupted): make windows resumes it"
  else
    say "no Qt for Windows in $cache: make windows builds it (about half an hour on two cores)"
  fi
  exit 3
fi
if [[ -e $cache && ! -f $installing && ! -f $complete ]]; then
  fail "$cache exists but is no Qt this script built: remove it, or name another folder in BRENVIK_WINDOWS_QT"
fi

. "$(dirname "$0")/steps.sh"

# Debian's source of the installed Qt, from the archives the machine installs its packages
# from: a private apt configuration turns their deb entries into deb-src entries, so that
# none needs to be added to the system's.
fetch_source() {
  local apt=$work/apt file
  rm -rf "$apt" "$work/qtbase.partial"
  mkdir -p "$apt"/{lists/partial,cache/archives/partial,sources.list.d} "$work/qtbase.partial"
  for file in /etc/apt/sources.list /etc/apt/sources.list.d/*.list; do
    [[ -f $file ]] && sed -n 's/^deb\([[:space:]]\)/deb-src\1/p' "$file" >>"$apt/sources.list"
  done
  for file in /etc/apt/sources.list.d/*.sources; do
    [[ -f $file ]] && sed 's/^Types:.*/Types: deb-src/' "$file" >"$apt/sources.list.d/$(basename "$file")"
  done
  touch "$apt/sources.list"
  local options=(-o "Dir::Etc::SourceList=$apt/sources.list" -o "Dir::Etc::SourceParts=$apt/sources.list.d"
                 -o "Dir::State::Lists=$apt/lists" -o "Dir::Cache=$apt/cache" -o Debug::NoLocking=1
                 -o APT::Sandbox::User=root -qq)
  apt-get "${options[@]}" update >"$apt/update.log" 2>&1 || true # an archive without sources is no matter
  if ! (cd "$work/qtbase.partial" &&
        apt-get "${options[@]}" source --download-only "qt6-base=$host" >"$apt/source.log" 2>&1); then
    fail "no source of qt6-base $host in the archives of /etc/apt: add a deb-src entry for the archive and suite of your deb entry (or check the network; see $apt/source.log)"
  fi
  (cd "$work/qtbase.partial" && dpkg-source -x qt6-base_*.dsc src >"$apt/extract.log" 2>&1) ||
    fail "the source of qt6-base $host does not unpack (see $apt/extract.log)"
  mv "$work/qtbase.partial/src" "$work/qtbase"
  rm -rf "$work/qtbase.partial" "$apt/cache"
}

# Only what the program needs; and three settings forced. Debian's source leaves out the
# Wintab header of the Windows plugin's tablet support: tablet events are off (the
# program takes no tablet input). DirectWrite 3 is off, which keeps the Windows plugin on
# GDI's font database, as Qt 6.4 was: the program's bitmap MS Sans Serif is a face that
# only GDI lists. Direct2D is on: Qt 6.8's font database does not compile without it
# where DirectWrite is on. OpenGL stays on: the Windows platform plugin does not compile
# without it (it loads opengl32 only when asked to). The folder it is built in is kept out
# of the DLLs (Qt Widgets names its source files), so that where the cache is does not
# change them.
options=(-DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64-x86_64.cmake"
         -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX="$cache"
         -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake
         -DBUILD_SHARED_LIBS=ON -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF
         -DFEATURE_sql=OFF -DFEATURE_network=OFF -DFEATURE_dbus=OFF -DFEATURE_printsupport=OFF
         -DFEATURE_concurrent=OFF -DFEATURE_xml=OFF -DFEATURE_vulkan=OFF -DFEATURE_direct2d=ON
         -DFEATURE_jpeg=OFF -DFEATURE_gif=OFF -DFEATURE_ico=OFF
         -DFEATURE_tabletevent=OFF -DFEATURE_directwrite3=OFF
         "-DCMAKE_C_FLAGS=-ffile-prefix-map=$work=." "-DCMAKE_CXX_FLAGS=-ffile-prefix-map=$work=.")
configure() {
  # Configured again (in place: what is built stays) unless the last configure finished
  # with these options.
  local stamp=$work/build/brenvik-options
  [[ -f $work/build/build.ninja && "$(cat "$stamp" 2>/dev/null)" == "${options[*]}" ]] && return 0
  rm -f "$stamp"
  cmake -G Ninja -S "$work/qtbase" -B "$work/build" "${options[@]}" >"$work/configure.log" 2>&1 ||
    fail "Qt's configure failed: see $work/configure.log"
  echo "${options[*]}" >"$stamp"
}

build() {
  cmake --build "$work/build" >"$work/build.log" 2>&1 ||
    fail "Qt's build failed: see the end of $work/build.log (make windows goes on from there)"
}

# The licence notices of the source, in the same folders as in the source.
keep_notices() {
  local source=$work/qtbase partial=$notices.partial json folder file
  rm -rf "$partial" && mkdir -p "$partial"
  cp -r "$source/LICENSES" "$partial/"
  cp "$source/debian/copyright" "$partial/debian-copyright"
  echo "$host" >"$partial/debian-version"
  echo "Debian $(. /etc/os-release && echo "$VERSION_ID")'s MinGW-w64 (g++-mingw-w64-x86-64-posix $(
        dpkg-query -W -f='${Version}' g++-mingw-w64-x86-64-posix), posix threads)" >"$partial/compiler"
  printf '%s\n' "${options[@]}" | sed "s|$root/||; s|$cache|PREFIX|" >"$partial/configure-options"
  while read -r json; do
    folder=$(dirname "$json")
    mkdir -p "$partial/$folder" && cp "$source/$json" "$partial/$folder/"
    for file in $(sed -n 's/.*"LicenseFile"[[:space:]]*:[[:space:]]*"\([^"]*\)".*/\1/p' "$source/$json"); do
      mkdir -p "$(dirname "$partial/$folder/$file")" && cp "$source/$folder/$file" "$partial/$folder/$file"
    done
  done < <(cd "$source" && find . -name qt_attribution.json -not -path './tests/*' -not -path './examples/*')
  mv "$partial" "$notices"
}

install() {
  mkdir -p "$cache"
  touch "$installing"
  cmake --install "$work/build" >"$work/install.log" 2>&1 || fail "Qt's install failed: see $work/install.log"
  keep_notices
  echo "qt6-base $host for x86_64-w64-mingw32, built $(date -u +%F)" >"$complete"
  rm -f "$installing"
  rm -rf "$work"
}

if [[ -f $complete ]]; then
  [[ -d $work/qtbase ]] || step "fetching and unpacking the source for its licence notices" fetch_source
  step "keeping the licence notices" keep_notices
  rm -rf "$work"
  echo "$cache"
  exit 0
fi

say "building Qt $host for Windows into $cache"
started=$SECONDS
[[ -f $installing ]] && rm -rf "$cache" # a half-done install: again, from the build tree
[[ -d $work/qtbase ]] || step "fetching and unpacking the source" fetch_source
# Every time the build writes (the DLLs' headers) is the time of the source's last
# Debian changelog entry, so that the same source gives the same bytes.
SOURCE_DATE_EPOCH=$(dpkg-parsechangelog -l "$work/qtbase/debian/changelog" -S Timestamp)
export SOURCE_DATE_EPOCH
step "configuring" configure
step "building" build
step "installing" install
say "Qt for Windows complete in $(minutes $((SECONDS - started)))"
echo "$cache"
