#!/bin/sh
# Times one whole inventory run of Kelvaro (process start to profile written) against lshw -json
# and inxi -Fxz on this machine. The three commands take turns, run after run, so that a change
# of load on the machine weighs on all of them alike. Prints the median wall and CPU times and
# the ratios.
#
#   bench/scan_vs_lshw.sh [runs] [kelvaro binary]
#
# Installs lshw and inxi with apt-get when they are missing and the script runs as root.
set -eu

RUNS=${1:-15}
KELVARO=${2:-"$(dirname "$0")/../build/src/kelvaro"}
[ -x "$KELVARO" ] || { echo "no kelvaro binary at $KELVARO (build first)" >&2; exit 1; }

. "$(dirname "$0")/tools.sh"
need_tools lshw inxi

WORK=$(mktemp -d)
trap 'rm -rf "$WORK"' EXIT

QT_QPA_PLATFORM=offscreen python3 - "$RUNS" "$KELVARO" "$WORK" <<'PY'
import os, resource, statistics, subprocess, sys, time

runs, kelvaro, work = int(sys.argv[1]), sys.argv[2], sys.argv[3]
commands = {
    "kelvaro --record-profile": [kelvaro, "--record-profile", os.path.join(work, "profile.json")],
    "lshw -json": ["lshw", "-json"],
    "inxi -Fxz": ["inxi", "-Fxz"],
}

def run(argv):
    before = resource.getrusage(resource.RUSAGE_CHILDREN)
    start = time.perf_counter()
    subprocess.run(argv, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    wall = time.perf_counter() - start
    after = resource.getrusage(resource.RUSAGE_CHILDREN)
    cpu = (after.ru_utime - before.ru_utime) + (after.ru_stime - before.ru_stime)
    return wall * 1000, cpu * 1000

for argv in commands.values():  # warm the page cache once
    run(argv)
wall = {name: [] for name in commands}
cpu = {name: [] for name in commands}
for _ in range(runs):
    for name, argv in commands.items():
        w, c = run(argv)
        wall[name].append(w)
        cpu[name].append(c)

print(f"{runs} runs each, taking turns, after one warm-up run; load average {os.getloadavg()[0]:.2f}")
print(f"{'command':28} {'wall median':>12} {'cpu median':>12}   wall min..max")
for name in commands:
    print(f"{name:28} {statistics.median(wall[name]):9.1f} ms {statistics.median(cpu[name]):9.1f} ms"
          f"   {min(wall[name]):.1f}..{max(wall[name]):.1f} ms")
k = "kelvaro --record-profile"
for other in ("lshw -json", "inxi -Fxz"):
    print(f"{other} / kelvaro: wall {statistics.median(wall[other]) / statistics.median(wall[k]):.1f}x, "
          f"cpu {statistics.median(cpu[other]) / statistics.median(cpu[k]):.1f}x")
print("target: lshw at least 5x slower than kelvaro")
PY
