#!/usr/bin/env bash
# Photo-list thumbnails (80 x 80, stretched, JPEG quality 75) of the peers' real-photo
# input set, timed beside GraphicsMagick and libjpeg-turbo's djpeg in the same run.
#
# usage: bench/thumbnails.sh   (RUNS, WARMUP, ONLY, BENCH_INPUTS as in the peers' bench-lib.sh)
# prints: job peer seconds_median per_item_ms, then the ratios to djpeg -scale 1/8.
set -uo pipefail
ROOT=$(cd "$(dirname "$0")/.." && pwd)
PEERS_DIR=${PEERS_DIR:-$ROOT/../shared/bench-peers}
MONTORA=${MONTORA:-$ROOT/build/montora}
[ -x "$MONTORA" ] || { echo "build first: make build" >&2; exit 2; }
[ -f "${BENCH_INPUTS:-/tmp/bench-inputs}/MANIFEST.tsv" ] || bash "$PEERS_DIR/prepare-inputs.sh" >&2
source "$PEERS_DIR/bench-lib.sh"
export MONTORA
RUNS=${RUNS:-5}
N=$(find "$IN/jpg" -name '*.jpg' | wc -l)
T=80x80

peer montora-1core "$N" \
  "\"\$MONTORA\" picture thumbnail --jobs 1 --out-dir \"\$OUT\" \"\$IN\"/jpg/*.jpg" "$N:$T"
peer montora-2cores "$N" \
  "\"\$MONTORA\" picture thumbnail --jobs 2 --out-dir \"\$OUT\" \"\$IN\"/jpg/*.jpg" "$N:$T"
peer gm-convert-thumbnail "$N" \
  "for f in \"\$IN\"/jpg/*.jpg; do gm convert -size 160x160 \"\$f\" -thumbnail '$T!' -quality 75 \"\$OUT/\$(basename \"\$f\")\"; done" "$N:$T" gm
peer lb-djpeg-scale1_8 "$N" \
  "for f in \"\$IN\"/jpg/*.jpg; do djpeg -scale 1/8 \"\$f\" > /dev/null; done" "" djpeg

mkdir -p "${BENCH_RESULTS:-/tmp/bench-results}"
run_peers thumbnails "$RUNS" | tee "${BENCH_RESULTS:-/tmp/bench-results}/thumbnails.lines"
awk '$2=="lb-djpeg-scale1_8"{base=$4} {row[$2]=$4} END {
  if (base > 0) for (p in row) if (p != "lb-djpeg-scale1_8") printf "ratio %s / djpeg-1/8 per picture: %.2f\n", p, row[p]/base }' \
  "${BENCH_RESULTS:-/tmp/bench-results}/thumbnails.lines"
