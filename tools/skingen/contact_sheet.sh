#!/usr/bin/env bash
# Writes a contact sheet of a skin source folder: every BMP enlarged
# (nearest neighbour) with its name, on one PNG. Needs ImageMagick.
#   tools/skingen/contact_sheet.sh skins/default out.png [scale]
set -euo pipefail
src=$1 out=$2 scale=${3:-4}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
for f in "$src"/*.bmp; do
  name=$(basename "$f" .bmp)
  convert "$f" -filter point -resize "$((scale * 100))%" "$work/$name.png"
done
montage -label '%t' "$work"/*.png -tile 4x -geometry '+10+10' -background '#5a5a5a' \
  -fill white -pointsize 14 "$out"
