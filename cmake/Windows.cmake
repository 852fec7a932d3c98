# SPDX-License-Identifier: GPL-3.0-or-later
# What every Windows executable of the project shares. With MinGW, GCC's C and C++
# runtimes and winpthreads go inside each .exe, so that it runs with nothing
# beside it; MSVC's runtime is the system's.
if(MINGW)
    add_link_options(-static)
endif()
# Built on Linux, the tests run their programs through Wine, which ctest puts
# before each command.
if(CMAKE_CROSSCOMPILING AND BUILD_TESTING)
    find_program(OSTREL_WINE wine REQUIRED)
    set(CMAKE_CROSSCOMPILING_EMULATOR ${OSTREL_WINE})
endif()
