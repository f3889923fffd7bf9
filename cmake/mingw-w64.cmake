# Cross-builds for 64-bit Windows with Debian's MinGW-w64 (posix threads), linked statically so
# the programs need no DLLs beside them. The tests run under Wine.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(RP70_MINGW_PREFIX x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${RP70_MINGW_PREFIX}-gcc-posix)
set(CMAKE_CXX_COMPILER ${RP70_MINGW_PREFIX}-g++-posix)
set(CMAKE_RC_COMPILER ${RP70_MINGW_PREFIX}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${RP70_MINGW_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")

find_program(RP70_WINE NAMES wine64 wine PATHS /usr/lib/wine NO_CMAKE_FIND_ROOT_PATH)
if(RP70_WINE)
    set(CMAKE_CROSSCOMPILING_EMULATOR ${RP70_WINE})
endif()
