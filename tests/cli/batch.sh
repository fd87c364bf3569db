#!/usr/bin/env bash
# The batch as the engines run it, each against one run over the same list: the Kubernetes Job's
# and the Slurm script's command lines from docs/ (shards of a NUL list with a line end in a name
# and failures among the data files), GNU parallel, and a run killed midway resumed with
# --skip-existing.
set -euo pipefail
TALLYFOLD=$1 DOCS=$2
WORK=$(mktemp -d)
trap 'rm -rf "$WORK"' EXIT
cd "$WORK"
mkdir bin in in/a in/b
ln -s "$TALLYFOLD" bin/tallyfold
export PATH=$WORK/bin:$PATH
fail() { echo "FAIL: $*" >&2; exit 1; }
# "written:- 2" for two written pictures: each status and code of a report, with how many.
records() { python3 -c 'import collections, json, sys
counts = collections.Counter(r["status"] + ":" + r.get("code", "-") if r["input"] and r["picture"]
                             else "nameless" for r in map(json.loads, sys.stdin))
print(*sorted(f"{k} {n}" for k, n in counts.items()), sep=", ")'; }

for i in $(seq 400); do printf ',A,B,C\nx,%d,2,3\ny,4,%d,6\n' "$i" $((i % 13)) >"in/a/t$i.csv"; done
printf ',A\nx,1e300\n' >in/a/huge.csv                     # overflows the chart's totals
seq 12 | sed 's/^/r,/' >in/a/big.csv                       # 12 rows
printf ',A\nx,1\n' >$'in/b/line\nend.csv'
cp in/a/t2.csv in/b/t1.csv                                 # a/t1 takes its picture's name
tables=(in/a/t*.csv)
failing=(in/a/huge.csv in/a/big.csv in/missing.csv)
printf '%s\n' "${tables[@]:0:200}" "${failing[@]}" "${tables[@]:200}" >list
# in/b/t5.csv, missing, leaves the name t5 to in/a/t5.csv after it.
printf '%s\0' in/b/t5.csv "${tables[@]:0:300}" "${failing[@]}" $'in/b/line\nend.csv' \
    "${tables[@]:300}" in/b/t1.csv >list0

status=0 && tallyfold --render --from-file list0 -0 -o one --report one.jsonl 2>/dev/null || status=$?
[ $status = 1 ] || fail "one run over list0 ended with $status"
[ "$(records <one.jsonl)" = "failed:arithmetic 1, failed:exists 1, failed:too-large 1, failed:unreadable 2, written:- 401" ] ||
    fail "one run's report: $(records <one.jsonl)"

k8s=$(sed -n 's/^ *- \(tallyfold --render .*\)$/\1/p' "$DOCS/kubernetes-job.yaml")
for shards in 1 7; do
    for ((index = 0; index < shards; index++)); do
        LIST=list0 OUT=k8s$shards SHARDS=$shards JOB_COMPLETION_INDEX=$index sh -c "$k8s" 2>/dev/null || true
    done
    diff -r one "k8s$shards" >/dev/null || fail "$shards Kubernetes pods: $(diff -rq one "k8s$shards" | head -3)"
    cmp -s <(sed 's#one/##g' one.jsonl | sort) <(sed -E 's#k8s[0-9]+/##g' k8s$shards-report-*.jsonl | sort) ||
        fail "$shards pods' reports differ from one run's"
done
for task in 1 2 3; do
    LIST=list0 OUT=slurm SLURM_ARRAY_TASK_ID=$task SLURM_ARRAY_TASK_COUNT=3 bash "$DOCS/slurm-render.sh" 2>/dev/null || true
done
diff -r one slurm >/dev/null || fail "3 Slurm tasks: $(diff -rq one slurm | head -3)"

tallyfold --render --from-file list -o onen 2>/dev/null || true
parallel --pipe -N 150 -j 2 tallyfold --render --from-file - -o par <list 2>/dev/null || true
diff -r onen par >/dev/null || fail "GNU parallel: $(diff -rq onen par | head -3)"

for format in svg pdf; do
    tallyfold --render --from-file list -o "$format" --format "$format" 2>/dev/null &
    pid=$!
    until [ "$(find "$format" -name "*.$format" 2>/dev/null | wc -l)" -ge 20 ]; do
        kill -0 $pid 2>/dev/null || fail "the $format run ended before it was killed"
        sleep 0.01
    done
    kill -9 $pid && wait $pid || true
    left=0
    for picture in "$format"/*."$format"; do
        case "$(tail -c 16 "$picture")" in *'</svg>' | *'%%EOF') ;; *) fail "$picture is not whole" ;; esac
        touch -d 2001-01-01 "$picture" && left=$((left + 1))
    done
    [ $left -lt 400 ] || fail "the $format run wrote all of its pictures before it was killed"
    touch "$format/.tallyfold-000000000000.part" "$format/notes.part"
    tallyfold --render --from-file list -o "$format" --format "$format" --skip-existing \
        --report "$format.jsonl" 2>/dev/null || true
    [ "$(records <"$format.jsonl")" = "failed:arithmetic 1, failed:too-large 1, failed:unreadable 1, skipped:- $left, written:- $((400 - left))" ] ||
        fail "the rerun's report, $left pictures left: $(records <"$format.jsonl")"
    [ "$(find "$format" -name "*.$format" ! -newermt 2001-01-02 | wc -l)" = $left ] || fail "pictures left were rewritten"
    [ "$(ls -A "$format" | sort)" = "$( (ls -A onen | sed "s/png\$/$format/"; echo notes.part) | sort)" ] ||
        fail "$format: $(ls -A "$format" | grep -v "$format\$")"
done
echo "batch: all as one run"
