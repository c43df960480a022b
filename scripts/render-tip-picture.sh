#!/bin/sh
# Draws the picture of the tip-of-the-day window (399 x 198 pixels) with
# ImageMagick and writes it as a JPEG. The text box of the window lies on the
# light panel (x 44..390, y 48..186), so the panel must stay where it is.
#   sh scripts/render-tip-picture.sh [OUTPUT]
set -eu
out=${1:-"$(dirname "$0")/../src/utilities/widgets/resources/tipoftheday.jpg"}
font=DejaVu-Sans-Bold

convert -size 399x198 gradient:'#2f5f9e'-'#7fa7d6' \
    \( -size 399x198 xc:none -fill '#ffffff22' \
        -draw "circle 360,10 430,40" -draw "circle 20,200 90,230" \) -composite \
    -fill '#00000030' -draw "roundrectangle 47,51 393,189 10,10" \
    -fill '#fbfdff' -stroke '#c9d8ec' -draw "roundrectangle 44,48 390,186 10,10" \
    -stroke none \
    -fill '#ffe066' -stroke '#b38a00' -strokewidth 1.5 -draw "circle 23,24 23,11" \
    -fill '#fff6c4' -stroke none -draw "circle 19,20 19,15" \
    -fill '#c2c8d0' -stroke '#6b7480' -strokewidth 1 -draw "roundrectangle 17,36 29,46 2,2" \
    -stroke '#6b7480' -draw "line 17,40 29,40" -draw "line 17,43 29,43" \
    -stroke '#ffe066' -strokewidth 2 \
    -draw "line 23,2 23,6" -draw "line 4,24 8,24" -draw "line 38,24 42,24" \
    -draw "line 9,10 12,13" -draw "line 37,10 34,13" \
    -stroke none -fill white -font "$font" -pointsize 19 -annotate +50+32 'Tip of the day' \
    -fill '#dbe7f6' -font DejaVu-Sans -pointsize 10 -annotate +262+32 'Pellam Vornic' \
    -quality 92 "$out"
echo "wrote $out"
