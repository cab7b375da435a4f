#!/usr/bin/env bash
# Sets up a fresh Debian 12 machine, builds Vorlane twice (release, and debug with
# AddressSanitizer + UBSan) and runs the whole test suite in both, runs the search engine's tests
# under ThreadSanitizer, then runs each fuzz target
# (clang, libFuzzer) a fixed number of times over its seed corpus.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
jobs=$(nproc)
for config in release asan; do
  echo "=== $config build"
  bash scripts/build.sh "$config"
  echo "=== $config tests"
  ctest --test-dir "build/$config" --output-on-failure -j "$jobs"
done
echo "=== ThreadSanitizer build of the search engine tests"
bash scripts/build.sh tsan search_engine_test
ctest --test-dir build/tsan -R '^search_engine_test$' --output-on-failure
echo "=== fuzz targets (clang, a fixed number of runs each)"
bash scripts/build.sh fuzz vorlane_fuzzers
ctest --test-dir build/fuzz -L fuzz --output-on-failure -j "$jobs"
