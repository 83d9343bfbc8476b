# Cross build for Windows with MinGW-w64, for the processor the including file names: x86_64
# (Debian: g++-mingw-w64-x86-64) or i686 (g++-mingw-w64-i686). Programs built here run under Wine
# (scripts/wine.sh), which is how ctest runs the tests.
set(CMAKE_SYSTEM_NAME Windows)
set(target ${CMAKE_SYSTEM_PROCESSOR}-w64-mingw32)
set(CMAKE_C_COMPILER ${target}-gcc)
set(CMAKE_CXX_COMPILER ${target}-g++)
set(CMAKE_RC_COMPILER ${target}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${target})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/../scripts/wine.sh)
# libstdc++ and libgcc inside every program: nothing to copy beside it.
set(CMAKE_EXE_LINKER_FLAGS_INIT -static)
