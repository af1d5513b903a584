#!/bin/sh
# Draws the pictures of the "formes" sample quiz with ImageMagick (run once;
# the results are committed). PNG files go to the player's own decoder,
# the JPEG and GIF files to the system's picture loader.
set -e
cd "$(dirname "$0")"
bg="-size 260x200 xc:#f4f0e6"
convert $bg -fill '#d03030' -stroke '#801818' -strokewidth 4 -draw 'circle 130,100 130,30' cercle.png
convert $bg -fill '#3050d0' -stroke '#182880' -strokewidth 4 -draw 'rectangle 65,35 195,165' carre.jpg
convert -size 200x260 xc:#f4f0e6 -fill '#30a040' -stroke '#186020' -strokewidth 4 -draw 'polygon 100,30 180,230 20,230' triangle.gif
convert $bg -fill '#e0b020' -stroke '#806010' -strokewidth 4 \
  -draw 'polygon 130,20 150,78 212,78 162,114 180,172 130,136 80,172 98,114 48,78 110,78' etoile.png
convert -size 260x130 xc:#f4f0e6 -fill '#9040c0' -stroke '#502070' -strokewidth 4 -draw 'ellipse 130,65 110,45 0,360' ovale.jpg
convert $bg -fill '#e07020' -stroke '#804010' -strokewidth 4 -draw 'polygon 130,25 205,70 205,130 130,175 55,130 55,70' hexagone.png
# Shown in place of the circle once it is named: a smiling face.
convert $bg -fill '#ffd040' -stroke '#806010' -strokewidth 4 -draw 'circle 130,100 130,25' \
  -fill '#402000' -stroke none -draw 'circle 105,80 105,90' -draw 'circle 155,80 155,90' \
  -fill none -stroke '#402000' -strokewidth 6 -draw 'arc 90,80 170,145 20,160' bravo.jpg
