#!/usr/bin/env bash
# Builds the libFuzzer targets (preset "fuzz": clang, AddressSanitizer, UndefinedBehaviorSanitizer)
# in build-fuzz/ and runs each one, starting from its seeds (the golden files, fuzz/corpus/<target>/
# and the known-bad inputs) and keeping what it learns in build-fuzz/corpus/<target>/.
# Usage: scripts/fuzz.sh [SECONDS | -runs=N] [-FLAG...] [TARGET...]
#   SECONDS  time per target (default 60); -runs=N stops each target after N executions instead.
#   -FLAG    any further libFuzzer flag, given after the defaults so that it wins: -fork=2 runs two
#            jobs at a time (one per core), -max_len=1024 keeps the inputs shorter and the runs faster.
#   TARGET   log_reader, province_file, settings, exports, call_history (default: all five).
# Mutated inputs stay within 4 KiB, which keeps thousands of runs a second; the longer seeds
# (1 MB lines) are still run whole, here and by the test run's replay.
# An input that makes a target fail is written to build-fuzz/crash-<target>-*; copy it into
# fuzz/corpus/<target>/ so that the test run replays it from then on.
set -euo pipefail
cd "$(dirname "$0")/.."
budget="${1:-60}"
shift || true
flags=()
targets=()
for argument in "$@"; do
    if [[ $argument == -* ]]; then
        flags+=("$argument")
    else
        targets+=("$argument")
    fi
done
[ ${#targets[@]} -gt 0 ] || targets=(log_reader province_file settings exports call_history)
if [[ $budget == -runs=* ]]; then
    limit=("$budget")
else
    limit=(-max_total_time="$budget")
fi

scripts/setup.sh
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz -- -j"$(nproc)"

# Without the stack of every allocation ASan runs the targets a good deal faster; a crash still
# shows where it happened, and replaying its input (build/fuzz/fuzz_<target>_replay) gives the rest.
export ASAN_OPTIONS="${ASAN_OPTIONS:-malloc_context_size=0}"
status=0
for target in "${targets[@]}"; do
    corpus="build-fuzz/corpus/$target"
    mkdir -p "$corpus"
    build-fuzz/fuzz/fuzz_write_seeds "$corpus"
    while IFS= read -r seed; do
        [ -n "$seed" ] || continue
        if [ -d "$seed" ]; then
            find "$seed" -maxdepth 1 -type f ! -name '.*' -exec cp {} "$corpus/" \;
        else
            cp "$seed" "$corpus/"
        fi
    done <"build-fuzz/fuzz/fuzz_$target.seeds"
    echo "== $target"
    if ! build-fuzz/fuzz/"fuzz_$target" "$corpus" "${limit[@]}" -max_len=4096 \
        ${flags[@]+"${flags[@]}"} -print_final_stats=1 -artifact_prefix="build-fuzz/crash-$target-" \
        >"build-fuzz/fuzz_$target.log" 2>&1; then
        status=1
        echo "FAILED: see build-fuzz/fuzz_$target.log and build-fuzz/crash-$target-*"
    fi
    grep -E 'stat::(number_of_executed_units|average_exec_per_sec|new_units_added)' \
        "build-fuzz/fuzz_$target.log" || true
done
exit $status
