#!/usr/bin/env bash
# Runs clang-tidy with the checks of .clang-tidy over the core (src/core/ and the headers it
# includes) with the compile commands of build/, and fails on any finding. A developer's check,
# not part of CI: the whole core takes about seven minutes on two cores. Name files to check only
# those.
# Usage: scripts/tidy.sh [FILE.cpp...]
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
if [ ! -f build/compile_commands.json ]; then
    cmake --preset default >/dev/null
fi
files=("$@")
if [ ${#files[@]} -eq 0 ]; then
    mapfile -t files < <(find src/core -name '*.cpp' | sort)
fi
# GCC's -Wconversion leaves out the sign conversions and clang's takes them in; the build keeps
# them off (see CMakeLists.txt). -Werror from a ZELKOR_WERROR build would turn clang's own
# warnings into errors that stop a file's checks. The count of warnings clang-tidy kept quiet
# (system headers, checks that are off) is left out of the output.
if ! printf '%s\0' "${files[@]}" |
    xargs -0 -n 1 -P "$(nproc)" clang-tidy -p build --quiet --warnings-as-errors='*' \
        --extra-arg=-Wno-sign-conversion --extra-arg=-Wno-error 2>&1 |
    { grep -Ev '^[0-9]+ warnings? (and [0-9]+ errors? )?generated\.$' || true; }; then
    echo "clang-tidy: findings above." >&2
    exit 1
fi
echo "clang-tidy: nothing to fix in ${#files[@]} files."
