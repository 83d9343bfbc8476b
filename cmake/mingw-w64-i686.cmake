# 32-bit Windows, x86: every Windows PC a school has, back to Windows XP.
set(CMAKE_SYSTEM_PROCESSOR i686)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64.cmake)
