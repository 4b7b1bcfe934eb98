#!/usr/bin/env bash
# Runs a test on an X server (Xvfb) under a desktop's own platform theme, which the CTest
# entry names through the environment: QT_QPA_PLATFORMTHEME=gtk3 with GTK_THEME, or
# QT_QPA_PLATFORMTHEME=kde with KDE_COLOR_SCHEME (a scheme of /usr/share/color-schemes,
# written into kdeglobals with the Breeze style as Plasma writes it). Exit 77 (skipped)
# for KDE's theme where the system packages none for Qt 6 (Debian 12: plasma-integration 5).
#   under_desktop_theme.sh TEST [ARGUMENTS...]
set -uo pipefail
. "$(dirname "$0")/program.sh"
on_x 1280x1024 "$@"

if [[ ${QT_QPA_PLATFORMTHEME:-} == kde ]]; then
  candidate=$(apt-cache policy plasma-integration 2>/dev/null | awk '/Candidate:/ { print $2 }')
  dpkg --compare-versions "${candidate:-0}" ge 6 ||
    { echo "skipped: this system packages no KDE platform theme for Qt 6 (plasma-integration ${candidate:-none})"; exit 77; }
  scheme=/usr/share/color-schemes/$KDE_COLOR_SCHEME.colors
  [[ -f $scheme ]] || { echo "failed: no colour scheme $scheme (kde-style-breeze)"; exit 1; }
  { cat "$scheme"; printf '\n[KDE]\nwidgetStyle=Breeze\n'; } > "$XDG_CONFIG_HOME/kdeglobals"
fi
"$@"
