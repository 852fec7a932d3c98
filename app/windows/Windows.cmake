# SPDX-License-Identifier: GPL-3.0-or-later
# The program as Windows has it: a windowed program with no console, its icon and
# version in its resources, Qt's Windows plugins linked in, and nothing but
# ostrel.exe and the licence to install.
set_target_properties(ostrel PROPERTIES WIN32_EXECUTABLE ON)

# The icon is drawn by the script that draws the Linux icons, so the two never differ.
find_package(Python3 REQUIRED COMPONENTS Interpreter)
set(OSTREL_ICO ${CMAKE_CURRENT_BINARY_DIR}/ostrel.ico)
add_custom_command(OUTPUT ${OSTREL_ICO}
    COMMAND Python3::Interpreter ${PROJECT_SOURCE_DIR}/tools/make-icon.py --ico ${OSTREL_ICO}
    DEPENDS ${PROJECT_SOURCE_DIR}/tools/make-icon.py
    VERBATIM)

# A version resource wants four numbers; project() may give two. A missing one is
# 0, and none is padded: the resource compiler reads 071 as octal, 57.
foreach(part MINOR PATCH)
    set(OSTREL_VERSION_${part} 0)
    if(NOT "${PROJECT_VERSION_${part}}" STREQUAL "")
        set(OSTREL_VERSION_${part} ${PROJECT_VERSION_${part}})
    endif()
endforeach()
configure_file(windows/ostrel.rc.in ostrel.rc @ONLY)
target_sources(ostrel PRIVATE ${CMAKE_CURRENT_BINARY_DIR}/ostrel.rc ${OSTREL_ICO})
set_source_files_properties(${CMAKE_CURRENT_BINARY_DIR}/ostrel.rc PROPERTIES OBJECT_DEPENDS ${OSTREL_ICO})

# Qt for Windows is built with each function in a section of its own: the link
# keeps only those the program reaches, and no symbol table, which only a
# debugger would read.
if(MINGW)
    target_link_options(ostrel PRIVATE LINKER:--gc-sections $<$<NOT:$<CONFIG:Debug>>:-s>)
endif()

# A static Qt has no plugin folder: the platform goes inside, and no image format
# beyond Qt's own PNG, which the icons are. No style plugin: the
# window is drawn in Qt's own "windows" style, which takes the desktop's palette,
# dark too, where the native styles keep a light one.
qt_import_plugins(ostrel INCLUDE Qt6::QWindowsIntegrationPlugin EXCLUDE_BY_TYPE styles imageformats)

install(TARGETS ostrel RUNTIME DESTINATION .)
install(FILES ${PROJECT_SOURCE_DIR}/COPYING DESTINATION .)
