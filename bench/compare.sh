#!/usr/bin/env bash
# Times the real program's command line against mawk scripts that compute the same numbers, and
# against `wc -l` as the cost of merely reading the file, on generated logs of 100 000 and
# 1 000 000 rows (QSO, and SWL logs whose every row brings two new stations). Prints the median
# wall times, their ratios and the peak memory (GNU time), and checks that mawk and the program
# agree byte for byte.
#
#   bench/compare.sh [BUILD_FOLDER [RUNS]]      defaults: build, 5
#   COMPARE_LOGS="empty qso-100k" bench/compare.sh ...   only some of the logs
#
# Needs a release build (cmake --preset default; targets zelkor and zelkor_genlog), mawk and
# GNU time (scripts/setup.sh installs both). Not part of the test run.
set -euo pipefail

here="$(cd "$(dirname "$0")" && pwd)"
build="$(cd "${1:-$here/../build}" && pwd)"
runs="${2:-5}"
zelkor="$build/src/ui/zelkor"
genlog="$build/bench/zelkor_genlog"
gnu_time=/usr/bin/time
for tool in "$zelkor" "$genlog" "$gnu_time" "$(command -v mawk || true)"; do
    if [ ! -x "$tool" ]; then
        echo "Manca: ${tool:-mawk} (compilare zelkor e zelkor_genlog; scripts/setup.sh installa mawk e time)" >&2
        exit 1
    fi
done

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
# The program reads the summary data from the user's settings: a private, empty store.
export HOME="$work/home" XDG_CONFIG_HOME="$work/home/.config" XDG_DATA_HOME="$work/home/.local/share"
mkdir -p "$XDG_CONFIG_HOME" "$XDG_DATA_HOME"

read -r -a logs <<< "${COMPARE_LOGS:-empty qso-100k qso-1M swl-100k swl-1M}"
declare -A shape=([empty]=qso [qso-100k]=qso [qso-1M]=qso [swl-100k]=swl-new [swl-1M]=swl-new)
declare -A rows=([empty]=0 [qso-100k]=100000 [qso-1M]=1000000 [swl-100k]=100000 [swl-1M]=1000000)
for log in "${logs[@]}"; do
    "$genlog" "${shape[$log]}" "${rows[$log]}" "$work/$log.zelk"
done

# run NAME COMMAND...: one timed run; appends "milliseconds peak_kB" to $work/NAME.times.
run() {
    local name="$1"
    shift
    local start end
    start=$(date +%s%N)
    "$gnu_time" -f %M -o "$work/peak" "$@" > /dev/null 2> "$work/stderr" || {
        echo "Fallito: $*" >&2
        cat "$work/stderr" >&2
        exit 1
    }
    end=$(date +%s%N)
    echo "$(( (end - start) / 1000000 )) $(tail -n 1 "$work/peak")" >> "$work/$name.times"
}

# median NAME: the median milliseconds and the highest peak of NAME's runs.
median_ms() { sort -n "$work/$1.times" | awk '{ t[NR] = $1 } END { print t[int((NR + 1) / 2)] }'; }
peak_mb() { awk '$2 > m { m = $2 } END { printf "%.1f", m / 1024 }' "$work/$1.times"; }

# The rounds interleave the tools, so that a busy moment of the machine hits all of them.
for (( round = 1; round <= runs; round++ )); do
    for log in "${logs[@]}"; do
        file="$work/$log.zelk"
        run "$log.score.zelkor" "$zelkor" --score "$file"
        run "$log.score.mawk" mawk -f "$here/score.awk" "$file"
        run "$log.cabrillo.zelkor" "$zelkor" --export cabrillo "$file" "$work/$log.zelkor.cbr"
        run "$log.cabrillo.mawk" sh -c 'mawk -f "$1" "$2" "$2" > "$3"' sh \
            "$here/cabrillo.awk" "$file" "$work/$log.mawk.cbr"
        run "$log.wc" wc -l "$file"
    done
done

# Same numbers and same bytes, or the comparison means nothing.
for log in "${logs[@]}"; do
    file="$work/$log.zelk"
    if ! cmp -s <("$zelkor" --score "$file" 2>&1) <(mawk -f "$here/score.awk" "$file" 2>&1); then
        echo "ATTENZIONE: il punteggio di mawk differisce da quello del programma per $log" >&2
        exit 1
    fi
    if ! cmp -s "$work/$log.zelkor.cbr" "$work/$log.mawk.cbr"; then
        echo "ATTENZIONE: il Cabrillo di mawk differisce da quello del programma per $log" >&2
        exit 1
    fi
done

ratio() { awk -v a="$1" -v b="$2" 'BEGIN { if (b == 0) b = 1; printf "%.2f", a / b }'; }

echo "Machine: $(lscpu | sed -n 's/^Model name: *//p' | head -n 1), $(nproc) cores," \
     "load $(cut -d' ' -f1-3 /proc/loadavg); median of $runs runs, wall ms"
printf "%-9s %8s | %8s %8s %6s | %8s %8s %6s | %6s %7s | %9s %9s\n" \
    log size score mawk ratio cabrillo mawk ratio "wc -l" "score/wc" "peak MB" "mawk MB"
for log in "${logs[@]}"; do
    size=$(stat -c %s "$work/$log.zelk" | awk '{ printf "%.1f", $1 / 1e6 }')
    s=$(median_ms "$log.score.zelkor")
    sm=$(median_ms "$log.score.mawk")
    c=$(median_ms "$log.cabrillo.zelkor")
    cm=$(median_ms "$log.cabrillo.mawk")
    w=$(median_ms "$log.wc")
    peak=$(peak_mb "$log.score.zelkor")
    cpeak=$(peak_mb "$log.cabrillo.zelkor")
    printf "%-9s %6s MB | %8s %8s %6s | %8s %8s %6s | %6s %7s | %4s/%-4s %9s\n" \
        "$log" "$size" "$s" "$sm" "$(ratio "$s" "$sm")" "$c" "$cm" "$(ratio "$c" "$cm")" \
        "$w" "$(ratio "$s" "$w")" "$peak" "$cpeak" "$(peak_mb "$log.score.mawk")"
done
echo "ratio: the program's time over mawk's (<= 1.00: the program is as fast or faster)."
echo "peak MB: the program's highest resident memory over the runs, --score/--export cabrillo."
if [ -f "$work/empty.score.zelkor.times" ]; then
    for log in "${logs[@]}"; do
        [ "$log" = empty ] && continue
        echo "$log, --score: $(awk -v a="$(peak_mb "$log.score.zelkor")" -v b="$(peak_mb empty.score.zelkor)" \
            'BEGIN { printf "%.1f", a - b }') MB above the empty log."
    done
fi
