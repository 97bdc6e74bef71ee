# Included by cli/CMakeLists.txt. Makes plugins/flag.gif in the build folder (where the
# plug-in's default flag path points for programs built there) and, for Windows, the
# package: `cmake --build --preset win32 --target package` writes
# Kelotarhu-<version>-win32.zip laid out as the host application expects it.

set(kelotarhu_flag_gif ${CMAKE_BINARY_DIR}/plugins/flag.gif)
add_custom_command(
  OUTPUT ${kelotarhu_flag_gif}
  COMMAND Python3::Interpreter ${CMAKE_CURRENT_LIST_DIR}/make_flag_gif.py ${kelotarhu_flag_gif}
  DEPENDS ${CMAKE_CURRENT_LIST_DIR}/make_flag_gif.py
  COMMENT "Drawing the Finnish flag into plugins/flag.gif"
  VERBATIM)
add_custom_target(kelotarhu_flag_gif ALL DEPENDS ${kelotarhu_flag_gif})

if(NOT WIN32)
  return()
endif()

# The README and LICENSE with Windows line ends, the README naming this version, and the
# licences of the libraries compiled into kelotarhu.exe.
set(kelotarhu_package_readme ${CMAKE_BINARY_DIR}/package/README)
set(kelotarhu_package_license ${CMAKE_BINARY_DIR}/package/LICENSE)
set(kelotarhu_package_third_party ${CMAKE_BINARY_DIR}/package/THIRD-PARTY-LICENSES)
configure_file(${CMAKE_CURRENT_LIST_DIR}/README.in ${kelotarhu_package_readme} @ONLY
               NEWLINE_STYLE CRLF)
configure_file(${CMAKE_CURRENT_LIST_DIR}/LICENSE ${kelotarhu_package_license} @ONLY
               NEWLINE_STYLE CRLF)
configure_file(${CMAKE_CURRENT_LIST_DIR}/third-party.copyright ${kelotarhu_package_third_party}
               @ONLY NEWLINE_STYLE CRLF)

# One component, so that install rules of other parts of the build stay out of the zip.
set(kelotarhu_package_component kelotarhu_package)
# The zip holds the flag image: made with the program, so that a build of the kelotarhu
# target alone leaves a tree that cpack can package.
add_dependencies(kelotarhu kelotarhu_flag_gif)
# Only the programs themselves: the DLL's import library stays out of the component.
install(TARGETS kelotarhu RUNTIME DESTINATION . COMPONENT ${kelotarhu_package_component})
install(TARGETS Kelotarhu RUNTIME DESTINATION plugins COMPONENT ${kelotarhu_package_component})
install(FILES ${kelotarhu_flag_gif} DESTINATION plugins COMPONENT ${kelotarhu_package_component})
install(FILES ${kelotarhu_package_readme} ${kelotarhu_package_license}
              ${kelotarhu_package_third_party} DESTINATION . COMPONENT ${kelotarhu_package_component})

set(CPACK_GENERATOR ZIP)
set(CPACK_PACKAGE_NAME Kelotarhu)
set(CPACK_PACKAGE_VENDOR "Kelotarhu developers")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_FILE_NAME Kelotarhu-${PROJECT_VERSION}-win32)
set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY OFF)
# The binaries are stripped when linked, so that the package holds the very bytes
# that the tests loaded.
set(CPACK_STRIP_FILES FALSE)
set(CPACK_INSTALL_CMAKE_PROJECTS
    "${CMAKE_BINARY_DIR};${PROJECT_NAME};${kelotarhu_package_component};/")
set(CPACK_OUTPUT_FILE_PREFIX ${CMAKE_BINARY_DIR})
include(CPack)
