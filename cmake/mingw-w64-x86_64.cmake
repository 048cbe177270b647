# Cross build for 64-bit Windows with Debian's mingw-w64 (package g++-mingw-w64-x86-64).
# The posix thread model carries the standard library's threads and sleeps; the
# programs are linked statically, so an .exe needs no DLL beside it.

set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(PEMRIX_MINGW_PREFIX x86_64-w64-mingw32)
find_program(PEMRIX_MINGW_CXX NAMES ${PEMRIX_MINGW_PREFIX}-g++-posix ${PEMRIX_MINGW_PREFIX}-g++
             REQUIRED)
find_program(PEMRIX_MINGW_CC NAMES ${PEMRIX_MINGW_PREFIX}-gcc-posix ${PEMRIX_MINGW_PREFIX}-gcc
             REQUIRED)
set(CMAKE_CXX_COMPILER ${PEMRIX_MINGW_CXX})
set(CMAKE_C_COMPILER ${PEMRIX_MINGW_CC})
set(CMAKE_RC_COMPILER ${PEMRIX_MINGW_PREFIX}-windres)

# Libraries and headers of the target only; programs of the build machine.
set(CMAKE_FIND_ROOT_PATH /usr/${PEMRIX_MINGW_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")
# The small build carries no symbols.
set(CMAKE_EXE_LINKER_FLAGS_MINSIZEREL_INIT "-s")
