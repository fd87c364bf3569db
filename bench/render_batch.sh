#!/usr/bin/env bash
# Times `tallyfold --render` drawing COUNT (1,000) data files into PNG files, with one job and
# with every core, side by side (the runs alternate, so that the machine's moods hit both), and
# prints charts per second by the clock and the ratio. Then it measures the peak memory of a run
# that reads its data files from a list (--from-file), at each of MEMORY_COUNTS files (1,000 and
# 10,000): a batch streams its inputs, so the peaks should not grow. The data files are full
# tables with numbers varied per file, generated into a temporary folder under TMPDIR, whose file
# system the result names (TMPDIR=/dev/shm: in memory). Medians of RUNS (5) runs.
set -euo pipefail
PROGRAM=${1:?usage: $0 path/to/tallyfold}
COUNT=${COUNT:-1000}
MEMORY_COUNTS=${MEMORY_COUNTS:-1000 10000}
RUNS=${RUNS:-5}
CORES=$(nproc)
WORK=$(mktemp -d)
trap 'rm -rf "$WORK"' EXIT
mkdir "$WORK/in"

# Data files number FROM to TO: 12 lines of 13 fields a file, in code page 932 with CR LF, as the
# program saves them.
generate() {
    awk -v from="$1" -v to="$2" 'BEGIN {
        for (f = from; f <= to; f++) {
            line = "\"\""
            for (c = 1; c <= 12; c++) line = line ",\"品目" c "\""
            print line
            for (r = 1; r <= 10; r++) {
                line = "\"支店" r "\""
                for (c = 1; c <= 12; c++) line = line "," ((f * 7 + r * 37 + c * 11) % 97 + 1)
                print line
            }
            print "\"\",\"売上構成 " f "\",\"百万円\",\"社内資料\",\"概数\",\"企画部\",,,,,,,"
        }
    }' | iconv -f UTF-8 -t CP932 | awk -v dir="$WORK/in" -v from="$1" '{
        file = sprintf("%s/chart%06d.txt", dir, from + int((NR - 1) / 12))
        printf "%s\r\n", $0 > file
        if (NR % 12 == 0) close(file)
    }'
    find "$WORK/in" -name '*.txt' | sort >"$WORK/all"
}

# Waits (up to 30 s) until the cores were nine tenths idle for a second: the system goes on writing
# back and removing thousands of files after the command that made them, and would slow the runs
# on every core more than those on one.
settle() {
    sync
    local cpu user nice system idle wait busy0 idle0
    for _ in $(seq 30); do
        read -r cpu user nice system idle wait _ </proc/stat
        busy0=$((user + nice + system)) idle0=$((idle + wait))
        sleep 1
        read -r cpu user nice system idle wait _ </proc/stat
        busy=$((user + nice + system - busy0)) idle=$((idle + wait - idle0))
        [ $((idle * 10)) -ge $(((busy + idle) * 9)) ] && return
    done
}

median() { sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }
# Draws the first $1 listed files with the options that follow; prints the clock's seconds and
# the peak memory in kilobytes.
render() {
    local count=$1
    shift
    rm -rf "$WORK/out"
    head -n "$count" "$WORK/all" >"$WORK/list"
    /usr/bin/time -f '%e %M' -o "$WORK/time" "$PROGRAM" --render --from-file "$WORK/list" \
        --output "$WORK/out" "$@" 2>"$WORK/errors"
    written=$(find "$WORK/out" -name '*.png' | wc -l)
    [ "$written" -eq "$count" ] || { echo "FAIL: $written of $count charts written"; cat "$WORK/errors"; exit 1; }
    cat "$WORK/time"
}

generate 1 "$COUNT" # the many files for memory are made after the timing
settle
one=() all=()
for _ in $(seq "$RUNS"); do
    one+=("$(render "$COUNT" --jobs 1 | cut -d' ' -f1)")
    all+=("$(render "$COUNT" | cut -d' ' -f1)")
done
one_s=$(printf '%s\n' "${one[@]}" | median)
all_s=$(printf '%s\n' "${all[@]}" | median)
printf '%d charts into PNG on %s by one --render call (median of %d):\n' \
    "$COUNT" "$(df --output=fstype "$WORK" | tail -1)" "$RUNS"
printf '  %-28s %8s %10s\n' "" "clock" "charts/s"
printf '  %-28s %7.2fs %10.0f\n' "--jobs 1" "$one_s" "$(echo "$COUNT / $one_s" | bc -l)"
printf '  %-28s %7.2fs %10.0f\n' "every core (--jobs $CORES)" "$all_s" "$(echo "$COUNT / $all_s" | bc -l)"
printf '  %-28s %19.2f\n' "rate, every core / 1 job" "$(echo "$one_s / $all_s" | bc -l)"

printf 'Peak memory of a run from --from-file (every core, median of %d):\n' "$RUNS"
first_kb=
for n in $MEMORY_COUNTS; do
    made=$(wc -l <"$WORK/all")
    [ "$n" -le "$made" ] || generate $((made + 1)) "$n"
    peaks=()
    for _ in $(seq "$RUNS"); do peaks+=("$(render "$n" | cut -d' ' -f2)"); done
    kb=$(printf '%s\n' "${peaks[@]}" | median)
    first_kb=${first_kb:-$kb}
    printf '  %6d files %10.1f MB %8.2f times the first\n' "$n" "$(echo "$kb / 1024" | bc -l)" \
        "$(echo "$kb / $first_kb" | bc -l)"
done
