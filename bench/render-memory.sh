#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Peak memory of `funcurve-cli render` on the hyperbola preset at the largest a the box
# check lets through, without and with an SVG, and the SVG's size, as one line for the CI
# log; then the peak of 1 000 presses of the line preset in one run. Goals: below 150 MB,
# below 300 MB, below 2 MB and below 100 MB. Usage: bench/render-memory.sh [BUILD_DIR]
set -e
cli="$(cd "${1:-build}" && pwd)/bin/funcurve-cli"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"

# Peak resident memory of one run with the given arguments, in whole MB.
run_peak_mb() {
    /usr/bin/time -f %M -o time.txt "$cli" render "$@" >/dev/null 2>&1 ||
        { echo "render-memory: the render failed" >&2; exit 1; }
    echo $(( $(tail -n 1 time.txt) / 1024 ))
}

peak_mb() {
    run_peak_mb --a 10 --preset shuang1 --formula f.txt "$@"
}

# "ok" when the figure is below its goal.
verdict() {
    [ "$1" -lt "$2" ] && echo ok || echo OVER
}

plain=$(peak_mb)
with_svg=$(peak_mb --svg s.svg)
svg_kb=$(( $(wc -c <s.svg) / 1024 ))
echo "render-memory: peak ${plain} MB (goal 150, $(verdict "$plain" 150)), with --svg" \
    "${with_svg} MB (goal 300, $(verdict "$with_svg" 300)), SVG ${svg_kb} KB" \
    "(goal 2048, $(verdict "$svg_kb" 2048))"
presses=$(for i in $(seq 1000); do printf ' --preset line'; done)
# shellcheck disable=SC2086 # one word per option
many=$(run_peak_mb $presses --png many.png)
echo "render-memory: 1000 presses of the line preset peak ${many} MB (goal 100, $(verdict "$many" 100))"
