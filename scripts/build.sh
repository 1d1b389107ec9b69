#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Configures and builds the project warning-free into the given folder (FUNCURVE_TARGETS:
# only these targets).
# With ccache present, compiles are cached across checkouts of the same tree.
set -e
dir="$1"
shift
root="$(cd "$(dirname "$0")/.." && pwd)"
launcher=""
if command -v ccache >/dev/null 2>&1; then
    launcher="-DCMAKE_CXX_COMPILER_LAUNCHER=ccache"
    export CCACHE_BASEDIR="$root" CCACHE_NOHASHDIR=true
fi
cmake -S "$root" -B "$dir" -G Ninja -DFUNCURVE_WERROR=ON $launcher "$@" >/dev/null
cmake --build "$dir" -j"$(nproc)" ${FUNCURVE_TARGETS:+--target $FUNCURVE_TARGETS}
