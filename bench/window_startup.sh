#!/bin/sh
# The window under Xvfb: process start to the first frame shown (median of RUNS runs; target under
# 1 s), then the resident memory of the idle window after a hardware scan of a recorded machine.
# Usage: bench/window_startup.sh   (from the repository root, after a build; RUNS=9 for more runs)
set -eu
cd "$(dirname "$0")/.."
if [ -z "${DISPLAY:-}" ]; then
    exec xvfb-run -a -s "-screen 0 1920x1080x24" "$0" "$@"
fi
BIN=${KELVARO_BUILD_DIR:-build}/src/kelvaro
RUNS=${RUNS:-7}
PROFILE=${PROFILE:-tests/data/profiles/latitude-7490.json}
WORK=$(mktemp -d)
trap 'rm -rf "$WORK"' EXIT

# Milliseconds since the epoch of the first log line holding $2, waiting up to 30 s.
log_time() { # log pattern
    i=0
    while [ $i -lt 3000 ]; do
        line=$(grep -m1 -F "$2" "$1" 2>/dev/null || true)
        if [ -n "$line" ]; then
            date -d "$(echo "$line" | cut -c1-23)" +%s%3N
            return 0
        fi
        sleep 0.01
        i=$((i + 1))
    done
    echo "bench: no '$2' in $1" >&2
    return 1
}

stop() { kill "$1" 2>/dev/null || true; wait "$1" 2>/dev/null || true; }

times=""
n=0
while [ $n -lt "$RUNS" ]; do
    home="$WORK/run$n"
    mkdir -p "$home"
    start=$(date +%s%3N)
    LOCALAPPDATA="$home" "$BIN" >/dev/null 2>&1 &
    pid=$!
    shown=$(log_time "$home/Kelvaro/startup.log" "first frame shown")
    stop "$pid"
    times="$times $((shown - start))"
    n=$((n + 1))
done
echo "start to first frame (ms):$times"
echo "$times" | tr ' ' '\n' | grep . | sort -n |
    awk '{ v[NR] = $1 } END { m = (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2;
                             printf "median: %d ms (target < 1000 ms)\n", m }'

home="$WORK/scan"
mkdir -p "$home"
LOCALAPPDATA="$home" KELVARO_PROFILE="$PROFILE" "$BIN" --inspect hw >/dev/null 2>&1 &
pid=$!
log_time "$home/Kelvaro/startup.log" "inspection finished" >/dev/null
sleep 5 # idle: the dashboard shows the result, nothing animates
rss=$(awk '/^VmRSS/ { print $2 }' "/proc/$pid/status")
stop "$pid"
echo "idle window after a scan: resident memory $((rss / 1024)) MiB ($rss kB)"
