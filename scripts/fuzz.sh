#!/usr/bin/env bash
# Runs one fuzzer for as long as asked:  scripts/fuzz.sh TARGET SECONDS [libFuzzer options]
# (targets: `scripts/fuzz.sh --list`). Needs the fuzz build (`make fuzzers`). The
# corpus it grows is kept in build-fuzz/fuzz/corpus/TARGET and each run starts
# from it and from the seeds our writers made; a crashing input is saved in
# build-fuzz/fuzz/crashes/TARGET/ and the run exits non-zero. libFuzzer's final
# statistics (executions, coverage) end the output.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${FUZZ_BUILD_DIR:-$root/build-fuzz}
targets=(fuzz_project fuzz_thumbnail_library fuzz_picture_library fuzz_photo_list fuzz_resource_pack
         fuzz_imported_pack_list fuzz_language_file fuzz_language_text fuzz_picture_file fuzz_memory_picture)
if [ "${1:-}" = --list ]; then printf '%s\n' "${targets[@]}"; exit 0; fi
if [ $# -lt 2 ]; then echo "usage: $0 TARGET SECONDS [libFuzzer options]  (or --list)" >&2; exit 2; fi
target=$1 seconds=$2
shift 2
binary=$build/fuzz/$target
[ -x "$binary" ] || { echo "$binary is missing: build it with 'make fuzzers'" >&2; exit 2; }

case $target in
  fuzz_project) dict=project ;;
  fuzz_picture_file|fuzz_memory_picture) dict=picture ;;
  fuzz_language_text) dict=language_text ;;
  fuzz_language_file) dict= ;;
  *) dict=library ;;
esac
corpus=$build/fuzz/corpus/$target
crashes=$build/fuzz/crashes/$target
mkdir -p "$corpus" "$crashes"
options=(-max_total_time="$seconds" -timeout=25 -rss_limit_mb=2560 -max_len=65536
         -print_final_stats=1 -artifact_prefix="$crashes/")
[ -n "$dict" ] && options+=(-dict="$root/fuzz/dict/$dict.dict")
# libwmf prints a line to stderr for every bad record of a WMF; libFuzzer keeps
# its own output and the sanitizers' reports, and fuzz::fail its own copy.
case $target in
  fuzz_picture_file|fuzz_memory_picture) options+=(-close_fd_mask=2) ;;
esac

# Leaks are looked for at the end of each input, the undefined behaviour stops the run.
export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1:abort_on_error=1:allocator_may_return_null=1}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}
export LSAN_OPTIONS=${LSAN_OPTIONS:-suppressions=$root/scripts/lsan.supp:print_suppressions=0}
exec "$binary" "${options[@]}" "$@" "$corpus" "$build/fuzz/seeds/$target"
