#!/usr/bin/env bash
# The long reliability runs (CTest label "soak"), kept out of the default test run:
#   - the kill loop: a writer appending and rewriting the working file is killed 1 000 times at
#     random points; no acknowledged contact lost or doubled, at most one torn line set aside;
#   - the instance lock: 4 processes make 1 000 start attempts each on one folder; never two
#     holders at once.
# Usage: scripts/soak.sh [ROUNDS]   ROUNDS (default 1000) sets both counts, e.g. 10000 for the
# longer run. The figures land in build/soak_*.xml (properties Kills, RowsChecked, Starts).
set -euo pipefail
cd "$(dirname "$0")/.."
rounds="${1:-1000}"
scripts/setup.sh
# The build folder goes back to the default configuration whatever happens, so that a plain
# ctest afterwards stays short.
trap 'cmake --preset default >/dev/null' EXIT
cmake --preset soak >/dev/null
cmake --build --preset soak -- -j"$(nproc)"
export QT_QPA_PLATFORM=offscreen
if [ "$rounds" = 1000 ]; then
    ctest --preset soak
else
    # Test properties fix the counts; a longer run calls the same test program directly.
    ZELKOR_KILL_ROUNDS="$rounds" build/tests/zelkor_core_tests \
        --gtest_filter='WorkingFileCrashTest.*' --gtest_output=xml:build/soak_kill_loop.xml
    ZELKOR_LOCK_ATTEMPTS="$rounds" build/tests/zelkor_core_tests \
        --gtest_filter='InstanceLockTest.FourProcesses*' \
        --gtest_output=xml:build/soak_instance_lock.xml
fi
