#!/usr/bin/env bash
# Sets up the machine, builds Zelkor and starts it. Arguments go to the program (a log file).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
scripts/build.sh
exec build/src/ui/zelkor "$@"
