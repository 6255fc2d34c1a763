# SPDX-License-Identifier: GPL-3.0-or-later
# The Debian package. In the build folder, `cpack -G DEB` (or just `cpack`) makes
# vorpin_<version>_<arch>.deb, which installs under /usr. Its dependencies on shared
# libraries come from dpkg-shlibdeps; the two below are what the game needs beyond them.
set(CPACK_PACKAGE_NAME vorpin)
set(CPACK_PACKAGE_VENDOR Tarnwick)
set(CPACK_PACKAGE_CONTACT "Tarnwick <games@tarnwick.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "six-dice game for one player")
set(CPACK_PACKAGE_DESCRIPTION
    "Throw six dice, set aside the combinations that score, and after each roll either
throw the dice that are left or bank the turn. A roll with nothing to score loses
everything the turn has gathered. The game ends with the bank that reaches 5000
points; the fewer turns it takes, the better, and the ten best games form a
high-score table.")
set(CPACK_PACKAGE_HOMEPAGE_URL https://vorpin.tarnwick.example/)
set(CPACK_GENERATOR DEB)  # which installs under /usr, its default prefix
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Tarnwick <games@tarnwick.example>")
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Qt loads its X11 platform plugin and the history's SQLite driver at run time, and the board
# is drawn in DejaVu Sans.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, fonts-dejavu-core, libqt6sql6-sqlite")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_DEBIAN_COMPRESSION_TYPE xz)

# `cpack --config CPackSourceConfig.cmake`: the sources without the builds and history.
set(CPACK_SOURCE_GENERATOR TXZ)
set(CPACK_SOURCE_IGNORE_FILES "/\\\\.git/" "/build/" "/\\\\.cache/")

include(CPack)
