#!/usr/bin/env bash
# Draws the main window's pictures (run again after changing one; the PNGs are kept
# in the repository so the build needs no ImageMagick): each at 1× as NAME.png and at
# 2× as NAME@2x.png, for dense screens. Eight bits a channel (PNG32): the window reads
# forty of them at every start, and a 16-bit picture is slower to read and convert.
set -euo pipefail
cd "$(dirname "$0")"
font=DejaVu-Sans-Bold

# The scale s and the file suffix of the pass being drawn.
s=1
suffix=
# A length, and a pixel coordinate of the 1× drawing (pixel centres stay centres).
len() { echo $(($1 * s)); }
at() { awk -v s="$s" -v x="$1" 'BEGIN { print s * x + (s - 1) / 2 }'; }
# A rounded rectangle of the 1× drawing: x1 y1 x2 y2 radius
rounded() { echo "roundrectangle $(at "$1"),$(at "$2") $(at "$3"),$(at "$4") $(len "$5"),$(len "$5")"; }

# A rounded tile with a glyph: name size background foreground glyph pointsize
tile() {
    convert -size "$(len "$2")x$(len "$2")" xc:none -fill "$3" -stroke '#404040' \
        -strokewidth "$s" -draw "$(rounded 1 1 $(($2 - 2)) $(($2 - 2)) 5)" \
        -fill "$4" -stroke none -font "$font" -pointsize "$(len "$6")" -gravity center \
        -annotate +0+0 "$5" -strip "PNG32:$1$suffix.png"
}

draw() {
    for n in 1 2 8 9 12 14 17 5; do tile "module$n" 32 '#ffc080' '#804000' "$n" 14; done
    for n in 3 4 6 10 11 13 16 15; do tile "module$n" 32 '#a0c8ff' '#002080' "$n" 14; done
    tile ecologia 32 '#b0e0a0' '#205010' 'É' 16
    tile volet0 48 '#ffe0c0' '#804000' 'Ch' 16
    tile volet1 48 '#ffc080' '#804000' 'M' 18
    tile volet2 48 '#d0e4ff' '#002080' 'Ph' 16
    tile volet3 48 '#a0c8ff' '#002080' 'M' 18
    tile theme1 48 '#fff0b0' '#806000' 'T1' 16
    tile theme2 48 '#fff0b0' '#806000' 'T2' 16
    tile theme3 48 '#fff0b0' '#806000' 'T3' 16
    tile home 26 '#ffe0c0' '#804000' '⌂' 16
    tile suite 20 '#ffffff' '#000080' '▶' 11
    tile avantcours 20 '#ffffff' '#000080' '◀' 11
    tile projo 32 '#e0e0e0' '#202020' '▣' 18
    tile btexo 32 '#ffffc0' '#806000' '?' 18
    tile update 24 '#e0ffe0' '#206020' '↻' 14
    tile test 16 '#ffffc0' '#806000' '?' 10
    tile essentiel 16 '#ffe0e0' '#800000' '!' 10
    tile video 16 '#e0e0e0' '#202020' '▶' 9
    tile docu 16 '#e0f0ff' '#002060' 'D' 9
    tile play 24 '#ffffff' '#000000' '▶' 12
    tile step 24 '#ffffff' '#000000' '▷' 12
    tile pause 24 '#ffffff' '#000000' '❚❚' 9
    tile stop 24 '#ffffff' '#000000' '■' 12
    tile back 24 '#ffffff' '#000000' '◁' 12
    tile end 24 '#ffffff' '#000000' '▶❚' 9
    tile start 24 '#ffffff' '#000000' '❚◀' 9
    tile down 28 '#e0e0ff' '#000060' '▼' 12
    tile up 28 '#e0e0ff' '#000060' '▲' 12

    # The hand cursor: a pointing finger, its tip at the top left quarter.
    convert -size "$(len 32)x$(len 32)" xc:none -fill white -stroke black -strokewidth "$s" \
        -draw "$(rounded 6 1 11 18 2)" \
        -draw "$(rounded 11 9 16 20 2)" -draw "$(rounded 16 10 21 21 2)" \
        -draw "$(rounded 21 11 26 22 2)" -draw "$(rounded 4 16 26 30 5)" \
        -stroke none -draw "rectangle $(at 7),$(at 17) $(at 25),$(at 20)" -strip "PNG32:hand$suffix.png"
}

draw
s=2 suffix=@2x draw
