#!/usr/bin/env bash
# Compares start-up time and peak memory of the program's entry window with a bare Qt window of
# 147 line edits; run under an X server (make bench starts one with xvfb-run). The two kinds take
# turns, so that whatever else the machine does falls on both alike.
set -euo pipefail
STARTUP=${1:?usage: $0 path/to/tallyfold_startup}
RUNS=${RUNS:-21}

# A recovery folder of its own: a leftover of a real session would be offered back.
XDG_STATE_HOME=$(mktemp -d)
export XDG_STATE_HOME
trap 'rm -rf "$XDG_STATE_HOME"' EXIT

median() { sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }

declare -A times memory
run() {
    local kind=$1 start end rss
    start=$(date +%s%N)
    rss=$("$STARTUP" "$kind" 2>/dev/null)
    end=$(date +%s%N)
    times[$kind]+="$(((end - start) / 1000)) "
    memory[$kind]+="$rss "
}

"$STARTUP" bare >/dev/null 2>&1 # warm the caches
"$STARTUP" entry >/dev/null 2>&1
for i in $(seq "$RUNS"); do
    if ((i % 2)); then run bare; run entry; else run entry; run bare; fi
done
middle() { tr ' ' '\n' <<<"$1" | grep . | median; }
bare_us=$(middle "${times[bare]}") bare_kb=$(middle "${memory[bare]}")
entry_us=$(middle "${times[entry]}") entry_kb=$(middle "${memory[entry]}")
printf '%-34s %12s %14s\n' "Start-up to window (median of $RUNS)" "time (ms)" "peak RSS (MB)"
printf '%-34s %12.1f %14.1f\n' "bare window, 147 line edits" "$(echo "$bare_us / 1000" | bc -l)" "$(echo "$bare_kb / 1024" | bc -l)"
printf '%-34s %12.1f %14.1f\n' "Tallyfold entry window" "$(echo "$entry_us / 1000" | bc -l)" "$(echo "$entry_kb / 1024" | bc -l)"
printf '%-34s %12.2f %14.2f\n' "ratio" "$(echo "$entry_us / $bare_us" | bc -l)" "$(echo "$entry_kb / $bare_kb" | bc -l)"
