# SPDX-License-Identifier: GPL-3.0-or-later
# The manual page, and the Debian package. In the build folder, `cpack -G DEB` (or just
# `cpack`) makes vorpin_<version>_<arch>.deb, which installs under /usr. Its dependencies
# on shared libraries come from dpkg-shlibdeps; the two below are what the game needs
# beyond them.
include(GNUInstallDirs)

# Debian keeps manual pages and changelogs compressed, without a name or time stamp in
# the header so that the same text always gives the same file.
find_program(VORPIN_GZIP gzip REQUIRED)
set(compressed_docs)
foreach(doc IN ITEMS docs/man/Vorpin.6 res/debian/changelog)
    get_filename_component(name ${doc} NAME)
    set(compressed ${PROJECT_BINARY_DIR}/${name}.gz)
    add_custom_command(OUTPUT ${compressed}
        COMMAND ${VORPIN_GZIP} -9n -c ${PROJECT_SOURCE_DIR}/${doc} > ${compressed}
        DEPENDS ${PROJECT_SOURCE_DIR}/${doc}
        VERBATIM)
    list(APPEND compressed_docs ${compressed})
endforeach()
add_custom_target(vorpin_compressed_docs ALL DEPENDS ${compressed_docs})
install(FILES ${PROJECT_BINARY_DIR}/Vorpin.6.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)

# The component "debian", which a plain `cmake --install` leaves out: the package puts
# the program in /usr/games as Debian's policy for games asks, with a desktop entry that
# starts it from there (a desktop session's PATH need not hold /usr/games), and adds the
# copyright file and the changelog. The package installs it in place of the component
# "bin", which holds the program in bin and the desktop entry that finds it on the PATH.
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(games_program ${CPACK_PACKAGING_INSTALL_PREFIX}/games/Vorpin)
install(TARGETS Vorpin DESTINATION games COMPONENT debian EXCLUDE_FROM_ALL)
# As Debian's own packages are stripped: without the compiler's version notes.
install(CODE "execute_process(COMMAND \"${CMAKE_OBJCOPY}\" --remove-section=.comment
    \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/games/Vorpin\" COMMAND_ERROR_IS_FATAL ANY)"
    COMPONENT debian EXCLUDE_FROM_ALL)
set(desktop_entry ${PROJECT_SOURCE_DIR}/res/org.tarnwick.Vorpin.desktop)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${desktop_entry})
file(READ ${desktop_entry} entry)
string(REPLACE "\nExec=Vorpin\n" "\nExec=${games_program}\n" games_entry "${entry}")
if(games_entry STREQUAL entry)
    message(FATAL_ERROR "${desktop_entry} has no line Exec=Vorpin for the package to change")
endif()
file(WRITE ${PROJECT_BINARY_DIR}/debian/org.tarnwick.Vorpin.desktop "${games_entry}")
install(FILES ${PROJECT_BINARY_DIR}/debian/org.tarnwick.Vorpin.desktop
    DESTINATION ${CMAKE_INSTALL_DATADIR}/applications COMPONENT debian EXCLUDE_FROM_ALL)
install(FILES res/debian/copyright ${PROJECT_BINARY_DIR}/changelog.gz
    DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/vorpin COMPONENT debian EXCLUDE_FROM_ALL)
set(CPACK_INSTALL_CMAKE_PROJECTS
    "${PROJECT_BINARY_DIR};${PROJECT_NAME};Unspecified;/"
    "${PROJECT_BINARY_DIR};${PROJECT_NAME};debian;/")

set(CPACK_PACKAGE_NAME vorpin)
set(CPACK_PACKAGE_VENDOR Tarnwick)
set(CPACK_PACKAGE_CONTACT "Tarnwick <games@tarnwick.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "six-dice game for one player")
# Debian's checker wants the lines of the long description within 80 columns.
set(CPACK_PACKAGE_DESCRIPTION
    "Throw six dice, set aside the combinations that score, and after each roll
either throw the dice that are left or bank the turn. A roll with nothing to
score loses everything the turn has gathered. The game ends with the bank that
reaches 5000 points; the fewer turns it takes, the better, and the ten best
games form a high-score table.")
set(CPACK_PACKAGE_HOMEPAGE_URL https://vorpin.tarnwick.example/)
set(CPACK_GENERATOR DEB)
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
