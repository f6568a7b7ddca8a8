#!/usr/bin/env bash
# Draws the welcome-screen pictures (JPEG) and the program icon (PNG) with
# ImageMagick. Run by hand when they change; the results are kept in data/images.
set -euo pipefail
out=${1:-$(dirname "$0")/../data/images}
mkdir -p "$out"

# Left emblem: a blue disc with a white column (a public building).
convert -size 48x48 xc:white -fill '#1f5fa8' -draw 'circle 24,24 24,2' \
  -fill white -draw 'polygon 10,17 24,8 38,17' -draw 'rectangle 12,18 36,20' \
  -draw 'rectangle 14,22 17,34' -draw 'rectangle 22,22 25,34' -draw 'rectangle 31,22 34,34' \
  -draw 'rectangle 11,36 37,39' -quality 92 "$out/emblem-left.jpg"

# Right emblem: the same blue with a white document and a fold.
convert -size 48x48 xc:white -fill '#1f5fa8' -draw 'circle 24,24 24,2' \
  -fill white -draw 'polygon 15,10 29,10 34,15 34,38 15,38' \
  -fill '#1f5fa8' -draw 'rectangle 18,19 31,20' -draw 'rectangle 18,24 31,25' \
  -draw 'rectangle 18,29 27,30' -quality 92 "$out/emblem-right.jpg"

# Left picture: a house on a plot under a sky band, in the window's blue.
convert -size 150x230 gradient:'#dff1f7'-'#ffffff' \
  -fill '#8cc63f' -draw 'rectangle 0,170 150,230' \
  -fill '#309fc0' -draw 'polygon 25,110 75,62 125,110' \
  -fill '#f4f4f4' -stroke '#555555' -draw 'rectangle 35,110 115,170' \
  -fill '#a0522d' -draw 'rectangle 66,134 84,170' \
  -fill '#bfe6f3' -draw 'rectangle 44,120 60,134' -draw 'rectangle 90,120 106,134' \
  -stroke none -fill '#1f5fa8' -draw 'rectangle 10,190 140,200' \
  -quality 92 "$out/welcome.jpg"

# Program icon: a form sheet with a folded corner, a house and "D7", on a
# transparent ground (PNG, for the windows, the about box and the menus).
convert -size 128x128 xc:none \
  -fill white -stroke '#1f5fa8' -strokewidth 6 -draw 'stroke-linejoin round polygon 24,8 84,8 108,32 108,120 24,120' \
  -fill '#dff1f7' -draw 'stroke-linejoin round polygon 84,8 84,32 108,32' \
  -stroke none -fill '#309fc0' -draw 'polygon 34,56 62,30 90,56' -draw 'rectangle 42,56 82,80' \
  -fill white -draw 'rectangle 57,64 67,80' \
  -fill '#1f5fa8' -font DejaVu-Sans-Bold -pointsize 30 -gravity north -annotate +0+82 'D7' \
  PNG32:"$out/d7.png"
