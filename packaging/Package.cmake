# SPDX-License-Identifier: GPL-3.0-or-later
# The Debian package, built by CPack from the install rules, and the files
# Debian wants beside the program: the copyright and the changelog.

# AppStream wants the release day as YYYY-MM-DD, a Debian changelog wants it
# with its weekday; both come from the one day written next to the version.
if(NOT OSTREL_RELEASE_DATE MATCHES "^([0-9][0-9][0-9][0-9])-[0-9][0-9]-[0-9][0-9]$")
    message(FATAL_ERROR "OSTREL_RELEASE_DATE must read YYYY-MM-DD, not \"${OSTREL_RELEASE_DATE}\"")
endif()
set(OSTREL_RELEASE_YEAR ${CMAKE_MATCH_1})
execute_process(COMMAND date -u -R -d "${OSTREL_RELEASE_DATE}"
    OUTPUT_VARIABLE OSTREL_RELEASE_DATE_RFC2822 OUTPUT_STRIP_TRAILING_WHITESPACE
    COMMAND_ERROR_IS_FATAL ANY)

set(packaging_dir ${CMAKE_CURRENT_BINARY_DIR}/packaging)
configure_file(${CMAKE_CURRENT_LIST_DIR}/copyright.in ${packaging_dir}/copyright @ONLY)
configure_file(${CMAKE_CURRENT_LIST_DIR}/changelog.in ${packaging_dir}/changelog @ONLY)
# A package whose version has no Debian revision is native: its changelog is
# changelog.gz, not changelog.Debian.gz.
ostrel_gzip(${packaging_dir}/changelog ${packaging_dir}/changelog.gz)
# Debian keeps them under the package's name, which is lower case, wherever a
# build puts its other documentation.
install(FILES ${packaging_dir}/copyright ${packaging_dir}/changelog.gz
    DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/doc/${OSTREL_PACKAGE_NAME})

# What lintian says of the package and why it does not apply, where lintian looks.
install(FILES ${CMAKE_CURRENT_LIST_DIR}/lintian/ostrel
    DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/lintian/overrides RENAME ${OSTREL_PACKAGE_NAME})

set(CPACK_PACKAGE_NAME ${OSTREL_PACKAGE_NAME})
set(CPACK_PACKAGE_CONTACT "${OSTREL_CONTACT}")
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${OSTREL_CONTACT}")
# Debian wants the long description in lines under 80 characters; CPack keeps
# the line breaks and marks the empty line.
set(CPACK_PACKAGE_DESCRIPTION [[
Ostrel estimates the most power a PC draws with every component at full
load, so that its owner can choose a power supply. Pick the processor,
graphics cards, memory, disks, optical drives and fans from drop-down lists;
every pick updates that category's watts and the grand total at once.

A small converter turns a supply line's amperes times volts into watts.
The window and its texts are in Russian.]])
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
# The Qt libraries come from the executable's own links; the window is laid out
# for this font, and Qt's own texts are Russian with this translation, which
# nothing links to.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation, qt6-translations-l10n")
include(CPack)
