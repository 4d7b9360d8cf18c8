#!/usr/bin/env bash
# Builds Zelkor and its tests with AddressSanitizer (leaks included) and UndefinedBehaviorSanitizer
# (preset "debug", build-debug/) and runs the tests there; any report fails the run. The
# benchmarks and the fuzz replays are left out of this build: scripts/fuzz.sh runs the fuzz
# targets under the same sanitizers.
# Usage: scripts/test-sanitizers.sh [CTEST ARGUMENTS...]   e.g. -R tst_progresswindow
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
werror=()
if [ "${ZELKOR_WERROR:-}" = ON ]; then
    werror=(-DZELKOR_WERROR=ON)
fi
if [ ! -f build-debug/CMakeCache.txt ] || [ ${#werror[@]} -gt 0 ]; then
    cmake --preset debug "${werror[@]}"
fi
cmake --build --preset debug -- -j"$(nproc)"
# The test preset sets the offscreen platform and makes UBSan stop at its first report.
ctest --preset debug -j"$(nproc)" "$@"
