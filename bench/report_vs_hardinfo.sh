#!/bin/sh
# Wall time and peak memory of the headless report (kelvaro --export json, --export all) against
# the HTML reports of hardinfo and lshw on this machine. The commands take turns, run after run,
# so that a change of load weighs on all of them alike. Peak memory is each process's maximum
# resident set (getrusage of the child). Prints medians and ratios.
#
#   bench/report_vs_hardinfo.sh [runs] [kelvaro binary]
#
# Installs hardinfo and lshw with apt-get when they are missing and the script runs as root.
set -eu

RUNS=${1:-5}
KELVARO=${2:-"$(dirname "$0")/../build/src/kelvaro"}
[ -x "$KELVARO" ] || { echo "no kelvaro binary at $KELVARO (build first)" >&2; exit 1; }

. "$(dirname "$0")/tools.sh"
need_tools hardinfo lshw

WORK=$(mktemp -d)
trap 'rm -rf "$WORK"' EXIT

python3 - "$RUNS" "$KELVARO" "$WORK" <<'PY'
import os, statistics, subprocess, sys, time

runs, kelvaro, work = int(sys.argv[1]), sys.argv[2], sys.argv[3]
env = dict(os.environ)
# The exports go to a scratch folder and the log with them; never to the user's Desktop.
env.update({"LOCALAPPDATA": work, "QT_QPA_PLATFORM": env.get("QT_QPA_PLATFORM", "offscreen")})
commands = {
    "kelvaro --export json": [kelvaro, "--export", "json", "--output", os.path.join(work, "out")],
    "kelvaro --export all": [kelvaro, "--export", "all", "--output", os.path.join(work, "out")],
    "hardinfo -r -f html": ["hardinfo", "-r", "-f", "html"],
    "lshw -html": ["lshw", "-html"],
}

def run(argv):
    start = time.perf_counter()
    child = subprocess.Popen(argv, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, env=env)
    _, status, usage = os.wait4(child.pid, 0)
    wall = (time.perf_counter() - start) * 1000
    if os.waitstatus_to_exitcode(status) != 0:
        print(f"warning: {argv[0]} exited with {os.waitstatus_to_exitcode(status)}", file=sys.stderr)
    return wall, usage.ru_maxrss / 1024  # ru_maxrss is in KiB on Linux

for argv in commands.values():  # warm the page cache once
    run(argv)
wall = {name: [] for name in commands}
peak = {name: [] for name in commands}
for _ in range(runs):
    for name, argv in commands.items():
        w, m = run(argv)
        wall[name].append(w)
        peak[name].append(m)

med = lambda values: statistics.median(values)
print(f"{runs} runs each, taking turns, after one warm-up run; {os.cpu_count()} CPUs, "
      f"load average {os.getloadavg()[0]:.2f}")
print(f"{'command':24} {'wall median':>12} {'wall min..max':>20} {'peak RSS median':>16}")
for name in commands:
    print(f"{name:24} {med(wall[name]):9.0f} ms {min(wall[name]):9.0f}..{max(wall[name]):.0f} ms"
          f" {med(peak[name]):13.1f} MB")
for k in ("kelvaro --export json", "kelvaro --export all"):
    for other in ("hardinfo -r -f html", "lshw -html"):
        print(f"{other} / {k}: wall {med(wall[other]) / med(wall[k]):.1f}x, "
              f"peak memory {med(peak[other]) / med(peak[k]):.2f}x")
all_ok = med(wall["kelvaro --export all"]) < med(wall["hardinfo -r -f html"])
mem_ok = med(peak["kelvaro --export all"]) < 80
print(f"target: --export all faster than hardinfo's report: {'met' if all_ok else 'NOT met'}; "
      f"under 80 MB peak: {'met' if mem_ok else 'NOT met'}")
PY
