#!/usr/bin/env bash
# Collage export beside the peers: the 3200 x 2400 collage of 12 rotated photos at
# 90 % opacity that the peers' bench-c-collage.sh renders, built as a project from
# the same layout, and `montora render` timed to JPEG q90 and to PNG in the same
# runs as libvips (one process), GraphicsMagick and ImageMagick; then the print-size
# export at 3x (9600 x 7200 JPEG) on its own, with its peak memory.
#
# usage: bench/collage-export.sh   (RUNS, RUNS_PNG, RUNS_3X, WARMUP, ONLY, BENCH_INPUTS as in bench-lib.sh)
# prints: job peer seconds_median per_item_ms, then montora's ratios to the peers and
# the 3x row's peak resident memory.
set -uo pipefail
ROOT=$(cd "$(dirname "$0")/.." && pwd)
PEERS_DIR=${PEERS_DIR:-$ROOT/../shared/bench-peers}
MONTORA=${MONTORA:-$ROOT/build/montora}
[ -x "$MONTORA" ] || { echo "build first: make build" >&2; exit 2; }
# MINIMAL: the inputs and the command-line peers; the one-process libvips peer below
# is built from C, which needs these too.
[ -f "${BENCH_INPUTS:-/tmp/bench-inputs}/MANIFEST.tsv" ] || MINIMAL=1 bash "$PEERS_DIR/prepare-inputs.sh" >&2
for p in libvips-dev gcc pkg-config; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'ok installed' ||
    { [ "$(id -u)" -eq 0 ] && S= || S=sudo; $S env DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends "$p" >&2; }
done
source "$PEERS_DIR/bench-lib.sh"
RUNS=${RUNS:-5}
RUNS_PNG=${RUNS_PNG:-3}
RUNS_3X=${RUNS_3X:-2}
BUILD=${BENCH_BUILD:-/tmp/bench-peers-build}
RESULTS_DIR=${BENCH_RESULTS:-/tmp/bench-results}

SRC=$(mktemp -d "$FAST_TMP/montora-collage.XXXXXX"); CLEANUP+=("$SRC")
LAYOUT=$SRC/layout.tsv
PROJECT=$SRC/collage.mcf
export LAYOUT PROJECT MONTORA HERE

# ---- the layout, exactly as bench-c-collage.sh writes it: file w h angle x y, where
# (x, y) is the top-left corner of the rotated photo's bounding box.
awk -F'\t' -v dir="$IN/jpg" -v angles="-12 7 -4 15 -9 3 11 -15 5 -7 9 -2" '
BEGIN { split(angles, A, " "); pi = atan2(0, -1) }
NR > 1 && $1 ~ /\.jpg$/ && ++j % 2 == 1 && n < 12 {
  n++; split($3, d, "x"); F[n] = dir "/" $1; W[n] = d[1]; H[n] = d[2] }
END {
  if (n != 12) { print "need 24 input JPEGs" > "/dev/stderr"; exit 1 }
  for (i = 1; i <= n; i++) {
    s = 800 / W[i]; if (600 / H[i] < s) s = 600 / H[i]
    w = int(W[i] * s + 0.5); h = int(H[i] * s + 0.5); t = A[i] * pi / 180
    c = cos(t); if (c < 0) c = -c; sn = sin(t); if (sn < 0) sn = -sn
    bw = w * c + h * sn; bh = w * sn + h * c
    cx = 400 + 800 * ((i - 1) % 4); cy = 400 + 800 * int((i - 1) / 4)
    x = cx - bw / 2; y = cy - bh / 2
    printf "%s\t%d\t%d\t%s\t%d\t%d\n", F[i], w, h, A[i], (x < 0 ? -int(-x + 0.5) : int(x + 0.5)), (y < 0 ? -int(-y + 0.5) : int(y + 0.5))
  } }' "$IN/MANIFEST.tsv" > "$LAYOUT" || exit 1

# ---- the same collage as a project. A photo's box is its whole picture; the scale
# makes it w x h (a hair over, so that truncation lands on w); our items turn about
# the centre of their display box, which is put on the centre of the layout's
# bounding box.
"$MONTORA" new "$PROJECT" --size 3200x2400 --colour FFFFFF 2>/dev/null || exit 1
awk -F'\t' 'NR == FNR { if (FNR > 1) { split($3, d, "x"); W[$1] = d[1]; H[$1] = d[2] } next }
{ n = split($1, p, "/"); sw = W[p[n]]; sh = H[p[n]]; pi = atan2(0, -1)
  s = ($2 + 0.5) / sw; if (($3 + 0.5) / sh < s) s = ($3 + 0.5) / sh
  dw = int(sw * s); dw -= dw % 4; dh = int(sh * s); dh -= dh % 4
  t = $4 * pi / 180; c = cos(t); if (c < 0) c = -c; sn = sin(t); if (sn < 0) sn = -sn
  cx = $5 + ($2 * c + $3 * sn) / 2; cy = $6 + ($2 * sn + $3 * c) / 2
  printf "%s\t%.9g\t%s\t%d\t%d\n", $1, s, $4, int(cx - int(dw / 2) + 0.5), int(cy - int(dh / 2) + 0.5) }' \
  "$IN/MANIFEST.tsv" "$LAYOUT" |
while IFS=$'\t' read -r file scale angle x y; do
  "$MONTORA" add-photo "$PROJECT" "$file" --at "$x,$y" --scale "$scale" --angle "$angle" --opacity 0.9 2>/dev/null ||
    { echo "add-photo failed for $file" >&2; exit 1; }
done || exit 1

# ---- the single-process libvips renderer, as the peers' script builds it
VIPSC=$BUILD/collage-vips; export VIPSC
if [ ! -x "$VIPSC" ] || [ "$PEERS_DIR/collage-vips.c" -nt "$VIPSC" ]; then
  mkdir -p "$BUILD"
  # shellcheck disable=SC2046
  cc -O2 -o "$VIPSC" "$PEERS_DIR/collage-vips.c" $(pkg-config --cflags --libs vips) >&2 || echo "# collage-vips build failed" >&2
fi

JQ='-quality 90 -sampling-factor 2x2'
VJ='[Q=90,subsample-mode=on,optimize-coding]'
peer montora 1 "\"\$MONTORA\" render \"\$PROJECT\" \"\$OUT/c.jpg\" 2>/dev/null" 1:3200x2400
peer libvips-c 1 "\"\$VIPSC\" \"\$LAYOUT\" \"\$OUT/c.jpg$VJ\"" 1:3200x2400 "$VIPSC"
peer gm 1 "\"\$HERE/collage-gm.sh\" \"\$LAYOUT\" \"\$OUT/c.jpg\" $JQ" 1:3200x2400 gm
peer im6 1 "\"\$HERE/collage-im6.sh\" \"\$LAYOUT\" \"\$OUT/c.jpg\" $JQ" 1:3200x2400 "$IM6"
mkdir -p "$RESULTS_DIR"
run_peers montora-c-jpg "$RUNS" | tee "$RESULTS_DIR/montora-c-jpg.lines"

reset_peers
VP='[compression=6,filter=all]'
PQ='-depth 8 -quality 65'
peer montora 1 "\"\$MONTORA\" render \"\$PROJECT\" \"\$OUT/c.png\" 2>/dev/null" 1:3200x2400
peer libvips-c 1 "\"\$VIPSC\" \"\$LAYOUT\" \"\$OUT/c.png$VP\"" 1:3200x2400 "$VIPSC"
peer gm 1 "\"\$HERE/collage-gm.sh\" \"\$LAYOUT\" \"\$OUT/c.png\" $PQ" 1:3200x2400 gm
run_peers montora-c-png "$RUNS_PNG" | tee "$RESULTS_DIR/montora-c-png.lines"

reset_peers
peer montora-3x 1 "\"\$MONTORA\" render \"\$PROJECT\" \"\$OUT/c.jpg\" --scale 3 2>/dev/null" 1:9600x7200
run_peers montora-c-jpg-3x "$RUNS_3X" | tee "$RESULTS_DIR/montora-c-jpg-3x.lines"
awk -F'\t' '$2 == "montora-3x" { printf "peak montora 3x (9600 x 7200 JPEG): %s MB resident, %s s\n", $11, $5 }' \
  "$RESULTS_DIR/montora-c-jpg-3x.tsv"

for job in montora-c-jpg montora-c-png; do
  awk -v job="$job" '{ t[$2] = $3 } END {
    if (t["montora"] == "" || t["montora"] == "NA") exit
    for (p in t) if (p != "montora" && t[p] != "NA" && t[p] > 0) printf "ratio %s montora / %s: %.2f\n", job, p, t["montora"] / t[p] }' \
    "$RESULTS_DIR/$job.lines"
done
