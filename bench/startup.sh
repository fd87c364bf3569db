#!/usr/bin/env bash
# Compares start-up time and peak memory of the entry window with a bare Qt window of 147 line
# edits; run under an X server (make bench starts one with xvfb-run).
set -euo pipefail
STARTUP=${1:?usage: $0 path/to/tallyfold_startup}
RUNS=${RUNS:-21}

median() { sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }

measure() {
    local kind=$1 times=() memory=()
    for _ in $(seq "$RUNS"); do
        local start end rss
        start=$(date +%s%N)
        rss=$("$STARTUP" "$kind" 2>/dev/null)
        end=$(date +%s%N)
        times+=($(((end - start) / 1000)))
        memory+=("$rss")
    done
    printf '%s %s\n' "$(printf '%s\n' "${times[@]}" | median)" "$(printf '%s\n' "${memory[@]}" | median)"
}

"$STARTUP" bare >/dev/null 2>&1 # warm the caches
read -r bare_us bare_kb < <(measure bare)
read -r entry_us entry_kb < <(measure entry)
printf '%-34s %12s %14s\n' "Start-up to window (median of $RUNS)" "time (ms)" "peak RSS (MB)"
printf '%-34s %12.1f %14.1f\n' "bare window, 147 line edits" "$(echo "$bare_us / 1000" | bc -l)" "$(echo "$bare_kb / 1024" | bc -l)"
printf '%-34s %12.1f %14.1f\n' "Tallyfold entry window" "$(echo "$entry_us / 1000" | bc -l)" "$(echo "$entry_kb / 1024" | bc -l)"
printf '%-34s %12.2f %14.2f\n' "ratio" "$(echo "$entry_us / $bare_us" | bc -l)" "$(echo "$entry_kb / $bare_kb" | bc -l)"
