#!/bin/sh
# Configures and builds into build/ (or $KELVARO_BUILD_DIR). Assumes setup.sh has run.
set -eu
cd "$(dirname "$0")/.."
BUILD_DIR=${KELVARO_BUILD_DIR:-build}
LAUNCHER=""
command -v ccache >/dev/null 2>&1 && LAUNCHER="-DCMAKE_CXX_COMPILER_LAUNCHER=ccache"
if [ ! -f "$BUILD_DIR/build.ninja" ]; then
    cmake -S . -B "$BUILD_DIR" -G Ninja -DCMAKE_BUILD_TYPE="${KELVARO_BUILD_TYPE:-RelWithDebInfo}" \
        -DCMAKE_EXPORT_COMPILE_COMMANDS=ON $LAUNCHER >/dev/null
fi
# KELVARO_BUILD_TARGETS (space-separated) builds only those targets.
# shellcheck disable=SC2086
cmake --build "$BUILD_DIR" ${KELVARO_BUILD_TARGETS:+--target $KELVARO_BUILD_TARGETS} -- -k 0 ${KELVARO_NINJA_FLAGS:-}
