#!/usr/bin/env bash
# Fills a data folder with small libraries for looking at the library panels:
# the built-in masks, a few frames and cliparts, the six decoration styles and brushes.
#   scripts/library-panels-sample.sh FOLDER [path/to/montora]
set -euo pipefail

folder=${1:?usage: $0 FOLDER [montora]}
montora=${2:-build/montora}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$folder"

# shape NAME COLOUR DRAW: a 120 x 120 picture on a transparent ground.
shape() {
    gm convert -size 120x120 xc:none -fill "$2" -stroke black -strokewidth 3 -draw "$3" "$work/$1.png"
}
shape circle '#e0483c' 'circle 60,60 60,12'
shape square '#3c8de0' 'roundrectangle 14,14 106,106 14,14'
shape star '#f2c230' 'polygon 60,8 74,44 112,46 82,70 94,110 60,88 26,110 38,70 8,46 46,44'
shape heart '#d23c8c' 'path "M60,104 C10,70 8,30 34,22 C48,18 58,28 60,38 C62,28 72,18 86,22 C112,30 110,70 60,104 Z"'
shape leaf '#4caf50' 'ellipse 60,60 24,50 0,360'
shape diamond '#8c5ad2' 'polygon 60,8 108,60 60,112 12,60'
shape ring '#ff8c1a' 'circle 60,60 60,20'
shape triangle '#20b2aa' 'polygon 60,10 112,106 8,106'
# Frames: a wooden border around a transparent window, so the photo shows through.
for n in 1 2 3 4; do
    l=$((n * 4 + 12)); t=$((n * 3 + 12)); r=$((148 - n * 4)); b=$((108 - n * 3))
    gm convert -size 160x120 xc:none -fill "#7a4a28" \
        -draw "rectangle 0,0 159,$((t - 1))" -draw "rectangle 0,$((b + 1)) 159,119" \
        -draw "rectangle 0,0 $((l - 1)),119" -draw "rectangle $((r + 1)),0 159,119" \
        -fill none -stroke "#f0e0c8" -strokewidth 2 -draw "rectangle $((l - 2)),$((t - 2)) $((r + 2)),$((b + 2))" \
        "$work/frame$n.png"
done

pictures=("$work"/circle.png "$work"/square.png "$work"/star.png "$work"/heart.png
          "$work"/leaf.png "$work"/diamond.png "$work"/ring.png "$work"/triangle.png)

"$montora" --data-dir "$folder" mask-pack "$folder" >/dev/null
"$montora" pack build --kind frame --insets 0.12,0.12,0.88,0.88 --out "$work/frames.irs" "$work"/frame*.png >/dev/null
"$montora" --data-dir "$folder" pack import "$work/frames.irs" >/dev/null
"$montora" pack build --kind clipart --out "$work/clipart.irs" "${pictures[@]}" >/dev/null
"$montora" --data-dir "$folder" pack import "$work/clipart.irs" >/dev/null

# Each decoration style: the pictures from a different start, as cliparts of a
# scratch folder renamed to the style's file.
styles=(chrome_p.cfg ca_p.cfg emboss_p.cfg cloth_p.cfg glow_p.cfg neon_p.cfg)
for i in "${!styles[@]}"; do
    scratch="$work/style$i"
    mkdir -p "$scratch"
    rotated=("${pictures[@]:$i}" "${pictures[@]:0:$i}")
    "$montora" pack build --kind clipart --out "$scratch/style.irs" "${rotated[@]:0:$((3 + i))}" >/dev/null
    "$montora" --data-dir "$scratch" pack import "$scratch/style.irs" >/dev/null
    mv "$scratch/clipart.cfg" "$folder/${styles[$i]}"
done
# Brushes: a stamp keeps the picture's alpha and takes the brush colour, so only the
# shapes matter (dark, to show on the strip). Extra options soften an edge.
brush() {
    gm convert -size 64x64 xc:none -fill '#404040' -draw "$2" "${@:3}" "PNG32:$work/brush_$1.png"
}
brush 1dot 'circle 32,32 32,10' -blur 0x4
brush 2star 'polygon 32,4 39,24 60,25 43,38 49,59 32,47 15,59 21,38 4,25 25,24'
brush 3leaf 'ellipse 32,32 12,28 0,360' -blur 0x1
brush 4tile 'roundrectangle 12,12 52,52 8,8'
"$montora" pack build --kind brush --out "$work/brushes.irs" "$work"/brush_*.png >/dev/null
"$montora" --data-dir "$folder" pack import "$work/brushes.irs" >/dev/null
echo "library files written to $folder"
