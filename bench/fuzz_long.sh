#!/bin/sh
# Runs every fuzz target for longer than the test command does, from the same samples, and keeps
# what each run finds in build/tests/fuzz/<target>_corpus for the next run.
# Usage: bench/fuzz_long.sh [SECONDS_PER_TARGET]   (from the repository root, after a build)
set -eu
cd "$(dirname "$0")/.."
SECONDS_EACH=${1:-600}
BUILD_DIR=${KELVARO_BUILD_DIR:-build}
export LSAN_OPTIONS="suppressions=$(pwd)/tests/support/lsan.supp" ASAN_OPTIONS=fast_unwind_on_malloc=0
cd "$BUILD_DIR"
# ctest knows each target's command line and sample folders; only the duration changes.
ctest -N -V -R '^fuzz_' | sed -n 's/^[0-9]*: Test command: //p' | while read -r command; do
    # shellcheck disable=SC2086
    set -- $command
    target=$(basename "$1")
    echo "== $target, $SECONDS_EACH s"
    "$@" -max_total_time="$SECONDS_EACH" 2>&1 | grep -E '^#[0-9]+ +(DONE|INITED)|ERROR|SUMMARY' || true
done
