#!/usr/bin/env bash
# render-png.sh [OUTDIR]: draws the icon's PNG sizes from quillorn.svg with rsvg-convert.
# The PNGs are kept in the repository (icons/png) so that building needs no SVG renderer;
# run this again after changing the SVG. The package check renders them into a temporary
# folder and compares, so a stale PNG cannot slip through.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
out=${1:-$here/png}
mkdir -p "$out"
for size in 16 24 32 48 64 128 256; do
  rsvg-convert --width "$size" --height "$size" --format png \
    --output "$out/quillorn-$size.png" "$here/quillorn.svg"
done
