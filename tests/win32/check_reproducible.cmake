# Builds TARGET again from a copy of the sources, in other folders, and fails unless it
# gives the very bytes of the build under test: no time stamp, no build or source path
# in the binary.
# Usage: cmake -DSOURCE_DIR= -DWORK_DIR= -DTOOLCHAIN= -DBUILD_TYPE= -DBUILT= -DTARGET=
#              -P check_reproducible.cmake
cmake_minimum_required(VERSION 3.25)

file(REMOVE_RECURSE ${WORK_DIR})
file(COPY ${SOURCE_DIR}/ DESTINATION ${WORK_DIR}/source
     PATTERN .git EXCLUDE PATTERN build EXCLUDE)
execute_process(
  COMMAND ${CMAKE_COMMAND} -S ${WORK_DIR}/source -B ${WORK_DIR}/build -G Ninja
          -DCMAKE_TOOLCHAIN_FILE=${TOOLCHAIN} -DCMAKE_BUILD_TYPE=${BUILD_TYPE}
          -DKELOTARHU_BUILD_TESTS=OFF
  OUTPUT_QUIET RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "configuring the second build failed (${status})")
endif()
execute_process(COMMAND ${CMAKE_COMMAND} --build ${WORK_DIR}/build --target ${TARGET}
                OUTPUT_QUIET RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "the second build failed (${status})")
endif()

get_filename_component(name ${BUILT} NAME)
file(SHA256 ${BUILT} first)
file(SHA256 ${WORK_DIR}/build/${name} second)
if(NOT first STREQUAL second)
  message(FATAL_ERROR "${name} differs between two builds:\n  ${BUILT}: ${first}\n"
                      "  ${WORK_DIR}/build/${name}: ${second}")
endif()
file(REMOVE_RECURSE ${WORK_DIR})
message(STATUS "${name}: the same bytes from two builds (SHA-256 ${first})")
