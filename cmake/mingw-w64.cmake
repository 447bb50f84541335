# Cross-compiling for 64-bit Windows with MinGW-w64 (Debian: g++-mingw-w64-x86-64).
# The posix-threads variant of the compiler is taken when present.
#   cmake -S . -B build-mingw -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(TILLERFOLD_MINGW_PREFIX x86_64-w64-mingw32)
find_program(TILLERFOLD_MINGW_CXX NAMES ${TILLERFOLD_MINGW_PREFIX}-g++-posix ${TILLERFOLD_MINGW_PREFIX}-g++
             REQUIRED)
# C as well: GoogleTest's own project asks for it.
find_program(TILLERFOLD_MINGW_CC NAMES ${TILLERFOLD_MINGW_PREFIX}-gcc-posix ${TILLERFOLD_MINGW_PREFIX}-gcc
             REQUIRED)
set(CMAKE_CXX_COMPILER ${TILLERFOLD_MINGW_CXX})
set(CMAKE_C_COMPILER ${TILLERFOLD_MINGW_CC})
set(CMAKE_RC_COMPILER ${TILLERFOLD_MINGW_PREFIX}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${TILLERFOLD_MINGW_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# Programs built here run under wine when it is installed (tests, test discovery).
find_program(TILLERFOLD_WINE NAMES wine wine64)
if(TILLERFOLD_WINE)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${TILLERFOLD_WINE})
endif()
