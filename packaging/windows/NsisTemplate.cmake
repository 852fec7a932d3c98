# SPDX-License-Identifier: GPL-3.0-or-later
# CMake's own NSIS script, changed in three places (no semicolons in them: they
# are CMake list items). The installer is a 64-bit
# program, as the one it installs, so that it needs nothing 32-bit: Wine without
# its 32-bit half runs it. And one installer serves both kinds of user: it asks
# for the highest rights the user has rather than an administrator's, so an
# administrator installs for everyone as before and anyone else for themselves,
# without being refused; a per-user installation goes where Windows keeps
# per-user programs, not into Documents.
set(stock ${CMAKE_ROOT}/Modules/Internal/CPack/NSIS.template.in)
file(READ ${stock} template)
set(changes
    [[!define VERSION "@CPACK_PACKAGE_VERSION@"]]
    "Target amd64-unicode\n  !define VERSION \"@CPACK_PACKAGE_VERSION@\""
    "RequestExecutionLevel admin" "RequestExecutionLevel highest"
    [[StrCpy $INSTDIR "$DOCUMENTS\@CPACK_PACKAGE_INSTALL_DIRECTORY@"]]
    [[StrCpy $INSTDIR "$LOCALAPPDATA\Programs\@CPACK_PACKAGE_INSTALL_DIRECTORY@"]])
while(changes)
    list(POP_FRONT changes old new)
    string(FIND "${template}" "${old}" at)
    if(at EQUAL -1)
        message(FATAL_ERROR "${stock} no longer reads \"${old}\"; the changes above need redoing")
    endif()
    string(REPLACE "${old}" "${new}" template "${template}")
endwhile()
set(template_dir ${CMAKE_CURRENT_BINARY_DIR}/packaging/nsis)
file(WRITE ${template_dir}/NSIS.template.in "${template}")
# CPack looks for its templates in the module path first.
list(PREPEND CMAKE_MODULE_PATH ${template_dir})
