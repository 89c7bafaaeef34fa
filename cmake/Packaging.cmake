# The game as a desktop application: its menu entry, icons and AppStream
# metadata, installed beside the game, and the Debian package CPack makes of
# the installed tree (`cpack -G DEB` in the build folder).
set(SORVANTA_SCREENSHOTS_URL "" CACHE STRING
    "Web address where docs/screenshots/ is published; empty leaves the screenshots out of the AppStream metadata")
# Debian wants "Name <address>"; the placeholder address serves local builds
# only: set a real one for a package that is published.
set(SORVANTA_PACKAGE_CONTACT "The Sorvanta developers <sorvanta@example.org>" CACHE STRING
    "Maintainer named in the Debian package and its changelog, as Name <address>")

set(SORVANTA_LINUX ${CMAKE_SOURCE_DIR}/packaging/linux)
set(SORVANTA_METAINFO ${CMAKE_BINARY_DIR}/packaging/io.github.sorvanta.Sorvanta.metainfo.xml)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS
             ${SORVANTA_LINUX}/io.github.sorvanta.Sorvanta.metainfo.xml.in)
file(READ ${SORVANTA_LINUX}/io.github.sorvanta.Sorvanta.metainfo.xml.in metainfo)
# AppStream takes screenshots only from the web: without an address there are none.
if(NOT SORVANTA_SCREENSHOTS_URL)
  string(REGEX REPLACE "  <screenshots>.*</screenshots>\n" "" metainfo "${metainfo}")
endif()
string(REGEX REPLACE "/+$" "" SORVANTA_SCREENSHOTS_URL "${SORVANTA_SCREENSHOTS_URL}")
file(CONFIGURE OUTPUT ${SORVANTA_METAINFO} CONTENT "${metainfo}" @ONLY)

install(FILES ${SORVANTA_LINUX}/sorvanta.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(DIRECTORY ${SORVANTA_LINUX}/icons/ DESTINATION ${CMAKE_INSTALL_DATADIR}/icons)
install(FILES ${SORVANTA_METAINFO} DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

# The copyright file, the changelog and the manual page, compressed as Debian
# wants them (-n: no name or time stamp, so the package is reproducible).
find_program(SORVANTA_GZIP gzip REQUIRED)
set(SORVANTA_DEBIAN ${CMAKE_SOURCE_DIR}/packaging/debian)
configure_file(${SORVANTA_DEBIAN}/changelog.in ${CMAKE_BINARY_DIR}/packaging/changelog @ONLY)
set(SORVANTA_DOCS ${CMAKE_BINARY_DIR}/packaging/changelog.gz ${CMAKE_BINARY_DIR}/packaging/sorvanta.6.gz)
add_custom_command(OUTPUT ${SORVANTA_DOCS}
  COMMAND ${SORVANTA_GZIP} -9nc ${CMAKE_BINARY_DIR}/packaging/changelog > ${CMAKE_BINARY_DIR}/packaging/changelog.gz
  COMMAND ${SORVANTA_GZIP} -9nc ${SORVANTA_LINUX}/sorvanta.6 > ${CMAKE_BINARY_DIR}/packaging/sorvanta.6.gz
  DEPENDS ${CMAKE_BINARY_DIR}/packaging/changelog ${SORVANTA_LINUX}/sorvanta.6)
add_custom_target(sorvanta_docs ALL DEPENDS ${SORVANTA_DOCS})
install(FILES ${SORVANTA_DEBIAN}/copyright ${CMAKE_BINARY_DIR}/packaging/changelog.gz
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/sorvanta)
install(FILES ${CMAKE_BINARY_DIR}/packaging/sorvanta.6.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME sorvanta)
set(CPACK_PACKAGE_CONTACT ${SORVANTA_PACKAGE_CONTACT})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "logic puzzle game of picture and colour grids")
set(CPACK_PACKAGE_DESCRIPTION "Two campaigns of grid logic puzzles, Picross and Fill, across the stages
of a hand-drawn map, with a tutorial, hints, player profiles, music and sounds.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Recommended, not depended on, as Debian's policy has it for what all but
# unusual installs have and the game plays without. More games opens its
# pages through xdg-open; without it the game says no browser could be
# opened. The message boxes (the question when a save fails at quitting)
# draw in the X server's core fonts, which the local server finds in
# xfonts-base; without them the game tells that in its own window instead.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "xdg-utils, xfonts-base")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_SORVANTA_OBJCOPY ${CMAKE_OBJCOPY})
set(CPACK_SORVANTA_PROGRAM ${CPACK_PACKAGING_INSTALL_PREFIX}/${SORVANTA_APP_CONTENTS}/MacOS/sorvanta)
set(CPACK_PRE_BUILD_SCRIPTS ${CMAKE_CURRENT_LIST_DIR}/PackageStrip.cmake)
include(CPack)
