#!/bin/sh
# Renders the icon's PNG sizes from rp70cps.svg (needs rsvg-convert from librsvg2-bin). The PNGs
# are kept in the repository, so a build needs no SVG renderer; run this after changing the SVG.
set -eu
cd "$(dirname "$0")"
for size in 16 32 48 64 128 256; do
    rsvg-convert -w "$size" -h "$size" rp70cps.svg -o "rp70cps-$size.png"
done
