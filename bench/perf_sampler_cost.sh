#!/bin/sh
# CPU time the live monitor costs, from /proc/PID/stat, as a percentage of one core.
# Target: under 0.5 %. The idle run is the same process without the monitor.
# Usage: bench/perf_sampler_cost.sh [SECONDS]   (from the repository root)
set -eu
. "$(dirname "$0")/perf_common.sh"
WINDOW=${1:-60}
build_driver
HZ=$(getconf CLK_TCK)

cpu_ticks() { # utime + stime of a process
    awk '{ sub(/^.*\) /, ""); print $12 + $13 }' "/proc/$1/stat"
}

cost() { # mode
    "$DRIVER" "$1" $((WINDOW + 4)) >/dev/null &
    pid=$!
    sleep 2 # start-up is not sampling
    before=$(cpu_ticks "$pid")
    sleep "$WINDOW"
    after=$(cpu_ticks "$pid")
    wait "$pid"
    awk -v a="$before" -v b="$after" -v hz="$HZ" -v w="$WINDOW" -v m="$1" \
        'BEGIN { printf "%-8s %d ticks in %d s = %.3f %% of one core\n", m, b - a, w, 100 * (b - a) / hz / w }'
}

cost monitor
cost idle
