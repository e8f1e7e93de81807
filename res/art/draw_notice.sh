#!/usr/bin/env bash
# Draws the pictures of the desktop notice, res/Aviso.png (240 x 110), and the same panel without its
# sentence, res/AvisoTexto.png, on which the program writes a text of its own; with ImageMagick and the
# DejaVu fonts (Debian's imagemagick and fonts-dejavu-core). Run it again after changing it and commit
# the PNGs it writes.
set -euo pipefail
out=${1:-$(dirname "$0")/../Aviso.png}
blank=${2:-$(dirname "$0")/../AvisoTexto.png}
bold=/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf
serif=/usr/share/fonts/truetype/dejavu/DejaVuSerif-Bold.ttf
# The panel, its title and the "i": the notice that carries a text of the program's draws it here.
panel=(-size 240x110 xc:'#7A1414'
    -fill '#A83232' -draw 'rectangle 0,0 239,19'
    -fill '#5A0E0E' -draw 'rectangle 0,20 239,20'
    -font "$bold" -pointsize 10 -fill white -annotate +8+14 'Nq-Pivel'
    -fill white -draw 'circle 34,64 34,47'
    -fill '#7A1414' -font "$serif" -pointsize 24 -gravity NorthWest -annotate +29+47 'i')
frame=(-fill none -stroke '#4A0A0A' -draw 'rectangle 0,0 239,109' -strip)
convert "${panel[@]}" \
    -fill white -font "$bold" -pointsize 12 -annotate +62+47 'Ocorreu um erro ao' -annotate +62+65 'abrir este atalho!' \
    "${frame[@]}" "PNG24:$out"
convert "${panel[@]}" "${frame[@]}" "PNG24:$blank"
