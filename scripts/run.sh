#!/usr/bin/env bash
# Sets up a fresh Debian 12 machine, builds Vorlane and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
bash scripts/build.sh release vorlane
exec build/release/src/shell/vorlane "$@"
