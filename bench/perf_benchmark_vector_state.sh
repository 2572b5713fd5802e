#!/bin/sh
# The CPU scores of a benchmark started from a clean thread and from one whose 256-bit vector
# registers were left in use (the window's GUI thread can be in that state after a library's AVX
# code). Target: the two agree within the run-to-run noise; a tenfold drop means the kernels
# inherited the state.
# Usage: bench/perf_benchmark_vector_state.sh [FOLDER]   (from the repository root)
set -eu
. "$(dirname "$0")/perf_common.sh"
FOLDER=${1:-${TMPDIR:-/tmp}}
build_driver
for mode in benchmark benchmark-dirty; do
    printf '%-16s ' "$mode"
    "$DRIVER" "$mode" "$FOLDER" | python3 -c '
import json, sys
r = json.loads(sys.stdin.readline())
print("single %s  multi %s" % (r.get("cpuSingle"), r.get("cpuMulti")))'
done
