#!/usr/bin/env bash
# Sets up a fresh Debian 12 machine, builds Vorlane twice (release, and debug with
# AddressSanitizer + UBSan) and runs the whole test suite in both.
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
