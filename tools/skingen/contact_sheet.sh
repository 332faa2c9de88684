#!/usr/bin/env bash
# Writes a contact sheet of a skin source folder: every BMP enlarged
# (nearest neighbour) under its name, packed in rows on one PNG. Needs
# ImageMagick.
#   tools/skingen/contact_sheet.sh skins/default out.png [scale] [row width]
set -euo pipefail
src=$1 out=$2 scale=${3:-4} row_width=${4:-1600}
bg='#5a5a5a'
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

tiles=()
for f in "$src"/*.bmp; do
  name=$(basename "$f" .bmp)
  convert -background "$bg" -fill white -pointsize 13 "label:${name#SKIN2_}" \
    \( "$f" -filter point -resize "$((scale * 100))%" \) -gravity west -append \
    -bordercolor "$bg" -border 8 "$work/$name.png"
  tiles+=("$work/$name.png")
done

# Greedy rows, widest tiles first so that the rows fill evenly.
mapfile -t sorted < <(for t in "${tiles[@]}"; do echo "$(identify -format '%w' "$t") $t"; done | sort -rn)
rows=() row=() used=0 n=0
flush() {
  if [ ${#row[@]} -gt 0 ]; then
    convert -background "$bg" "${row[@]}" -gravity north +append "$work/row$n.png"
    rows+=("$work/row$n.png"); n=$((n + 1)); row=(); used=0
  fi
}
for line in "${sorted[@]}"; do
  w=${line%% *} t=${line#* }
  if [ $((used + w)) -gt "$row_width" ]; then flush; fi
  row+=("$t"); used=$((used + w))
done
flush
convert -background "$bg" "${rows[@]}" -gravity west -append +repage "$out"
