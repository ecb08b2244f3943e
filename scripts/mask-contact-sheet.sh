#!/usr/bin/env bash
# Draws every thumbnail of the built-in mask pack on one sheet, using the CLI:
#   scripts/mask-contact-sheet.sh OUT.png [BUILD_DIR]
set -euo pipefail
out=${1:?usage: mask-contact-sheet.sh OUT.png [BUILD_DIR]}
build=${2:-build}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR=$work
"$build/montora" mask-pack "$work"
count=$("$build/montora" library list "$work/tbmask.cfg" | awk -F'\t' '$1 == "count" { print $2 }')
for ((i = 0; i < count; i++)); do
  "$build/montora" library extract "$work/tbmask.cfg" "$i" "$work/$(printf 'mask%02d' "$i").png"
done
# The labels are the masks' indices in the library.
gm montage -geometry +6+6 -tile 7x -background '#8899aa' -font /usr/share/fonts/truetype/dejavu/DejaVuSans.ttf -label '%t' -pointsize 11 "$work"/mask*.png "$out"
echo "$out: $count masks"
