#!/usr/bin/env bash
# Draws the explorer's two picture strips (six pictures side by side on olive, the colour
# that reads as transparent): closed folder, open folder, resource, icon, cursor, bitmap.
# Run again after changing a picture: bash makepictures.sh
set -euo pipefail
cd "$(dirname "$0")"
im=/usr/bin/convert
olive='#808000'
draw() { "$im" -size 32x32 "xc:$olive" +antialias -stroke '#202020' -strokewidth 1 "$@" "BMP3:$tmp/$n.bmp"; n=$((n+1)); }
tmp=$(mktemp -d); trap 'rm -rf "$tmp"' EXIT; n=0
draw -fill '#e8c048' -draw 'polygon 2,8 12,8 15,11 29,11 29,27 2,27'
draw -fill '#c89828' -draw 'polygon 2,8 12,8 15,11 27,11 27,15 2,15' -fill '#f0d068' -draw 'polygon 6,15 31,15 26,27 2,27 2,15'
draw -fill white -draw 'polygon 7,3 20,3 26,9 26,29 7,29' -fill '#d0d0d0' -draw 'polygon 20,3 20,9 26,9' \
     -stroke '#4060a0' -draw 'line 10,14 23,14' -draw 'line 10,18 23,18' -draw 'line 10,22 19,22'
draw -fill '#f8f8f8' -draw 'rectangle 4,4 27,27' -fill '#d03030' -draw 'circle 15,15 15,8' -fill '#3060c0' -draw 'rectangle 18,18 25,25'
draw -fill black -stroke white -draw 'polygon 9,3 9,26 14,21 18,29 21,28 17,20 24,20'
draw -fill '#80c0f0' -draw 'rectangle 3,5 28,26' -fill '#40a040' -draw 'polygon 4,26 4,19 12,13 20,20 27,16 27,26' \
     -fill '#f0e040' -stroke '#f0e040' -draw 'circle 22,10 22,7'
"$im" "$tmp"/{0..5}.bmp +append -type TrueColor BMP3:largeimages.bmp
"$im" "$tmp"/{0..5}.bmp -sample 50% +append -type TrueColor BMP3:smallimages.bmp
