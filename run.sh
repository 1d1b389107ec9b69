#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the plotter (installing what is missing) and opens its window.
set -e
cd "$(dirname "$0")"
./scripts/install-deps.sh
./scripts/build.sh build
if [ -z "$DISPLAY" ] && [ -z "$WAYLAND_DISPLAY" ] && [ -z "$QT_QPA_PLATFORM" ]; then
    echo "没有可用的图形显示：请在桌面环境中运行，或使用 xvfb-run ./run.sh" >&2
    echo "No display found: run this from a desktop session, or under 'xvfb-run ./run.sh'." >&2
    exit 1
fi
exec ./build/bin/funcurve
