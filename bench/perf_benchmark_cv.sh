#!/bin/sh
# Five benchmark runs; mean and coefficient of variation of the CPU scores (target under 3 %
# on an idle machine) and the other figures for reference.
# Usage: bench/perf_benchmark_cv.sh [RUNS] [FOLDER]   (from the repository root)
set -eu
. "$(dirname "$0")/perf_common.sh"
RUNS=${1:-5}
FOLDER=${2:-${TMPDIR:-/tmp}}
build_driver
OUT=$(mktemp)
trap 'rm -f "$OUT"' EXIT
i=0
while [ "$i" -lt "$RUNS" ]; do
    "$DRIVER" benchmark "$FOLDER" | tee -a "$OUT"
    i=$((i + 1))
done
python3 - "$OUT" <<'PY'
import json, statistics, sys
runs = [json.loads(line) for line in open(sys.argv[1]) if line.startswith("{")]
for key in ("cpuSingleScore", "cpuMultiScore", "ramScore", "diskScore"):
    values = [r.get(key, 0) for r in runs]
    mean = statistics.mean(values)
    cv = 100 * statistics.stdev(values) / mean if len(values) > 1 and mean else 0
    print(f"{key:15} mean {mean:10.1f}  CV {cv:5.2f} %  runs {values}")
PY
