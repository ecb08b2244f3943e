#!/usr/bin/env bash
# Runs every benchmark: the Google Benchmark programs, then the whole-command scripts.
set -uo pipefail
ROOT=$(cd "$(dirname "$0")/.." && pwd)
for program in "$ROOT"/build/bench/*_bench; do
  [ -x "$program" ] && QT_QPA_PLATFORM=offscreen "$program" --benchmark_repetitions=5 --benchmark_report_aggregates_only=true
done
for script in "$ROOT"/bench/*.sh; do
  [ "$(basename "$script")" = run-all.sh ] || bash "$script"
done
