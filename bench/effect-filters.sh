#!/usr/bin/env bash
# The picture filters beside GraphicsMagick: each of `montora filter`'s filters on a
# 3200 x 2400 picture, and gm's nearest operation on the same picture, round-robin in
# the same run (BMP in and out for both, the cheapest codec either has). A pair of
# plain copies gives what reading and writing cost, so the filters can also be
# compared by what they add to a copy. montora's copy (`picture convert`) decodes and
# saves through the general path, while `filter` works on a plain BMP where it lies,
# so montora's "over the copy" can fall below zero.
#
# gm's nearest operations: erode, dilate and median beside -median 1 (gm's 3 x 3 rank
# filter; it has no least/greatest filter), noise beside +noise Uniform, jitter beside
# -spread 2, contour and edge beside -edge 1, emboss beside -emboss 1, and the five
# kernels beside -convolve with the same kernel.
#
# usage: bench/effect-filters.sh   (RUNS, WARMUP, ONLY as in bench-lib.sh; PICTURE=a file to use;
#        PEERS_DIR=the peers' folder when this checkout is not beside shared/)
# prints: job peer seconds_median per_item_ms, then montora's ratio to gm per filter,
# whole command and over the copy.
set -uo pipefail
ROOT=$(cd "$(dirname "$0")/.." && pwd)
PEERS_DIR=${PEERS_DIR:-$ROOT/../shared/bench-peers}
MONTORA=${MONTORA:-$ROOT/build/montora}
[ -x "$MONTORA" ] || { echo "build first: make build" >&2; exit 2; }
command -v gm >/dev/null || { echo "needs gm (graphicsmagick)" >&2; exit 2; }
# bench-lib.sh wants an input set; this job makes its own picture.
BENCH_INPUTS=${BENCH_INPUTS:-/tmp/bench-inputs}
if [ ! -f "$BENCH_INPUTS/MANIFEST.tsv" ]; then
  BENCH_INPUTS=$(mktemp -d); touch "$BENCH_INPUTS/MANIFEST.tsv"; export BENCH_INPUTS
fi
source "$PEERS_DIR/bench-lib.sh"
RUNS=${RUNS:-3}
RESULTS_DIR=${BENCH_RESULTS:-/tmp/bench-results}
mkdir -p "$RESULTS_DIR"
export XDG_RUNTIME_DIR=${XDG_RUNTIME_DIR:-/tmp/runtime-$(id -u)}

SRC=$(mktemp -d "$FAST_TMP/montora-filters.XXXXXX"); CLEANUP+=("$SRC")
PICTURE_IN=$SRC/in.bmp
export PICTURE_IN MONTORA
# A photograph of the input set when there is one, else a plasma; 3200 x 2400 either way.
PHOTO=${PICTURE:-$(ls "$IN"/jpg/*.jpg 2>/dev/null | head -1)}
if [ -n "$PHOTO" ]; then
  gm convert "$PHOTO" -resize '3200x2400!' -type TrueColor "$PICTURE_IN"
else
  gm convert -size 3200x2400 plasma:fractal -type TrueColor "$PICTURE_IN"
fi

declare -A GM_OP=(
  [erode]='-median 1' [dilate]='-median 1' [median]='-median 1' [noise]='+noise Uniform'
  [jitter]='-spread 2' [contour]='-edge 1' [edge]='-edge 1' [emboss]='-emboss 1'
  [sharpen]='-convolve -1,-1,-1,-1,15,-1,-1,-1,-1'
  [blur-5]='-convolve 0,1,2,1,0,1,3,4,3,1,2,4,8,4,2,1,3,4,3,1,0,1,2,1,0'
  [gaussian]='-convolve 1,2,1,2,4,2,1,2,1' [mean]='-convolve 1,1,1,1,1,1,1,1,1'
  [soften]='-convolve 1,1,1,1,8,1,1,1,1'
)
NAMES=$("$MONTORA" filter --list 2>/dev/null | cut -f1)
peer montora-copy 1 '"$MONTORA" picture convert "$PICTURE_IN" "$OUT/out.bmp"' 1
peer gm-copy 1 'gm convert "$PICTURE_IN" "$OUT/out.bmp"' 1 gm
for name in $NAMES; do
  peer "montora-$name" 1 "\"\$MONTORA\" filter $name \"\$PICTURE_IN\" \"\$OUT/out.bmp\"" 1
  peer "gm-$name" 1 "gm convert \"\$PICTURE_IN\" ${GM_OP[$name]} \"\$OUT/out.bmp\"" 1 gm
done
run_peers effect-filters "$RUNS" | tee "$RESULTS_DIR/effect-filters.lines"

awk '{ s[$2] = $3 } END {
  for (p in s) if (p ~ /^montora-/ && p != "montora-copy") {
    f = substr(p, 9); g = s["gm-" f]
    if (g > 0) printf "ratio %-9s montora / gm: %.2f   over the copy: %.2f\n", f, s[p] / g,
      (g - s["gm-copy"] > 0) ? (s[p] - s["montora-copy"]) / (g - s["gm-copy"]) : 0 } }' \
  "$RESULTS_DIR/effect-filters.lines" | sort
