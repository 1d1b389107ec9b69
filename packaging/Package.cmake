# SPDX-License-Identifier: GPL-3.0-or-later
# `cpack -G DEB` in the build folder: a Debian package of what packaging/ installs.
set(CPACK_PACKAGE_NAME funcurve)
set(CPACK_PACKAGE_VENDOR "FunCurve")
set(CPACK_PACKAGE_CONTACT "FunCurve developers <funcurve@users.noreply.github.com>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "plotter of school-mathematics functions and equations")
# The package shows each line indented by one blank: at most 79 characters here.
set(CPACK_PACKAGE_DESCRIPTION
    "FunCurve (函数曲线作图器) draws the graphs of functions and equations of
school mathematics: typed equations (y=..., y^2=..., parametric, polar, or
any equation in x and y) and fourteen preset curves, on two styles of
coordinate system. Pictures can be copied, or saved as PNG or SVG. The
windows are in Simplified Chinese. The companion funcurve-cli draws
worksheets without a window.")
set(CPACK_PACKAGE_HOMEPAGE_URL "https://github.com/funcurve/funcurve")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION math)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# Libraries come from the binaries; the Chinese fonts and Qt's own Chinese texts are data
# the programs look up at run time, so they are named here.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-arphic-uming | fonts-wqy-microhei, qt6-translations-l10n")

set(CPACK_GENERATOR DEB)
include(CPack)
