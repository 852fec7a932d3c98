# SPDX-License-Identifier: GPL-3.0-or-later
# Windows' two forms of the program, built by CPack from the install rules: an
# NSIS installer and a zip of the one-file program with its licence.
set(CPACK_GENERATOR NSIS ZIP)
set(CPACK_PACKAGE_NAME Ostrel)
set(CPACK_PACKAGE_CONTACT "${OSTREL_CONTACT}")
set(CPACK_PACKAGE_FILE_NAME Ostrel-${PROJECT_VERSION}-win64)
set(CPACK_PACKAGE_INSTALL_DIRECTORY Ostrel)
set(CPACK_PACKAGE_INSTALL_REGISTRY_KEY Ostrel)
set(CPACK_STRIP_FILES ON)
set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY OFF)
# NSIS shows the licence as a page of its own; it wants Windows' line ends.
set(windows_copying ${CMAKE_CURRENT_BINARY_DIR}/packaging/COPYING.txt)
file(READ ${PROJECT_SOURCE_DIR}/COPYING copying)
file(CONFIGURE OUTPUT ${windows_copying} CONTENT "${copying}" NEWLINE_STYLE CRLF)
set(CPACK_RESOURCE_FILE_LICENSE ${windows_copying})

# The installer's script is our own (windows/NSIS.template.in), which CPack
# fills in: it looks for its templates in the module path first.
set(CPACK_NSIS_MUI_ICON ${CMAKE_CURRENT_BINARY_DIR}/app/ostrel.ico)
set(CPACK_NSIS_MUI_UNIICON ${CMAKE_CURRENT_BINARY_DIR}/app/ostrel.ico)
set(CPACK_NSIS_PACKAGE_NAME Ostrel)
set(CPACK_NSIS_DISPLAY_NAME Ostrel)
set(CPACK_NSIS_CONTACT "${OSTREL_CONTACT_ADDRESS}")
list(PREPEND CMAKE_MODULE_PATH ${CMAKE_CURRENT_LIST_DIR}/windows)
# The installer's name says what it is; the zip keeps the plain one.
set(CPACK_PROJECT_CONFIG_FILE ${CMAKE_CURRENT_LIST_DIR}/windows/PerGenerator.cmake)
include(CPack)
