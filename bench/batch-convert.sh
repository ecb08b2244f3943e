#!/usr/bin/env bash
# Batch conversion beside the peers: the three jobs of the peers' bench-b-convert.sh
# (4 JPEGs -> PNG, 12 JPEGs -> TIFF LZW, 8 PNGs -> JPEG q90 with alpha on white) done by
# `montora convert` (two files in hand, and one at a time) and by GraphicsMagick with
# the same commands as there, round-robin in the same runs.
#
# usage: bench/batch-convert.sh   (RUNS, WARMUP, ONLY, BENCH_INPUTS as in bench-lib.sh)
# prints: job peer seconds_median per_item_ms, then montora's ratio to gm per file.
set -uo pipefail
ROOT=$(cd "$(dirname "$0")/.." && pwd)
PEERS_DIR=${PEERS_DIR:-$ROOT/../shared/bench-peers}
MONTORA=${MONTORA:-$ROOT/build/montora}
[ -x "$MONTORA" ] || { echo "build first: make build" >&2; exit 2; }
[ -f "${BENCH_INPUTS:-/tmp/bench-inputs}/MANIFEST.tsv" ] || bash "$PEERS_DIR/prepare-inputs.sh" >&2
WARMUP=${WARMUP:-0}
source "$PEERS_DIR/bench-lib.sh"
RUNS=${RUNS:-3}
RESULTS_DIR=${BENCH_RESULTS:-/tmp/bench-results}
mkdir -p "$RESULTS_DIR"

J2P="j24_kite_s.jpg j10_path.jpg j19_flowdark_p.jpg j18_volna.jpg"
J2T=$(cd "$IN/jpg" && ls -- *.jpg | awk 'NR % 2 == 1' | tr '\n' ' ')
P2J=$(cd "$IN/png" && ls -- *.png | tr '\n' ' ')
export J2P J2T P2J MONTORA
count() { wc -w <<<"$1"; }

# montora NAME FORMAT DIR FILES JOBS
montora_peer() {
  peer "$1" "$(count "$5")" \
    "cd \"\$IN/$4\" && \"\$MONTORA\" convert --jobs $2 --format $3 --out \"\$OUT\" $5" "$(count "$5")"
}

montora_peer montora 2 png jpg "$J2P"
montora_peer montora-1 1 png jpg "$J2P"
peer gm "$(count "$J2P")" 'for f in $J2P; do gm convert "$IN/jpg/$f" -quality 65 "$OUT/${f%.jpg}.png"; done' "$(count "$J2P")" gm
run_peers convert-jpg2png "$RUNS" | tee "$RESULTS_DIR/batch-convert.lines"

reset_peers
montora_peer montora 2 tif jpg "$J2T"
montora_peer montora-1 1 tif jpg "$J2T"
peer gm "$(count "$J2T")" 'for f in $J2T; do gm convert "$IN/jpg/$f" -compress LZW -define tiff:predictor=2 "$OUT/${f%.jpg}.tif"; done' "$(count "$J2T")" gm
run_peers convert-jpg2tif "$RUNS" | tee -a "$RESULTS_DIR/batch-convert.lines"

reset_peers
montora_peer montora 2 jpg png "$P2J"
montora_peer montora-1 1 jpg png "$P2J"
peer gm "$(count "$P2J")" 'for f in $P2J; do gm convert "$IN/png/$f" -background white -flatten -quality 90 -sampling-factor 2x2 "$OUT/${f%.png}.jpg"; done' "$(count "$P2J")" gm
run_peers convert-png2jpg "$RUNS" | tee -a "$RESULTS_DIR/batch-convert.lines"

awk '{ ms[$1 " " $2] = $4; jobs[$1] = 1 } END {
  for (j in jobs) for (p in ms) { split(p, k, " ")
    if (k[1] == j && k[2] != "gm" && ms[j " gm"] > 0)
      printf "ratio %s %s / gm per file: %.2f\n", j, k[2], ms[p] / ms[j " gm"] } }' \
  "$RESULTS_DIR/batch-convert.lines" | sort
