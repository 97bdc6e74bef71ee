# Cross build of the Windows GoogleTest programs, which need std::mutex and so the
# posix thread model. They load the DLL that the win32 build made; nothing built with
# this toolchain ships.
set(CMAKE_C_COMPILER i686-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER i686-w64-mingw32-g++-posix)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-i686-common.cmake)
