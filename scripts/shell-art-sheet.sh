#!/usr/bin/env bash
# Draws every picture of the main window's artwork at 1x and 2x on one sheet:
#   scripts/shell-art-sheet.sh OUT.png [ZOOM] [BUILD_DIR]
# ZOOM enlarges the sheet without smoothing (2 to 8) to look at single pixels.
set -euo pipefail
out=${1:?usage: shell-art-sheet.sh OUT.png [ZOOM] [BUILD_DIR]}
zoom=${2:-1}
build=${3:-build}
cmake --build "$build" --target shell_art_sheet >/dev/null
QT_QPA_PLATFORM=offscreen "$build/shell_art_sheet" "$out" "$zoom"
