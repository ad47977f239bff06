#!/usr/bin/env bash
# Renders the program's icon (data/icons/lumeris.svg) to the PNG sizes of the hicolor theme,
# data/icons/<N>x<N>/lumeris.png. The PNGs are kept in the repository, so building the
# package needs no renderer; run this again after changing the SVG.
set -euo pipefail
cd "$(dirname "$0")/.."
source tools/need_packages.sh
need_packages librsvg2-bin
for size in 16 24 32 48 64 128 256; do
  mkdir -p "data/icons/${size}x${size}"
  rsvg-convert -w "$size" -h "$size" data/icons/lumeris.svg -o "data/icons/${size}x${size}/lumeris.png"
done
