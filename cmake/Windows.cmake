# SPDX-License-Identifier: GPL-3.0-or-later
# What every Windows executable of the project shares. GCC's C and C++ runtimes
# and winpthreads go inside each .exe, so that it runs with nothing beside it.
add_link_options(-static)
# Tests run their programs through Wine, which ctest puts before each command.
if(BUILD_TESTING)
    find_program(OSTREL_WINE wine REQUIRED)
    set(CMAKE_CROSSCOMPILING_EMULATOR ${OSTREL_WINE})
endif()
