#!/usr/bin/env bash
# Renders the icon's PNG sizes and the Windows .ico from brenvik.svg. Run after editing
# the SVG; the results are committed. Needs librsvg2-bin and imagemagick.
set -euo pipefail
cd "$(dirname "$0")"
for size in 16 32 48 64 128 256; do
  rsvg-convert -w "$size" -h "$size" brenvik.svg -o "brenvik-$size.png"
done
convert brenvik-16.png brenvik-32.png brenvik-48.png brenvik-256.png brenvik.ico
