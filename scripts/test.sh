#!/usr/bin/env bash
# Sets up the machine, builds Zelkor and runs every test; widget tests use the offscreen platform.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
scripts/build.sh
export QT_QPA_PLATFORM=offscreen
ctest --preset default -j"$(nproc)"
