#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the libFuzzer targets with clang and runs each one over its corpus.
# Usage: scripts/fuzz.sh [SECONDS]  - without SECONDS the corpora are only replayed (CI);
# with SECONDS each target also explores that long and adds what it finds to its corpus.
set -e
cd "$(dirname "$0")/.."
dir=build-fuzz
CXX=clang++ cmake -S . -B "$dir" -G Ninja -DFUNCURVE_WERROR=ON -DFUNCURVE_FUZZ=ON \
    -DFUNCURVE_BENCH=OFF >/dev/null
targets=$(cd fuzz && ls fuzz_*.cpp | sed 's/\.cpp$//')
# shellcheck disable=SC2086
cmake --build "$dir" -j"$(nproc)" --target $targets
export UBSAN_OPTIONS="halt_on_error=1"
export LSAN_OPTIONS="suppressions=$(pwd)/scripts/lsan.supp:print_suppressions=0"
if [ -n "$1" ]; then
    budget="-max_total_time=$1 -max_len=65536"
else
    budget="-runs=0"
fi
# shellcheck disable=SC2086
for name in $targets; do
    target=$dir/bin/$name
    corpus=fuzz/corpus/${name#fuzz_}
    mkdir -p "$corpus"
    log=$dir/$name.log
    if ! "$target" $budget -timeout=10 "$corpus" >"$log" 2>&1; then
        tail -n 40 "$log"
        echo "$name: failed (log in $log)" >&2
        exit 1
    fi
    echo "$name: $(tail -n 1 "$log")"
done
