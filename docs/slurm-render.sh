#!/bin/bash
# A Slurm job array that draws every data file that charts.list names (each name ended by NUL,
# as `find -print0` writes them) into charts/, each task its share (--shard), on the cores it is
# given. Submit with `sbatch docs/slurm-render.sh`; submitted again, it draws only what is missing.
# The array counts from 1, as --shard does. LIST and OUT choose other files.
#SBATCH --job-name=tallyfold
#SBATCH --array=1-8
#SBATCH --cpus-per-task=4
#SBATCH --output=tallyfold-%A-%a.log
set -euo pipefail
LIST=${LIST:-charts.list}
OUT=${OUT:-charts}
exec tallyfold --render --from-file "$LIST" --null \
    --shard "$SLURM_ARRAY_TASK_ID/$SLURM_ARRAY_TASK_COUNT" --jobs "${SLURM_CPUS_PER_TASK:-1}" \
    --skip-existing --report "$OUT-report-$SLURM_ARRAY_TASK_ID.jsonl" -o "$OUT"
