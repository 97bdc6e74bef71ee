# Checks the built Kelotarhu.dll from the outside, as `objdump -p` shows it: a PE32 i386
# library whose export directory names "Kelotarhu.dll" and exports exactly ten
# undecorated functions with fixed ordinals, and which needs Windows system DLLs only.
# Usage: cmake -DOBJDUMP=<objdump> -DDLL=<Kelotarhu.dll> -P check_dll_exports.cmake

cmake_minimum_required(VERSION 3.25)

foreach(required OBJDUMP DLL)
  if(NOT DEFINED ${required})
    message(FATAL_ERROR "pass -D${required}=...")
  endif()
endforeach()

execute_process(COMMAND ${OBJDUMP} -p ${DLL} OUTPUT_VARIABLE dump RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "${OBJDUMP} -p ${DLL} failed (${status})")
endif()

set(failures "")
macro(fail text)
  string(APPEND failures "  ${text}\n")
endmacro()

# The format: 32-bit PE for i386.
if(NOT dump MATCHES "file format pei-i386")
  fail("not a pei-i386 file")
endif()
if(NOT dump MATCHES "Magic[ \t]+010b[ \t]+\\(PE32\\)")
  fail("not PE32")
endif()

# The export directory's module name.
if(NOT dump MATCHES "\nName[ \t]+[0-9a-fA-F]+ ([^\n]*)\n")
  fail("no export directory name")
elseif(NOT CMAKE_MATCH_1 STREQUAL "Kelotarhu.dll")
  fail("export directory names '${CMAKE_MATCH_1}', not 'Kelotarhu.dll'")
endif()

# Ten entries in both tables: nothing exported beyond the ten names.
if(NOT dump MATCHES "Export Address Table[ \t]+0000000a\n[^\n]*Name Pointer/Ordinal\\] Table[ \t]+0000000a")
  fail("the export tables do not hold exactly ten entries")
endif()

# Ordinal of every exported name. objdump lists "[index] name" with index = ordinal -
# base, or, in newer versions, "[index] +base[ordinal] name".
if(NOT dump MATCHES "Ordinal Base[ \t]+([0-9]+)")
  fail("no ordinal base")
endif()
set(ordinal_base ${CMAKE_MATCH_1})
string(REGEX MATCH "\\[Ordinal/Name Pointer\\] Table[^\n]*\n(([ \t]+\\[[^\n]*\n)+)" table
       "${dump}")
set(table "${CMAKE_MATCH_1}")
string(REGEX MATCHALL "[^\n]+" entries "${table}")
set(exported "")
foreach(entry IN LISTS entries)
  if(entry MATCHES "\\+base\\[ *([0-9]+)\\][: ]+([^ \t]+)$")
    set(ordinal ${CMAKE_MATCH_1})
    set(name ${CMAKE_MATCH_2})
  elseif(entry MATCHES "\\[ *([0-9]+)\\] ([^ \t]+)$")
    math(EXPR ordinal "${CMAKE_MATCH_1} + ${ordinal_base}")
    set(name ${CMAKE_MATCH_2})
  else()
    fail("cannot read export entry '${entry}'")
    continue()
  endif()
  if(name MATCHES "@")
    fail("decorated export name '${name}'")
  endif()
  list(APPEND exported "${ordinal}=${name}")
endforeach()
list(SORT exported COMPARE NATURAL)
set(expected 1=GetFlag 2=GetHoliday 3=GetNameDay 4=getparam 5=dlltype 6=init 7=getinfo
             8=configure 9=dllshutdown 10=dllstartup)
if(NOT exported STREQUAL expected)
  fail("exports are '${exported}', expected '${expected}'")
endif()

# Imported DLLs: Windows system libraries only, never a MinGW runtime.
string(REGEX MATCHALL "DLL Name: [^\n]+" imports "${dump}")
set(system_dlls kernel32.dll user32.dll msvcrt.dll advapi32.dll ntdll.dll)
set(imported "")
foreach(import IN LISTS imports)
  string(REGEX REPLACE "^DLL Name: " "" dll_name "${import}")
  string(STRIP "${dll_name}" dll_name)
  string(TOLOWER "${dll_name}" lower_name)
  list(APPEND imported ${dll_name})
  if(NOT lower_name IN_LIST system_dlls AND NOT lower_name MATCHES "^api-ms-win-")
    fail("imports ${dll_name}, which is not a Windows system DLL")
  endif()
endforeach()
if(NOT imported)
  fail("no imports found")
endif()

if(failures)
  message(FATAL_ERROR "${DLL}:\n${failures}")
endif()
message(STATUS "${DLL}: exports ${exported}; imports ${imported}")
