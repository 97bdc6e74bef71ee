# Shared by both MinGW-w64 i686 toolchains: the target, the search roots, static
# runtimes and Wine as the emulator that runs the test programs.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR i686)

set(CMAKE_RC_COMPILER i686-w64-mingw32-windres)

set(CMAKE_FIND_ROOT_PATH /usr/i686-w64-mingw32)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# Every program links its runtimes statically, so none needs libstdc++-6.dll,
# libgcc_s_*.dll or libwinpthread-1.dll beside it.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")

# The Wine prefix lives in the build folder; a build of test programs made by another
# build passes that build's prefix, so that Wine is set up once.
if(NOT KELOTARHU_WINEPREFIX)
  set(KELOTARHU_WINEPREFIX "${CMAKE_BINARY_DIR}/wineprefix")
endif()
set(CMAKE_CROSSCOMPILING_EMULATOR "${CMAKE_CURRENT_LIST_DIR}/wine-run.sh;${KELOTARHU_WINEPREFIX}")
