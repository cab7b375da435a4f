#!/usr/bin/env bash
# Draws the system-information window's 120 x 98 picture: a page of text lines under a
# magnifying glass that finds one of them, the program's trade.
# Run again after changing it: bash makepicture.sh
set -euo pipefail
cd "$(dirname "$0")"
/usr/bin/convert -size 120x98 gradient:'#204080-#80a8d8' \
  -stroke '#303030' -strokewidth 1 -fill white -draw 'polygon 14,8 66,8 80,22 80,90 14,90' \
  -fill '#d0d0d0' -draw 'polygon 66,8 66,22 80,22' \
  -stroke '#5070b0' -strokewidth 2 \
  -draw 'line 22,30 70,30' -draw 'line 22,40 64,40' -draw 'line 22,60 70,60' -draw 'line 22,70 58,70' -draw 'line 22,80 66,80' \
  -stroke '#d02020' -draw 'line 22,50 70,50' \
  -stroke '#303030' -strokewidth 7 -draw 'line 84,68 106,90' \
  -stroke '#c09030' -strokewidth 5 -draw 'line 84,68 106,90' \
  -stroke '#303030' -strokewidth 3 -fill '#ffffff60' -draw 'circle 70,52 70,32' \
  -type TrueColor PNG24:about.png
