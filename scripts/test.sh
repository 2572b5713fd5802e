#!/bin/sh
# Sets up, builds and runs every test. GUI tests get a virtual X display.
set -eu
cd "$(dirname "$0")/.."
./scripts/setup.sh
./scripts/build.sh
BUILD_DIR=${KELVARO_BUILD_DIR:-build}
cd "$BUILD_DIR"
exec xvfb-run -a -s "-screen 0 1920x1080x24" ctest --output-on-failure "$@"
