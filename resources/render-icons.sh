#!/bin/sh
# SPDX-License-Identifier: MIT
# Renders the application icon into the PNG sizes of the hicolor icon theme. The PNGs are
# committed, so the build needs no renderer; run this after changing an SVG.
# rheo.svg is the icon; rheo-small.svg is the same picture drawn on the pixel grid for the
# sizes where the fine lines of the large one would blur (16 to 24 pixels).
# Needs rsvg-convert (Debian package librsvg2-bin).
set -eu
cd "$(dirname "$0")"

for size in 16 22 24 32 48 64 128 256; do
  if [ "$size" -le 24 ]; then source=rheo-small.svg; else source=rheo.svg; fi
  dir="icons/hicolor/${size}x${size}/apps"
  mkdir -p "$dir"
  rsvg-convert --width "$size" --height "$size" --output "$dir/rheo.png" "$source"
done
