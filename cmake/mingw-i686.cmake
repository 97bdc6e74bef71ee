# Cross build of the shipped binaries for 32-bit Windows with MinGW-w64 GCC and its
# win32 thread model: no winpthreads in them (which takes a TLS slot at every load of
# the DLL and needs Vista's GetTickCount64). cmake/windows_compiler.cmake checks it.
set(CMAKE_C_COMPILER i686-w64-mingw32-gcc-win32)
set(CMAKE_CXX_COMPILER i686-w64-mingw32-g++-win32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-i686-common.cmake)
