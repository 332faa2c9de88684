#!/usr/bin/env bash
# Draws the main window's two pictures with ImageMagick and writes them
# beside this script:
#   ErrorBackground.jpg  400 x 400, the background of the error state: a
#                        calm light-blue gradient, a cloud, a torn page and a
#                        wrench; the lower part stays plain for the texts.
#   LoadingIndicator.gif 16 x 16, 12 frames of 10 hundredths, looping
#                        forever: a ring of 8 dots whose dark blue head
#                        (R40 G91 B162, the colour of the waiting text) turns
#                        clockwise, a step of 30 degrees a frame.
# The outputs are committed; run this again only to change them.
set -euo pipefail
cd "$(dirname "$0")"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# ---- the error background ----------------------------------------------
blue='rgb(40,91,162)'
edge='rgb(143,177,217)'
ink='rgb(197,215,236)'

convert -size 400x400 gradient:'rgb(246,250,254)-rgb(214,230,246)' "$work/base.png"

# Cloud: overlapping white circles on a soft shadow.
convert -size 400x400 xc:none -fill 'rgba(255,255,255,0.85)' \
  -draw 'circle 118,128 118,88' -draw 'circle 172,96 172,40' -draw 'circle 238,98 238,48' \
  -draw 'circle 292,130 292,92' -draw 'roundrectangle 90,112 320,168 28,28' "$work/cloud.png"
convert "$work/cloud.png" -background 'rgba(120,160,210,0.35)' -shadow 60x8+0+6 "$work/cloud-shadow.png"

# The page, torn across: the upper part straight, the lower part slipped down
# and turned a little. Each part carries grey text lines.
convert -size 400x400 xc:none -stroke "$edge" -strokewidth 2 -fill white \
  -draw 'polygon 146,70 236,70 258,92 258,146 242,140 226,152 208,138 190,150 172,136 158,146 146,138' \
  -fill 'rgb(226,236,248)' -draw 'polygon 236,70 236,92 258,92' \
  -stroke "$ink" -strokewidth 4 -draw 'line 164,96 222,96' -draw 'line 164,110 240,110' -draw 'line 164,124 232,124' \
  "$work/page-top.png"
convert -size 400x400 xc:none -stroke "$edge" -strokewidth 2 -fill white \
  -draw 'polygon 146,150 158,158 172,148 190,162 208,150 226,164 242,152 258,158 258,232 146,232' \
  -stroke "$ink" -strokewidth 4 -draw 'line 164,182 240,182' -draw 'line 164,196 228,196' -draw 'line 164,210 236,210' \
  -background none -distort SRT '202,190 1 6 208,202' "$work/page-bottom.png"
convert -size 400x400 xc:none -fill 'rgba(40,91,162,0.18)' -draw 'ellipse 204,262 78,9 0,360' -blur 0x4 "$work/floor.png"

# Wrench: a round head with a jaw cut out, and a rounded handle; turned and
# laid across the lower right of the page.
convert -size 150x60 xc:none -fill "$blue" \
  -draw 'circle 30,30 30,9' -draw 'roundrectangle 38,22 146,38 8,8' \
  \( -size 150x60 xc:none -fill black -draw 'rectangle 0,23 22,37' \) -compose DstOut -composite \
  -background none -rotate -38 "$work/wrench.png"

convert "$work/base.png" \
  "$work/cloud-shadow.png" -geometry -12-10 -composite \
  "$work/cloud.png" -composite \
  "$work/floor.png" -composite \
  "$work/page-top.png" -composite \
  "$work/page-bottom.png" -composite \
  "$work/wrench.png" -geometry +222+148 -composite \
  -strip -sampling-factor 2x2 -quality 90 ErrorBackground.jpg

# ---- the loading indicator ---------------------------------------------
# Drawn four times larger and reduced, so the dots are smooth against the
# white waiting panel the indicator sits on.
frames=()
for f in $(seq 0 11); do
  head=$((f * 30))
  args=()
  for d in $(seq 0 7); do
    angle=$((d * 45))
    read -r x y r g b <<<"$(awk -v a="$angle" -v h="$head" 'BEGIN {
      pi = atan2(0, -1); t = (h - a) % 360; if (t < 0) t += 360;
      w = 1 - t / 300; if (w < 0) w = 0;
      x = 32 + 22 * sin(a * pi / 180); y = 32 - 22 * cos(a * pi / 180);
      printf "%.2f %.2f %d %d %d", x, y, 216 + (40 - 216) * w, 226 + (91 - 226) * w, 240 + (162 - 240) * w }')"
    args+=(-fill "rgb($r,$g,$b)" -draw "circle $x,$y $x,$(awk -v y="$y" 'BEGIN { printf "%.2f", y - 6.5 }')")
  done
  convert -size 64x64 xc:white "${args[@]}" -filter Box -resize 16x16 "$work/frame$f.png"
  frames+=("$work/frame$f.png")
done
convert -delay 10 -loop 0 -dispose None "${frames[@]}" -strip LoadingIndicator.gif

# Previews for a look (not committed): the background, and the frames
# enlarged eight times side by side.
if [ "${1:-}" = "--preview" ]; then
  convert ErrorBackground.jpg "$work/preview-background.png"
  cp "$work/preview-background.png" /tmp/ErrorBackground-preview.png
  convert LoadingIndicator.gif -coalesce -filter Point -resize 800% +append /tmp/LoadingIndicator-preview.png
  echo "previews in /tmp/ErrorBackground-preview.png and /tmp/LoadingIndicator-preview.png"
fi
