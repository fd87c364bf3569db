#!/usr/bin/env bash
# Times `tallyfold --render` drawing COUNT (1,000) data files into PNG files, with one job on each
# core in turn and with every core (the runs alternate, so that the machine's moods hit all), and
# prints charts per second by the clock and the ratio of every core to the mean of one. Then it
# measures the peak memory of a run that reads its data files from a list (--from-file), at each
# of MEMORY_COUNTS files (1,000 and 10,000): a batch streams its inputs, so the peaks should not
# grow. Last it times a rerun with --skip-existing over SKIP_COUNT (10,000) charts already drawn. The data files are full tables with numbers varied per file, generated into a temporary
# folder under TMPDIR, whose file system the result names (TMPDIR=/dev/shm: in memory). Medians
# of RUNS (5) runs.
#
# One job is pinned to each core in turn: the cores of a virtual machine need not be equally
# fast (this machine's second core has at times taken half as long again as its first), and a job
# that the system happens to put on one or the other would make the ratio read anywhere between
# 1.5 and 2.5 on 2 cores. For the same reason the script also times what the machine gives
# programs that share nothing: one process a core, each drawing its share of the files with one
# job, started together as `xargs -P` would. The cores of this machine have at times slowed each
# other by half when both were busy, and then no program reaches twice the rate of one core.
#
# Each timed run writes into a folder of its own, in a folder that ext4 treats as the top of a
# hierarchy (chattr +T), so that each lands in a block group of its own, and nothing is removed
# until the timing is done. On a file system without a journal (as this machine's), ext4 passes
# over every inode freed in the last minutes when it makes a file: after thousands of files were
# removed nearby, as the tests, the other benchmarks and this script's own clean-up do, making a
# file took a quarter of a run's time and held the threads on one lock (perf: recently_deleted).
set -euo pipefail
PROGRAM=${1:?usage: $0 path/to/tallyfold}
COUNT=${COUNT:-1000}
MEMORY_COUNTS=${MEMORY_COUNTS:-1000 10000}
RUNS=${RUNS:-5}
CORES=$(nproc)
WORK=$(mktemp -d)
trap 'rm -rf "$WORK"' EXIT
mkdir "$WORK/in" "$WORK/out"
chattr +T "$WORK/out" 2>/dev/null || true # only ext2, ext3 and ext4 know it

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
    return 0 # timed all the same, on a machine that stays busy
}

# Fails the script unless folder $1 holds $2 pictures.
expect_pictures() {
    local written
    written=$(find "$1" -name '*.png' 2>/dev/null | wc -l)
    [ "$written" -eq "$2" ] || { echo "FAIL: $written of $2 charts written" >&2; cat "$WORK"/errors* >&2; exit 1; }
}

median() { sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }
# Draws the first $1 listed files into a new folder, with the command that runs the program
# (nothing, or taskset with a core) and the options that follow after --; prints the clock's
# seconds and the peak memory in kilobytes.
render() {
    local count=$1 out launcher=()
    shift
    while [ "$1" != -- ]; do launcher+=("$1") && shift; done
    shift
    out="$WORK/out/$(date +%s%N)" # (a counter would not count: this runs in a subshell)
    head -n "$count" "$WORK/all" >"$WORK/list"
    sync # the previous run's pictures go to disk now, not while this run is timed
    /usr/bin/time -f '%e %M' -o "$WORK/time" "${launcher[@]}" "$PROGRAM" --render \
        --from-file "$WORK/list" --output "$out" "$@" 2>"$WORK/errors"
    expect_pictures "$out" "$count"
    cat "$WORK/time"
}

# Draws the first $1 listed files with one process a core, each drawing every CORES-th file with
# one job; prints the clock's seconds from the first start to the last end.
render_apart() {
    local out="$WORK/out/$(date +%s%N)" start end part
    head -n "$1" "$WORK/all" | awk -v parts="$CORES" -v list="$WORK/list" '{ print > (list "." (NR - 1) % parts) }'
    sync
    start=$(date +%s%N)
    for ((part = 0; part < CORES; part++)); do
        "$PROGRAM" --render --from-file "$WORK/list.$part" --output "$out" --jobs 1 2>"$WORK/errors.$part" &
    done
    wait
    end=$(date +%s%N)
    expect_pictures "$out" "$1"
    echo "($end - $start) / 1000000000" | bc -l
}

generate 1 "$COUNT" # the many files for memory are made after the timing
settle
declare -A one
all=() apart=()
for _ in $(seq "$RUNS"); do
    for ((core = 0; core < CORES; core++)); do
        one[$core]+="$(render "$COUNT" taskset -c "$core" -- --jobs 1 | cut -d' ' -f1) "
    done
    all+=("$(render "$COUNT" -- | cut -d' ' -f1)")
    apart+=("$(render_apart "$COUNT")")
done
rm -rf "$WORK/out"/*
printf '%d charts into PNG on %s by one --render call (median of %d):\n' \
    "$COUNT" "$(df --output=fstype "$WORK" | tail -1)" "$RUNS"
printf '  %-28s %8s %10s\n' "" "clock" "charts/s"
rate_sum=0
for ((core = 0; core < CORES; core++)); do
    seconds=$(tr ' ' '\n' <<<"${one[$core]}" | grep . | median)
    rate_sum=$(echo "$rate_sum + $COUNT / $seconds" | bc -l)
    printf '  %-28s %7.2fs %10.0f\n' "--jobs 1 on core $core" "$seconds" "$(echo "$COUNT / $seconds" | bc -l)"
done
all_s=$(printf '%s\n' "${all[@]}" | median)
apart_s=$(printf '%s\n' "${apart[@]}" | median)
printf '  %-28s %7.2fs %10.0f\n' "every core (--jobs $CORES)" "$all_s" "$(echo "$COUNT / $all_s" | bc -l)"
printf '  %-28s %7.2fs %10.0f\n' "$CORES processes of --jobs 1" "$apart_s" "$(echo "$COUNT / $apart_s" | bc -l)"
printf '  %-28s %19.2f\n' "rate, every core / mean of 1" "$(echo "$COUNT / $all_s / ($rate_sum / $CORES)" | bc -l)"
printf '  %-28s %19.2f\n' "rate, processes / mean of 1" "$(echo "$COUNT / $apart_s / ($rate_sum / $CORES)" | bc -l)"

printf 'Peak memory of a run from --from-file (every core, median of %d):\n' "$RUNS"
first_kb=
for n in $MEMORY_COUNTS; do
    made=$(wc -l <"$WORK/all")
    [ "$n" -le "$made" ] || generate $((made + 1)) "$n"
    peaks=()
    for _ in $(seq "$RUNS"); do
        peaks+=("$(render "$n" -- | cut -d' ' -f2)")
        rm -rf "$WORK/out"/*
    done
    kb=$(printf '%s\n' "${peaks[@]}" | median)
    first_kb=${first_kb:-$kb}
    printf '  %6d files %10.1f MB %8.2f times the first\n' "$n" "$(echo "$kb / 1024" | bc -l)" \
        "$(echo "$kb / $first_kb" | bc -l)"
done

skip_count=${SKIP_COUNT:-10000}
made=$(wc -l <"$WORK/all")
[ "$skip_count" -le "$made" ] || generate $((made + 1)) "$skip_count"
head -n "$skip_count" "$WORK/all" >"$WORK/list"
"$PROGRAM" --render --from-file "$WORK/list" --output "$WORK/out/done" 2>"$WORK/errors"
expect_pictures "$WORK/out/done" "$skip_count"
settle
reruns=()
for _ in $(seq "$RUNS"); do
    /usr/bin/time -f '%e' -o "$WORK/time" "$PROGRAM" --render --from-file "$WORK/list" \
        --output "$WORK/out/done" --skip-existing 2>"$WORK/errors"
    reruns+=("$(cat "$WORK/time")")
done
printf 'Rerun with --skip-existing over %d charts already drawn (median of %d): %.2f s\n' \
    "$skip_count" "$RUNS" "$(printf '%s\n' "${reruns[@]}" | median)"
