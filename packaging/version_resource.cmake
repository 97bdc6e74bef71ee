# kelotarhu_version_resource(TARGET TYPE DESCRIPTION): gives a shipped Windows binary
# its VERSIONINFO resource: the version from project(VERSION), the product name, the
# file's names, a Finnish description and the copyright line of LICENSE; language
# Finnish, code page 1252. TYPE is VFT_DLL or VFT_APP.

file(STRINGS ${CMAKE_CURRENT_LIST_DIR}/LICENSE kelotarhu_copyright REGEX "^Copyright " LIMIT_COUNT 1)
string(REGEX REPLACE "^Copyright \\(c\\) [0-9-]+ " "" kelotarhu_company "${kelotarhu_copyright}")
set(kelotarhu_four_part_version "${PROJECT_VERSION_MAJOR}.${PROJECT_VERSION_MINOR}.${PROJECT_VERSION_PATCH}.0")
set(kelotarhu_version_rc_in ${CMAKE_CURRENT_LIST_DIR}/version.rc.in)

function(kelotarhu_version_resource target file_type description)
  get_target_property(output_name ${target} OUTPUT_NAME)
  if(NOT output_name)
    set(output_name ${target})
  endif()
  get_target_property(target_type ${target} TYPE)
  if(target_type STREQUAL "EXECUTABLE")
    set(kelotarhu_file_name "${output_name}.exe")
  else()
    set(kelotarhu_file_name "${output_name}.dll")
  endif()
  set(kelotarhu_internal_name "${output_name}")
  set(kelotarhu_file_type ${file_type})
  set(kelotarhu_file_description "${description}")
  set(rc ${CMAKE_CURRENT_BINARY_DIR}/${target}_version.rc)
  configure_file(${kelotarhu_version_rc_in} ${rc} @ONLY)
  target_sources(${target} PRIVATE ${rc})
endfunction()
