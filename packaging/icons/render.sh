#!/usr/bin/env bash
# Renders the icon's PNG sizes and the Windows .ico from brenvik.svg. Run after editing
# the SVG; the results are committed. Needs librsvg2-bin and imagemagick.
# The .ico holds every size Windows' shell asks for at 100 to 200 % (16, 20, 24, 32, 40,
# 48, 64 and 256 px), each drawn from the SVG; 20, 24 and 40 px are drawn for it alone.
# The Windows installer's pictures, the icon on white: the side of its first and last
# pages (164 x 314 px) and the corner of the others (150 x 57 px), as 24-bit BMP files.
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
rsvg-convert -w 128 -h 128 brenvik.svg -o "$only/side.png"
convert -size 164x314 xc:white "$only/side.png" -gravity north -geometry +0+48 -composite \
  -alpha off -type TrueColor BMP3:installer-side.bmp
rsvg-convert -w 48 -h 48 brenvik.svg -o "$only/corner.png"
convert -size 150x57 xc:white "$only/corner.png" -gravity east -geometry +8+0 -composite \
  -alpha off -type TrueColor BMP3:installer-corner.bmp
