#!/usr/bin/env bash
# Sets up the machine, builds Zelkor and makes its Debian package, build/zelkor_VERSION_ARCH.deb.
# Install it with: sudo apt install ./build/zelkor_*.deb
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
scripts/build.sh
cmake --build --preset default --target package
ls build/zelkor_*.deb
