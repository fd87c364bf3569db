#!/usr/bin/env bash
# Times one `tallyfold --render` call that draws COUNT (1,000) data files into PNG files, file
# reading and writing included, and prints charts per second: by the clock, and per core (by the
# CPU time the program used, the system's included). The data files are full tables with numbers
# varied per file, generated into a temporary folder under TMPDIR, whose file system the result
# names: the batch writes each new picture straight into its file, and making the files costs a
# disk more than memory (TMPDIR=/dev/shm). Median of RUNS (3) runs.
set -euo pipefail
PROGRAM=${1:?usage: $0 path/to/tallyfold}
COUNT=${COUNT:-1000}
RUNS=${RUNS:-3}
WORK=$(mktemp -d)
trap 'rm -rf "$WORK"' EXIT
mkdir "$WORK/in"

# 12 lines of 13 fields a file, in code page 932 with CR LF, as the program saves them.
awk -v count="$COUNT" 'BEGIN {
    for (f = 1; f <= count; f++) {
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
}' | iconv -f UTF-8 -t CP932 | awk -v dir="$WORK/in" '{
    file = sprintf("%s/chart%04d.txt", dir, int((NR - 1) / 12) + 1)
    printf "%s\r\n", $0 > file
    if (NR % 12 == 0) close(file)
}'

median() { sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }
walls=() cpus=()
TIMEFORMAT='%R %U %S'
for run in $(seq "$RUNS"); do
    rm -rf "$WORK/out"
    read -r wall user sys < <({ time "$PROGRAM" --render "$WORK"/in/*.txt --output "$WORK/out" \
        2>"$WORK/errors"; } 2>&1)
    written=$(find "$WORK/out" -name '*.png' | wc -l)
    [ "$written" -eq "$COUNT" ] || { echo "FAIL: $written of $COUNT charts written"; cat "$WORK/errors"; exit 1; }
    walls+=("$wall")
    cpus+=("$(echo "$user + $sys" | bc -l)")
done
wall=$(printf '%s\n' "${walls[@]}" | median)
cpu=$(printf '%s\n' "${cpus[@]}" | median)
printf '%d charts into PNG on %s by one --render call (median of %d): %.2f s, %.0f charts/s; CPU %.2f s, %.0f charts/s per core\n' \
    "$COUNT" "$(df --output=fstype "$WORK" | tail -1)" "$RUNS" "$wall" "$(echo "$COUNT / $wall" | bc -l)" \
    "$cpu" "$(echo "$COUNT / $cpu" | bc -l)"
