#!/usr/bin/env bash
# Renders the icon's PNG sizes and the Windows .ico from brenvik.svg. Run after editing
# the SVG; the results are committed. Needs librsvg2-bin and imagemagick.
# The .ico holds every size Windows' shell asks for at 100 to 200 % (16, 20, 24, 32, 40,
# 48, 64 and 256 px), each drawn from the SVG; 20, 24 and 40 px are drawn for it alone.
set -euo pipefail
cd "$(dirname "$0")"
for size in 16 32 48 64 128 256; do
  rsvg-convert -w "$size" -h "$size" brenvik.svg -o "brenvik-$size.png"
done
only=$(mktemp -d)
trap 'rm -rf "$only"' EXIT
for size in 20 24 40; do
  rsvg-convert -w "$size" -h "$size" brenvik.svg -o "$only/brenvik-$size.png"
done
convert brenvik-16.png "$only/brenvik-20.png" "$only/brenvik-24.png" brenvik-32.png \
  "$only/brenvik-40.png" brenvik-48.png brenvik-64.png brenvik-256.png brenvik.ico
