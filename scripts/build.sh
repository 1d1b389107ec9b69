#!/bin/sh
# Configures and builds the project warning-free into the given folder.
set -e
dir="$1"
shift
cmake -S "$(dirname "$0")/.." -B "$dir" -G Ninja -DFUNCURVE_WERROR=ON "$@" >/dev/null
cmake --build "$dir" -j"$(nproc)"
