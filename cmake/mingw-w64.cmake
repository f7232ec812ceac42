# Cross-compiles for 64-bit Windows with MinGW-w64 (Debian: g++-mingw-w64-x86-64-posix).
# Tests and the program run through Wine when it is installed.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(ZEPIRO_MINGW_PREFIX x86_64-w64-mingw32)
# Debian installs the compilers under a threading-model suffix; other systems
# have the plain names. (GoogleTest's build asks for a C compiler as well.)
find_program(ZEPIRO_MINGW_CXX NAMES ${ZEPIRO_MINGW_PREFIX}-g++-posix ${ZEPIRO_MINGW_PREFIX}-g++
             REQUIRED)
find_program(ZEPIRO_MINGW_CC NAMES ${ZEPIRO_MINGW_PREFIX}-gcc-posix ${ZEPIRO_MINGW_PREFIX}-gcc
             REQUIRED)
set(CMAKE_CXX_COMPILER ${ZEPIRO_MINGW_CXX})
set(CMAKE_C_COMPILER ${ZEPIRO_MINGW_CC})
find_program(CMAKE_RC_COMPILER NAMES ${ZEPIRO_MINGW_PREFIX}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${ZEPIRO_MINGW_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

find_program(ZEPIRO_WINE NAMES wine)
if(ZEPIRO_WINE)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${ZEPIRO_WINE})
endif()
