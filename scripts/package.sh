#!/bin/sh
# Sets up, builds and makes the Debian package build/kelvaro_<version>_<arch>.deb.
set -eu
cd "$(dirname "$0")/.."
./scripts/setup.sh
# The program and the files installed beside it; the tests are not needed for a package.
KELVARO_BUILD_TARGETS="kelvaro packaging_files" ./scripts/build.sh
BUILD_DIR=${KELVARO_BUILD_DIR:-build}
cd "$BUILD_DIR"
cpack -G DEB >cpack.log 2>&1 || { cat cpack.log >&2; exit 1; }
ls "$(pwd)"/kelvaro_*.deb
[ -n "${DEBEMAIL:-}" ] ||
    echo "package: no DEBEMAIL/DEBFULLNAME set, so the maintainer address is a placeholder" >&2
