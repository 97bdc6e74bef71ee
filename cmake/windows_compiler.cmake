# Included for the build of the shipped Windows binaries: refuses a compiler that
# would make them need more than Windows XP SP3, and sets what every shipped binary
# shares in its PE header.

# The win32 thread model: the posix one links winpthreads in, which allocates a TLS
# slot at every load of the DLL and never frees it, and imports GetTickCount64 (Vista).
execute_process(COMMAND ${CMAKE_CXX_COMPILER} -v ERROR_VARIABLE compiler_about
                OUTPUT_VARIABLE compiler_about_out RESULT_VARIABLE compiler_status)
string(REGEX MATCH "Thread model: ([a-z0-9]+)" thread_model_line "${compiler_about}")
set(thread_model "${CMAKE_MATCH_1}")
if(NOT compiler_status EQUAL 0 OR NOT thread_model STREQUAL "win32")
  message(FATAL_ERROR
    "${CMAKE_CXX_COMPILER} has the thread model '${thread_model}'; the shipped Windows "
    "binaries need the win32 thread model (Debian: i686-w64-mingw32-g++-win32, which "
    "cmake/mingw-i686.cmake selects).")
endif()

# GCC 12 is the newest checked here: GCC 13 reworked the win32 thread layer to need
# Windows Vista, and later Debian packages need Windows 7.
set(kelotarhu_newest_checked_gcc 12)
if(NOT CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
  message(FATAL_ERROR "the shipped Windows binaries are built with MinGW-w64 GCC, not "
                      "${CMAKE_CXX_COMPILER_ID}")
endif()
string(REGEX MATCH "^[0-9]+" gcc_major "${CMAKE_CXX_COMPILER_VERSION}")
if(gcc_major GREATER kelotarhu_newest_checked_gcc)
  message(FATAL_ERROR
    "${CMAKE_CXX_COMPILER} is GCC ${CMAKE_CXX_COMPILER_VERSION}; only GCC "
    "${kelotarhu_newest_checked_gcc} and earlier are checked to give binaries that run on "
    "Windows XP SP3 (GCC 13 made the win32 thread layer need Vista).")
endif()

# The DLL's startup code: the C runtime's dllcrt2.o without GCC's crtbegin.o and
# crtend.o, whose only work in a DLL is to register its unwind tables with a libgcc
# DLL (looked up and kept loaded with LoadLibrary). The DLL throws no exceptions.
execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=dllcrt2.o
                OUTPUT_VARIABLE kelotarhu_dll_startup OUTPUT_STRIP_TRAILING_WHITESPACE)
if(NOT EXISTS "${kelotarhu_dll_startup}")
  message(FATAL_ERROR "${CMAKE_CXX_COMPILER} has no dllcrt2.o")
endif()

# The image version of every binary is the project's major.minor version. CMake's link
# rules pass a target's VERSION property as image version, last on the line (after a
# .def file, which would otherwise reset it); that property would also rename the
# executables, so the project's version takes its place in the rules instead.
foreach(rule CMAKE_CXX_LINK_EXECUTABLE CMAKE_CXX_CREATE_SHARED_LIBRARY)
  string(REPLACE "<TARGET_VERSION_MAJOR>" "${PROJECT_VERSION_MAJOR}" ${rule} "${${rule}}")
  string(REPLACE "<TARGET_VERSION_MINOR>" "${PROJECT_VERSION_MINOR}" ${rule} "${${rule}}")
endforeach()

# kelotarhu_windows_binary(TARGET): the rest of the PE header that every shipped binary
# carries: Windows XP (5.01) as the operating-system and subsystem version, no time
# stamp (so two builds give the same bytes), no symbol table.
function(kelotarhu_windows_binary target)
  target_link_options(${target} PRIVATE
    -s
    -Wl,--no-insert-timestamp
    -Wl,--major-os-version,5 -Wl,--minor-os-version,1
    -Wl,--major-subsystem-version,5 -Wl,--minor-subsystem-version,1)
endfunction()
