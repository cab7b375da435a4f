#!/usr/bin/env bash
# Runs every fuzz target for SECONDS seconds (default 60) with AddressSanitizer and UBSan, one
# after the other, and prints each target's executions and coverage. A crash stops with the
# input kept (see tests/fuzz/run-fuzzer.sh); add it to the target's corpus once mended.
# usage: scripts/fuzz.sh [SECONDS] [TARGET...]
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}; shift || true
bash scripts/install-deps.sh
bash scripts/build.sh fuzz vorlane_fuzzers
targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
  for f in build/fuzz/tests/fuzz/fuzz_*; do [ -f "$f" ] && [ -x "$f" ] && targets+=("$(basename "$f" | sed 's/^fuzz_//')"); done
fi
printf '%-12s %12s %8s %8s\n' target executions cov features
for t in "${targets[@]}"; do
  dict=tests/fuzz/$t.dict; [ -f "$dict" ] || dict=
  log=$(mktemp)
  if ! bash tests/fuzz/run-fuzzer.sh "build/fuzz/tests/fuzz/fuzz_$t" "tests/fuzz/corpus/$t" "seconds=$seconds" $dict >"$log" 2>&1; then
    tail -40 "$log"; echo "fuzz target $t failed" >&2; exit 1
  fi
  runs=$(grep -o 'stat::number_of_executed_units: [0-9]*' "$log" | awk '{print $2}')
  cov=$(grep -oE 'cov: [0-9]+' "$log" | tail -1 | awk '{print $2}')
  ft=$(grep -oE 'ft: [0-9]+' "$log" | tail -1 | awk '{print $2}')
  printf '%-12s %12s %8s %8s\n' "$t" "$runs" "$cov" "$ft"
  rm -f "$log"
done
