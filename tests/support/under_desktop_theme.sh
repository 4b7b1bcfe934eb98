#!/usr/bin/env bash
# Runs a test on an X server (Xvfb) under a desktop's own platform theme, which the CTest
# entry names through the environment: QT_QPA_PLATFORMTHEME=gtk3 with GTK_THEME, or
# QT_QPA_PLATFORMTHEME=kde with KDE_COLOR_SCHEME (a scheme of /usr/share/color-schemes,
# written into kdeglobals with the Breeze style as Plasma writes it). HOME and the
# configuration folder are scratch ones, never the user's. Exit 77 (skipped) for KDE's
# theme where the system packages none for Qt 6 (Debian 12: plasma-integration 5).
set -euo pipefail
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
export HOME=$scratch XDG_CONFIG_HOME=$scratch/config XDG_RUNTIME_DIR=$scratch/runtime
mkdir -p "$XDG_CONFIG_HOME"
mkdir -m 700 "$XDG_RUNTIME_DIR"

if [[ ${QT_QPA_PLATFORMTHEME:-} == kde ]]; then
  candidate=$(apt-cache policy plasma-integration 2>/dev/null | awk '/Candidate:/ { print $2 }')
  if ! dpkg --compare-versions "${candidate:-0}" ge 6; then
    echo "skipped: this system packages no KDE platform theme for Qt 6 (plasma-integration ${candidate:-none})"
    exit 77
  fi
  scheme=/usr/share/color-schemes/$KDE_COLOR_SCHEME.colors
  [[ -f $scheme ]] || { echo "failed: no colour scheme $scheme (kde-style-breeze)"; exit 1; }
  { cat "$scheme"; printf '\n[KDE]\nwidgetStyle=Breeze\n'; } > "$XDG_CONFIG_HOME/kdeglobals"
fi
exec xvfb-run -a -s "-screen 0 1280x1024x24" "$@"
