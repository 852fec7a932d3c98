# SPDX-License-Identifier: GPL-3.0-or-later
# Read by CPack once per generator: the installer is told apart from the zip by name.
if(CPACK_GENERATOR STREQUAL "NSIS")
    set(CPACK_PACKAGE_FILE_NAME "${CPACK_PACKAGE_FILE_NAME}-setup")
endif()
