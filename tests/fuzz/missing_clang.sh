#!/bin/sh
# Stands in for the fuzz targets that could not be built without clang.
if [ "${KELVARO_TESTS_ALLOW_MISSING_TOOLS:-}" = 1 ]; then
    echo "clang++-14 is not installed: fuzz targets skipped"
    exit 77
fi
echo "clang++-14 is not installed: run scripts/setup.sh (or set KELVARO_TESTS_ALLOW_MISSING_TOOLS=1 to skip)"
exit 1
