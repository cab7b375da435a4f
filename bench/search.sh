#!/usr/bin/env bash
# Search benchmark: vorlane-search against ripgrep (at its default thread count and with one
# thread) and grep on a generated tree of about 600 MB, with no match, a few matches and
# millions of matching lines, in both case modes and both first-occurrence settings; the
# in-window search against vorlane-search, with its event-loop gaps and memory; loading the
# largest list; a large file in the editor; the cost of each search option when on, and with
# VORLANE_BASELINE=/path/to/another/vorlane-search every option off against that program.
# Prints the medians and the ratios.
# usage: bench/search.sh [repetitions] [options]    (tree kept in bench/tree, or $VORLANE_BENCH_TREE;
#        "options" runs the options part alone)
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
bash scripts/build.sh release vorlane-search vorlane-bench-window >/dev/null
tree=${VORLANE_BENCH_TREE:-$PWD/bench/tree}
python3 bench/gentree.py "$tree" 560
exec python3 bench/search.py "$tree" "${1:-5}" ${2:+"$2"}
