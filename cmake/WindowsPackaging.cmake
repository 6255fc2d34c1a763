# SPDX-License-Identifier: GPL-3.0-or-later
# The Windows packages, made by the windows-packages target in the build folder:
#   Vorpin-<version>-windows-x64.zip   the game to unpack and run anywhere
#   Vorpin-<version>-setup.exe         an installer for the current user, with an uninstaller
# Both hold Vorpin.exe, vorpin-sim.exe, the game's licence and the board font's licence.
find_program(VORPIN_MAKENSIS makensis NO_CMAKE_FIND_ROOT_PATH REQUIRED)

set(package_name Vorpin-${PROJECT_VERSION})
set(stage ${CMAKE_BINARY_DIR}/package/${package_name})
set(zip ${CMAKE_BINARY_DIR}/${package_name}-windows-x64.zip)
set(setup ${CMAKE_BINARY_DIR}/${package_name}-setup.exe)
set(nsis_script ${PROJECT_SOURCE_DIR}/res/windows/installer.nsi)

add_custom_command(OUTPUT ${zip} ${setup}
    COMMAND ${CMAKE_COMMAND} -E rm -rf ${stage}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${stage}
    COMMAND ${CMAKE_COMMAND} -E copy $<TARGET_FILE:Vorpin> $<TARGET_FILE:vorpin-sim> ${stage}
    COMMAND ${CMAKE_COMMAND} -E copy ${PROJECT_SOURCE_DIR}/LICENSE ${stage}/LICENSE.txt
    COMMAND ${CMAKE_COMMAND} -E copy ${VORPIN_FONT_LICENSE} ${stage}/DejaVu-font-LICENSE.txt
    COMMAND ${CMAKE_COMMAND} -E rm -f ${zip}
    COMMAND ${CMAKE_COMMAND} -E chdir ${CMAKE_BINARY_DIR}/package
        ${CMAKE_COMMAND} -E tar cf ${zip} --format=zip ${package_name}
    COMMAND ${VORPIN_MAKENSIS} -V2 -DVERSION=${PROJECT_VERSION} -DSTAGE=${stage}
        -DICON=${VORPIN_ICON} -DOUTFILE=${setup} ${nsis_script}
    DEPENDS Vorpin vorpin-sim ${nsis_script} ${VORPIN_ICON} ${PROJECT_SOURCE_DIR}/LICENSE
    COMMENT "The Windows zip and installer"
    VERBATIM)
add_custom_target(windows-packages DEPENDS ${zip} ${setup})
add_dependencies(windows-packages vorpin_icon)
