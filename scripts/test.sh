#!/usr/bin/env bash
# Installs what is missing, builds, and runs the whole test suite headless under its own Xvfb.
# Usage: test.sh [--sanitize]   (--sanitize: the AddressSanitizer + UBSan build in build-sanitize/)
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/install-deps.sh --test
./scripts/build.sh "$@"

dir=build
# Should a test still fail for its surroundings rather than for itself (a dialog test whose timed
# input a starved machine ran late), it gets two more runs; a test that fails on its own fails thrice.
repeat=(--repeat until-pass:3)
if [ "${1:-}" = "--sanitize" ]; then
    dir=build-sanitize
    # Leaks inside the X, GL and audio libraries are theirs; ours are reported. use_tls=0: the
    # leak checker's scan of the threads' dynamic TLS (the software OpenGL driver is loaded with
    # dlopen and has TLS of its own) now and then reads a range starting near address 0 and crashes
    # its tracer at exit ("Tracer caught signal 11"); the engine keeps nothing in thread-local
    # storage, so no leak of ours hides there.
    export LSAN_OPTIONS="suppressions=$PWD/tests/lsan.supp:print_suppressions=0:use_tls=0"
    export ASAN_OPTIONS="detect_leaks=1:abort_on_error=0"
    export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
fi
unset DISPLAY
# -noreset: left to itself the X server starts afresh whenever its last client leaves, and a test
# starting in that moment cannot reach it. -j4: a test case takes two slots and a script test one
# (see tests/CMakeLists.txt), so two cases or a case and two scripts run at once.
xvfb-run -a -s "-screen 0 1024x768x24 -r -noreset" ctest --test-dir "$dir" --output-on-failure -j4 "${repeat[@]}"
