#!/usr/bin/env bash
# The bounded fuzzing step of `make test`: every fuzzer for SECONDS (default 20)
# under the address and undefined-behaviour sanitizers, one after the other.
# Fails when any of them finds a crash, a leak, a hang or broken promise.
set -uo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
seconds=${1:-20}
logs=${FUZZ_BUILD_DIR:-$root/build-fuzz}/fuzz/logs
mkdir -p "$logs"
failed=()
for target in $(bash "$root/scripts/fuzz.sh" --list); do
  if bash "$root/scripts/fuzz.sh" "$target" "$seconds" >"$logs/$target.log" 2>&1; then
    runs=$(grep -o 'stat::number_of_executed_units: *[0-9]*' "$logs/$target.log" | grep -o '[0-9]*$')
    cov=$(grep -o 'cov: [0-9]*' "$logs/$target.log" | tail -1)
    echo "fuzz: $target ok (${runs:-?} runs, ${cov:-cov: ?})"
  else
    failed+=("$target")
    echo "fuzz: $target FAILED, see $logs/$target.log:"
    tail -n 40 "$logs/$target.log"
  fi
done
[ ${#failed[@]} -eq 0 ] || { echo "fuzz: failures in ${failed[*]}"; exit 1; }
