#!/usr/bin/env bash
# Search benchmark: vorlane-search against grep and ripgrep (one thread) on a generated tree of
# about 560 MB, in both case modes and both first-occurrence settings, and the in-window search
# against vorlane-search. Prints the median of each and the ratios.
# usage: bench/search.sh [repetitions]    (tree kept in bench/tree, or $VORLANE_BENCH_TREE)
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
bash scripts/build.sh release vorlane-search vorlane-bench-window >/dev/null
tree=${VORLANE_BENCH_TREE:-$PWD/bench/tree}
python3 bench/gentree.py "$tree" 560
exec python3 bench/search.py "$tree" "${1:-5}"
