#!/bin/sh
# The benchmark's disk stage against dd with direct I/O on the same folder, 256 MiB in 4 MiB
# blocks. A buffered dd read straight after a buffered write shows what the file cache alone
# would report.
# Usage: bench/perf_disk_vs_dd.sh [FOLDER] [RUNS]   (from the repository root)
set -eu
. "$(dirname "$0")/perf_common.sh"
FOLDER=${1:-${TMPDIR:-/tmp}}
RUNS=${2:-3}
build_driver
FILE="$FOLDER/kelvaro_dd.tmp"
trap 'rm -f "$FILE"' EXIT

dd_mib() { # dd arguments...; prints MiB/s from dd's byte count and seconds
    dd "$@" 2>&1 | awk '/copied/ { for (i = 1; i <= NF; i++) if ($i ~ /^s,?$/) s = $(i - 1);
                                   printf "%.0f", $1 / 1048576 / s }'
}

i=0
while [ "$i" -lt "$RUNS" ]; do
    echo "run $((i + 1)):"
    printf "  kelvaro   %s\n" "$("$DRIVER" disk "$FOLDER")"
    w=$(dd_mib if=/dev/zero of="$FILE" bs=4M count=64 oflag=direct conv=fsync)
    r=$(dd_mib if="$FILE" of=/dev/null bs=4M iflag=direct)
    printf "  dd direct write %s MiB/s read %s MiB/s\n" "$w" "$r"
    w=$(dd_mib if=/dev/zero of="$FILE" bs=4M count=64)
    r=$(dd_mib if="$FILE" of=/dev/null bs=4M)
    printf "  dd cached write %s MiB/s read %s MiB/s (page cache, not the device)\n" "$w" "$r"
    rm -f "$FILE"
    i=$((i + 1))
done
