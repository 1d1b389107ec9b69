#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian package from an optimised Release tree (only what the package holds) and
# lets Debian's checker lintian look at it, installs it, and checks the installed plotter the
# way a user meets it: as an ordinary user with a fresh home, the companion draws x^2+y^2=4 with the
# same 159 records as the build tree, and the window (under Xvfb, driven by xdotool) takes
# its examples from the share folder and writes its point file into the user's data folder.
# Removes the package again. Needs root (apt-get, a check user); run from anywhere.
set -e
cd "$(dirname "$0")/.."
fail() {
    echo "package-check: $*" >&2
    exit 1
}
[ "$(id -u)" -eq 0 ] || fail "需要 root 权限 / needs root (installs the package)"
./scripts/install-deps.sh
./scripts/build.sh build
# cpack builds no more than the package needs (no install-all dependency).
FUNCURVE_TARGETS="funcurve funcurve-cli package_docs" ./scripts/build.sh build-release \
    -DCMAKE_BUILD_TYPE=Release -DFUNCURVE_BENCH=OFF -DCMAKE_SKIP_INSTALL_ALL_DEPENDENCY=ON
rm -f build-release/funcurve_*.deb
(cd build-release && cpack -G DEB >cpack.log 2>&1) || {
    cat build-release/cpack.log >&2
    fail "cpack failed"
}
deb=$(ls build-release/funcurve_*.deb)

# No error or warning, nor the notes of missing hardening or of sections left unstripped.
lintian --pedantic --fail-on error,warning "$deb" >build-release/lintian.log 2>&1 ||
    { cat build-release/lintian.log >&2; fail "lintian"; }
cat build-release/lintian.log
if grep -E 'hardening-no-|binary-has-unneeded-section' build-release/lintian.log >/dev/null; then
    fail "lintian: hardening or stripping missing"
fi

export DEBIAN_FRONTEND=noninteractive
apt-get install -y -qq "./$deb" >/dev/null
trap 'apt-get remove -y -qq funcurve >/dev/null' EXIT

desktop-file-validate /usr/share/applications/io.github.funcurve.FunCurve.desktop
appstreamcli validate --no-net /usr/share/metainfo/io.github.funcurve.FunCurve.metainfo.xml

user=funcurve-check
id -u "$user" >/dev/null 2>&1 || useradd --system --no-create-home --shell /bin/sh "$user"
home=$(mktemp -d /tmp/funcurve-home.XXXXXX)
mkdir -m 700 "$home/.runtime"
chown -R "$user": "$home"
trap 'apt-get remove -y -qq funcurve >/dev/null; rm -rf "$home"' EXIT
as_user() {
    runuser -u "$user" -- env -i HOME="$home" XDG_RUNTIME_DIR="$home/.runtime" PATH=/usr/bin:/bin \
        LANG=C.UTF-8 "$@"
}

# The companion from the installed path against the build tree's.
as_user sh -c 'cd "$HOME" && funcurve-cli render --draw "x^2+y^2=4" --points circle.txt'
build/bin/funcurve-cli render --draw 'x^2+y^2=4' --points "$home/expected.txt"
records=$(wc -l <"$home/circle.txt")
[ "$records" -eq 159 ] || fail "funcurve-cli: $records records, not 159"
cmp -s "$home/circle.txt" "$home/expected.txt" || fail "funcurve-cli: points differ from the build tree's"

# The window: nothing beside /usr/bin, so examples and help come from /usr/share/funcurve.
[ -e /usr/bin/举例.txt ] && fail "examples beside the installed program"
first=$(head -n 1 /usr/share/funcurve/举例.txt | tr -d '\r')
as_user sh -c 'cd "$HOME" && funcurve-cli render --draw "$1" --points first.txt' sh "$first"
install -m 755 scripts/package-window-check.sh "$home/window-check.sh"
as_user xvfb-run -a -s "-screen 0 1024x768x24" sh "$home/window-check.sh"
[ -e /usr/bin/CoordinateData.txt ] && fail "point file beside the installed program"
echo "package-check: 安装包检查通过 / package checks passed ($deb)"
