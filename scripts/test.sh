#!/usr/bin/env bash
# Installs what is missing, builds, and runs the whole test suite headless under its own Xvfb.
# Usage: test.sh [--sanitize]   (--sanitize: the AddressSanitizer + UBSan build in build-sanitize/)
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/install-deps.sh --test
./scripts/build.sh "$@"

dir=build
# Now and then a test fails for its surroundings, not for itself: Allegro cannot reach the X server
# while many tests start theirs at once ("Couldn't install Allegro"), or LeakSanitizer's exit-time
# scan crashes its own tracer while the X and audio threads wind down ("Tracer caught signal 11").
# Such a test gets one more run; a test that fails on its own fails twice.
repeat=(--repeat until-pass:2)
if [ "${1:-}" = "--sanitize" ]; then
    dir=build-sanitize
    # Leaks inside the X, GL and audio libraries are theirs; ours are reported.
    export LSAN_OPTIONS="suppressions=$PWD/tests/lsan.supp:print_suppressions=0"
    export ASAN_OPTIONS="detect_leaks=1:abort_on_error=0"
    export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
fi
unset DISPLAY
# -noreset: left to itself the X server starts afresh whenever its last client leaves, and a test
# starting in that moment cannot reach it. -j4: a test case takes two slots and a script test one
# (see tests/CMakeLists.txt), so two cases or a case and two scripts run at once.
xvfb-run -a -s "-screen 0 1024x768x24 -r -noreset" ctest --test-dir "$dir" --output-on-failure -j4 "${repeat[@]}"
