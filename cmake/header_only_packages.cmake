# kelotarhu_find_header_only_package(PACKAGE VERSION TARGET HEADER_FOLDER): finds a
# header-only library as a CMake package, VERSION or newer, and gives its imported TARGET.
#
# A cross build for Windows uses the build machine's copy, since header-only code serves
# every target. Its package names the build machine's include folder (/usr/include on
# Debian), which the cross compiler must never search: that folder holds the glibc
# headers. So the library's one HEADER_FOLDER is linked into a folder of its own in the
# build tree, and the target names that folder instead.
macro(kelotarhu_find_header_only_package package version target header_folder)
  if(CMAKE_CROSSCOMPILING)
    find_package(${package} ${version} CONFIG REQUIRED NO_CMAKE_FIND_ROOT_PATH)
    kelotarhu_isolate_headers(${target} ${header_folder})
  else()
    find_package(${package} ${version} CONFIG REQUIRED)
  endif()
endmacro()

function(kelotarhu_isolate_headers target header_folder)
  get_target_property(include_dirs ${target} INTERFACE_INCLUDE_DIRECTORIES)
  set(isolated ${CMAKE_BINARY_DIR}/build-machine-headers/${target})
  string(REPLACE "::" "_" isolated ${isolated})
  foreach(include_dir IN LISTS include_dirs)
    if(IS_DIRECTORY ${include_dir}/${header_folder})
      file(MAKE_DIRECTORY ${isolated})
      file(CREATE_LINK ${include_dir}/${header_folder} ${isolated}/${header_folder} SYMBOLIC)
      set_target_properties(${target} PROPERTIES INTERFACE_INCLUDE_DIRECTORIES ${isolated})
      return()
    endif()
  endforeach()
  message(FATAL_ERROR "${target} names no folder ${header_folder}/ in ${include_dirs}")
endfunction()
