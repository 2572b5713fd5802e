#!/bin/sh
# Builds the whole test suite again under AddressSanitizer + UndefinedBehaviorSanitizer
# (build-asan/) and under ThreadSanitizer (build-tsan/), runs it, and fails on any sanitizer
# report. Two more full builds are too slow for every test run on a small machine, so this is a
# command of its own:  ./scripts/sanitize.sh [asan] [tsan]   (both when none is named)
# KELVARO_SANITIZE_TARGETS (build targets) and KELVARO_SANITIZE_TESTS (a ctest -R pattern) narrow a
# run down, e.g. to the threaded areas: KELVARO_SANITIZE_TARGETS="kelvaro tst_perf" ...
set -eu
cd "$(dirname "$0")/.."
./scripts/setup.sh
root=$(pwd)
LAUNCHER=""
command -v ccache >/dev/null 2>&1 && LAUNCHER="-DCMAKE_CXX_COMPILER_LAUNCHER=ccache"
kinds=${*:-asan tsan}
status=0
for kind in $kinds; do
    case $kind in
    # The instrumentation makes gcc warn about the standard library's regex, wrongly.
    asan) flags="-fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer -Wno-maybe-uninitialized" ;;
    tsan) flags="-fsanitize=thread" ;;
    *) echo "usage: $0 [asan] [tsan]" >&2; exit 2 ;;
    esac
    dir=${KELVARO_SANITIZE_DIR:-build}-$kind
    if [ ! -f "$dir/build.ninja" ]; then
        cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKELVARO_FUZZ=OFF \
            -DCMAKE_CXX_FLAGS="$flags" -DCMAKE_EXE_LINKER_FLAGS="$flags" $LAUNCHER >/dev/null
    fi
    targets=""
    for target in ${KELVARO_SANITIZE_TARGETS:-}; do
        targets="$targets --target $target"
    done
    cmake --build "$dir" $targets -- ${KELVARO_NINJA_FLAGS:-}
    logs="$root/$dir/sanitizer-logs"
    rm -rf "$logs"
    mkdir -p "$logs"
    # The crash tests end processes with SIGSEGV and SIGABRT on purpose: the program's own handler
    # must see them. Every report goes to a file, so that none is missed among the test output.
    export ASAN_OPTIONS="handle_segv=0:handle_abort=0:handle_sigbus=0:allow_user_segv_handler=1:detect_leaks=1:log_path=$logs/asan"
    export LSAN_OPTIONS="suppressions=$root/tests/support/lsan.supp:print_suppressions=0"
    export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1:log_path=$logs/ubsan"
    # Qt and the libraries under it are not instrumented: what they touch through the C library
    # (memcpy, free) is not checked, as the rest of what they touch cannot be; their locks that
    # go through pthreads still order the program's own accesses.
    export TSAN_OPTIONS="handle_segv=0:handle_abort=0:ignore_noninstrumented_modules=1:suppressions=$root/tests/support/tsan.supp:log_path=$logs/tsan:second_deadlock_stack=1"
    # Mesa unloads its software driver (and LLVM and the libraries under it) when the display closes,
    # so what they keep for the process's life would be reported with no library to name it by.
    # Preloaded into the tests, the driver stays loaded and tests/support/lsan.supp can name it.
    preload=""
    gl_driver=/usr/lib/$(gcc -print-multiarch)/dri/swrast_dri.so
    if [ "$kind" = asan ] && [ -f "$gl_driver" ]; then
        preload=$gl_driver
        export ASAN_OPTIONS="$ASAN_OPTIONS:verify_asan_link_order=0"
    fi
    (cd "$dir" && xvfb-run -a -s "-screen 0 1920x1080x24" env ${preload:+LD_PRELOAD=$preload} \
        ctest --output-on-failure --timeout 1200 ${KELVARO_SANITIZE_TESTS:+-R "$KELVARO_SANITIZE_TESTS"}) || status=1
    if [ -n "$(ls -A "$logs")" ]; then
        echo "sanitizer reports ($kind):" >&2
        cat "$logs"/* >&2
        status=1
    else
        echo "no sanitizer reports ($kind)"
    fi
done
exit $status
