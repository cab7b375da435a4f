#!/usr/bin/env bash
# Runs one test executable in a private, throw-away user environment.
# usage: run-test.sh offscreen|x11 EXECUTABLE [ARGS...]
set -euo pipefail
mode=$1; shift
scratch=$(mktemp -d /tmp/vorlane-test.XXXXXX)
trap 'rm -rf "$scratch"' EXIT
mkdir -p "$scratch/home" "$scratch/config" "$scratch/runtime" "$scratch/data" "$scratch/cache"
chmod 700 "$scratch/runtime"
export HOME="$scratch/home" XDG_CONFIG_HOME="$scratch/config" XDG_RUNTIME_DIR="$scratch/runtime"
export XDG_DATA_HOME="$scratch/data" XDG_CACHE_HOME="$scratch/cache" TMPDIR="$scratch"
export QTWEBENGINE_DISABLE_SANDBOX=1 QT_MEDIA_BACKEND=gstreamer
export ASAN_OPTIONS="detect_leaks=0:abort_on_error=1" UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
if [ "$mode" = x11 ]; then
  unset QT_QPA_PLATFORM
  export QT_QPA_PLATFORM=xcb
  exec xvfb-run -a -s "-screen 0 1280x1024x24" "$@"
else
  export QT_QPA_PLATFORM=offscreen
  exec "$@"
fi
