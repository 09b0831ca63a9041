#!/usr/bin/env bash
# Renders the PNG sizes of the two programs' icons from their SVG drawings in packaging/icons/;
# the results are committed, so only changing a drawing needs this script (and librsvg's
# converter, which it installs).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
bash "$root/scripts/install-deps.sh" librsvg2-bin
cd "$root/packaging/icons"
for svg in *.svg; do
  for size in 16 32 48 64 128 256; do
    mkdir -p "$size"
    rsvg-convert --width "$size" --height "$size" --output "$size/${svg%.svg}.png" "$svg"
  done
done
