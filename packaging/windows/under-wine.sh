#!/usr/bin/env bash
# Runs a program of the Windows build under Wine, as CTest runs the tests of that build
# (the toolchain names this script as the emulator of cross-compiled programs):
#   under-wine.sh QT_PREFIX PROGRAM.exe [ARGUMENTS...]
#   under-wine.sh QT_PREFIX --make-prefix     only makes the Wine prefix (a CTest fixture)
# The program finds the Qt DLLs and the MinGW runtime on WINEPATH, and Qt's plugins
# (platforms/qoffscreen.dll, qwindows.dll, the styles) in QT_PREFIX. The Wine prefix is
# $WINEPREFIX (the tests set it to one in the build tree), made on first use; Wine's own
# messages are left out unless WINEDEBUG asks for them. Exit 77 (skipped) where Wine is
# missing.
set -euo pipefail
qt=$1
shift
command -v wine >/dev/null || { echo "no wine: skipped (scripts/install-deps.sh windows installs it)"; exit 77; }

# A Unix path as Wine's drive Z: shows it, in Windows' own form.
windows_path() { local path=$1; echo "Z:${path//\//\\}"; }
runtime=$(dirname "$(x86_64-w64-mingw32-g++-posix -print-file-name=libstdc++-6.dll)")
export WINEPATH="$(windows_path "$qt/bin");$(windows_path "$runtime");$(windows_path /usr/x86_64-w64-mingw32/lib)"
export QT_PLUGIN_PATH=$(windows_path "$qt/plugins")
# Qt writes its messages, and Qt Test its results, to the debugger where the program has
# no console window of its own, as under Wine: to the standard streams instead.
export QT_FORCE_STDERR_LOGGING=1
export WINEPREFIX=${WINEPREFIX:-${XDG_CACHE_HOME:-$HOME/.cache}/brenvik/wine}
export WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree,mshtml=} # no Mono or Gecko to offer
# A prefix of its own, made on first use, whose windows go to Wine's null graphics driver:
# the tests draw with Qt's offscreen platform and need no X server, but Windows programs
# make windows (Qt's event dispatcher does) whatever they draw with.
if [[ ! -f $WINEPREFIX/system.reg ]]; then
  { mkdir -p "$WINEPREFIX" && wineboot -i &&
    wine reg add 'HKCU\Software\Wine\Drivers' /v Graphics /d null /f; } >/dev/null 2>&1 ||
    { echo "Wine could not make its prefix in $WINEPREFIX: see 'WINEPREFIX=$WINEPREFIX wineboot -i'"; exit 1; }
fi
# Qt's offscreen platform on Windows reads its fonts from one folder: the face the
# windows are drawn in where Windows lacks Microsoft Sans Serif and Arial, as here.
fonts=$WINEPREFIX/offscreen-fonts
export QT_QPA_FONTDIR=${QT_QPA_FONTDIR:-$(windows_path "$fonts")}
if [[ ! -d $fonts ]]; then
  mkdir "$fonts"
  ln -s /usr/share/fonts/truetype/liberation/LiberationSans-*.ttf "$fonts/"
fi
[[ $1 == --make-prefix ]] && exit 0
# Wine hands a Windows program no variable of the Unix environment whose name starts with
# QT_ (the host's Qt settings are not the Windows Qt's): a batch file sets them again, then
# runs the program with its arguments.
batch=$(mktemp --suffix=.bat)
trap 'rm -f "$batch"' EXIT
{
  echo "@echo off"
  env | grep '^QT_' | sed 's/%/%%/g; s/^\(.*\)$/set "\1"/'
  program=$1
  shift
  printf '"%s"' "$(windows_path "$(realpath "$program" 2>/dev/null || echo "$program")")"
  for argument in "$@"; do printf ' "%s"' "${argument//%/%%}"; done
  printf '\r\nexit /b %%ERRORLEVEL%%\r\n'
} | sed 's/$/\r/; s/\r\r$/\r/' >"$batch"
wine cmd /c "$(windows_path "$batch")"
