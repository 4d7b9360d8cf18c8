#!/usr/bin/env bash
# Configures (once) and builds Zelkor and its tests in build/. With ZELKOR_WERROR=ON in the
# environment (CI) compiler warnings are errors.
set -euo pipefail
cd "$(dirname "$0")/.."
werror=()
if [ "${ZELKOR_WERROR:-}" = ON ]; then
    werror=(-DZELKOR_WERROR=ON)
fi
if [ ! -f build/CMakeCache.txt ] || [ ${#werror[@]} -gt 0 ]; then
    cmake --preset default "${werror[@]}"
fi
cmake --build --preset default -- -j"$(nproc)"
