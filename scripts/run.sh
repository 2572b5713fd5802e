#!/bin/sh
# Sets up, builds and opens Kelvaro's window. Without a display it runs the
# headless inspection instead and prints where the report files went.
set -eu
cd "$(dirname "$0")/.."
./scripts/setup.sh
log=$(mktemp)
if ! ./scripts/build.sh >"$log" 2>&1; then
    cat "$log" >&2
    rm -f "$log"
    exit 1
fi
rm -f "$log"
BIN=${KELVARO_BUILD_DIR:-build}/src/kelvaro
if [ -z "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
    exec "$BIN" --export all "$@"
fi
exec "$BIN" "$@"
