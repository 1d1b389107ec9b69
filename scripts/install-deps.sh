#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what building, running and testing need on a fresh Debian machine.
# Safe to run again: apt-get skips what is already there.
set -e
PKGS="cmake ninja-build g++ clang clang-format libclang-rt-dev qt6-base-dev qt6-base-dev-tools \
libqt6svg6-dev libqt6printsupport6 libgl-dev libpng-dev fonts-arphic-uming fonts-wqy-microhei qt6-translations-l10n xvfb xauth \
imagemagick libmuparser-dev dpkg-dev file desktop-file-utils appstream xdotool librsvg2-bin time \
lintian"
missing=""
for p in $PKGS; do
  dpkg -s "$p" >/dev/null 2>&1 || missing="$missing $p"
done
[ -z "$missing" ] && exit 0
SUDO=""
[ "$(id -u)" -ne 0 ] && SUDO="sudo"
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -qq
$SUDO apt-get install -y -qq --no-install-recommends $missing
