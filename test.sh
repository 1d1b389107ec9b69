#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds everything (installing what is missing) and runs the whole test suite.
# FUNCURVE_SANITIZE=1 runs it in a separate AddressSanitizer + UBSan build.
set -e
cd "$(dirname "$0")"
./scripts/install-deps.sh
if [ "${FUNCURVE_SANITIZE:-0}" = "1" ]; then
    dir=build-sanitize
    ./scripts/build.sh "$dir" -DFUNCURVE_SANITIZE=ON -DFUNCURVE_BENCH=OFF
    export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1"
    export LSAN_OPTIONS="suppressions=$(pwd)/scripts/lsan.supp:print_suppressions=0"
    export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
else
    dir=build
    ./scripts/build.sh "$dir"
fi
ctest --test-dir "$dir" --output-on-failure
