#!/bin/sh
# The stress test's load on every logical processor against stress-ng --cpu N over the same
# window, both read from /proc/stat. Target: at least 98 % of stress-ng's load.
# Usage: bench/perf_stress_vs_stressng.sh [SECONDS]   (from the repository root)
set -eu
. "$(dirname "$0")/perf_common.sh"
SECONDS_RUN=${1:-30}
WARMUP=3
WINDOW=$((SECONDS_RUN - WARMUP - 2))
N=$(nproc)
. "$(dirname "$0")/tools.sh"
need_tools stress-ng
build_driver
TMP=$(mktemp -d)
trap 'rm -rf "$TMP"' EXIT

# CPU ticks of a process and its children (stress-ng runs one worker process per processor).
own_ticks() {
    for p in "$1" $(pgrep -P "$1" || true); do
        awk '{ sub(/^.*\) /, ""); print $12 + $13 }' "/proc/$p/stat" 2>/dev/null || true
    done | awk '{ t += $1 } END { print t + 0 }'
}

measure() { # name, command...
    name=$1; shift
    "$@" >"$TMP/$name.out" 2>&1 &
    pid=$!
    sleep "$WARMUP"
    cpu_snapshot >"$TMP/$name.before"
    own_before=$(own_ticks "$pid")
    sleep "$WINDOW"
    cpu_snapshot >"$TMP/$name.after"
    own_after=$(own_ticks "$pid")
    wait "$pid"
    cpu_loads "$TMP/$name.before" "$TMP/$name.after" >"$TMP/$name.loads"
    awk -v a="$own_before" -v b="$own_after" -v hz="$(getconf CLK_TCK)" -v w="$WINDOW" -v n="$N" -v m="$name" \
        'BEGIN { printf "%-9s own CPU time %.1f %% of %d processors (others on the machine take the rest)\n",
                 m, 100 * (b - a) / hz / w / n, n }' >>"$TMP/own"
}

measure kelvaro "$DRIVER" stress "$SECONDS_RUN"
measure stressng stress-ng --cpu "$N" --timeout "${SECONDS_RUN}s" --quiet

echo "window ${WINDOW} s after ${WARMUP} s warm-up, $N logical processors"
echo "cpu       kelvaro %  stress-ng %  ratio %"
join "$TMP/kelvaro.loads" "$TMP/stressng.loads" |
    awk '{ r = $3 > 0 ? 100 * $2 / $3 : 0; printf "%-8s %10.2f %12.2f %8.1f\n", $1, $2, $3, r;
           k += $2; s += $3; if (min == "" || r < min) min = r }
         END { printf "mean     %10.2f %12.2f %8.1f   lowest core ratio %.1f %%\n", k / NR, s / NR, 100 * k / s, min }'
cat "$TMP/own" "$TMP/kelvaro.out"
