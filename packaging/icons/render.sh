#!/bin/sh
# Renders the icon's PNGs at the sizes desktops look for from the SVG (needs rsvg-convert,
# Debian: librsvg2-bin). The PNGs are kept in the repository; run this after editing the SVG.
set -eu
here=$(cd "$(dirname "$0")" && pwd)
for size in 16 24 32 48 64 128 256; do
  rsvg-convert -w "$size" -h "$size" "$here/scoreboard.svg" -o "$here/scoreboard-$size.png"
done
