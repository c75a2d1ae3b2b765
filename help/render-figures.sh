#!/bin/sh
# SPDX-License-Identifier: MIT
# Renders the figures of the help pages from their SVG sources into help/RHEO/images. The
# PNGs are committed, so the build needs no renderer; run this after changing a figure.
# Needs rsvg-convert (Debian package librsvg2-bin) and the Liberation fonts.
set -eu
cd "$(dirname "$0")"

mkdir -p RHEO/images
for figure in figures/*.svg; do
  name=$(basename "$figure" .svg)
  rsvg-convert --output "RHEO/images/$name.png" "$figure"
done
