# Shared by the perf_*.sh scripts: builds the driver and reads /proc/stat.
BUILD_DIR=${KELVARO_BUILD_DIR:-build}
DRIVER="$BUILD_DIR/bench/perf_driver"

build_driver() {
    cmake --build "$BUILD_DIR" --target perf_driver >/dev/null
}

# One line per processor: label, busy ticks, total ticks (idle = idle + iowait; steal is busy).
cpu_snapshot() {
    awk '/^cpu[0-9]+ / { idle = $5 + $6; total = 0; for (i = 2; i <= 9; i++) total += $i;
                         print $1, total - idle, total }' /proc/stat
}

# Per-processor load in percent between two snapshots.
cpu_loads() {
    awk 'NR == FNR { busy[$1] = $2; total[$1] = $3; next }
         { printf "%s %.2f\n", $1, 100 * ($2 - busy[$1]) / ($3 - total[$1]) }' "$1" "$2"
}
