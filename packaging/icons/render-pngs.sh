#!/bin/sh
# Renders the PNG sizes of the icon from its SVG. The PNGs are committed so
# that a build needs no SVG renderer; run this (needs rsvg-convert from
# librsvg2-bin) after changing the SVG.
set -eu
cd "$(dirname "$0")"
for size in 16 22 24 32 48 64 128 256; do
  mkdir -p "hicolor/${size}x${size}/apps"
  rsvg-convert -w "$size" -h "$size" org.lodema.Lodema.svg \
    -o "hicolor/${size}x${size}/apps/org.lodema.Lodema.png"
done
