#!/usr/bin/env bash
# Configures and builds one configuration: release (default), asan, tsan (ThreadSanitizer, for the
# search engine's threads), or fuzz (clang, libFuzzer targets only).
# usage: scripts/build.sh [release|asan|tsan|fuzz] [ninja targets...]
set -euo pipefail
cd "$(dirname "$0")/.."
config=${1:-release}; shift || true
case "$config" in
  release) flags=(-DCMAKE_BUILD_TYPE=RelWithDebInfo -DVORLANE_SANITIZE=OFF) ;;
  asan)    flags=(-DCMAKE_BUILD_TYPE=Debug -DVORLANE_SANITIZE=ON) ;;
  tsan)    flags=(-DCMAKE_BUILD_TYPE=RelWithDebInfo -DVORLANE_TSAN=ON) ;;
  fuzz)    flags=(-DCMAKE_BUILD_TYPE=RelWithDebInfo -DVORLANE_FUZZ=ON -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++) ;;
  *) echo "unknown configuration: $config" >&2; exit 2 ;;
esac
# ccache, where present, lets several work trees of the project share their compiled objects.
if command -v ccache >/dev/null; then
  export CCACHE_BASEDIR="$PWD"
  flags+=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache -DCMAKE_C_COMPILER_LAUNCHER=ccache)
fi
mkdir -p "build/$config"
# Several engineers may build in the same tree at once: one build at a time per folder.
exec 9>"build/$config.lock"
flock 9
cmake -S . -B "build/$config" -G Ninja "${flags[@]}" >/dev/null
cmake --build "build/$config" -- "$@"
