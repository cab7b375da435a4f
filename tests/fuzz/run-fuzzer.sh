#!/usr/bin/env bash
# Runs one fuzz target from its seed corpus, either a number of inputs or a number of seconds.
# New inputs go to a scratch folder, never into the committed corpus; a crash leaves its input
# in the scratch folder's crashes/ and fails the run.
# An input that runs longer than VORLANE_FUZZ_TIMEOUT seconds (default 25) counts as a hang: raise
# it when the fuzzers share a loaded machine at a low priority, where the time is the wall clock's.
# usage: run-fuzzer.sh FUZZER CORPUS runs=N|seconds=S [DICTIONARY]
set -euo pipefail
fuzzer=$1 corpus=$2 limit=$3 dict=${4:-}
scratch=$(mktemp -d "${TMPDIR:-/tmp}/vorlane-fuzz.XXXXXX")
keep=${VORLANE_FUZZ_KEEP:-}
trap '[ -n "$keep" ] || rm -rf "$scratch"' EXIT
mkdir -p "$scratch/new" "$scratch/crashes"
args=(-seed=1 -rss_limit_mb=2048 -timeout=${VORLANE_FUZZ_TIMEOUT:-25} -max_len=262144 -artifact_prefix="$scratch/crashes/" -print_final_stats=1)
case "$limit" in
  runs=*) args+=(-runs="${limit#runs=}") ;;
  seconds=*) args+=(-max_total_time="${limit#seconds=}") ;;
  *) echo "run-fuzzer.sh: bad limit $limit" >&2; exit 2 ;;
esac
[ -n "$dict" ] && args+=(-dict="$dict")
export ASAN_OPTIONS="detect_leaks=0:abort_on_error=1" UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
export QT_QPA_PLATFORM=offscreen
if ! "$fuzzer" "${args[@]}" "$scratch/new" "$corpus"; then
  echo "run-fuzzer.sh: $(basename "$fuzzer") failed; inputs in $scratch/crashes" >&2
  keep=1
  exit 1
fi
