# kelotarhu.exe under Wine: dates, a month, the year read back, bad input, and the
# reference host against the real Kelotarhu.dll. Paths are handed over as Windows paths
# on Wine's drive Z:, which maps the Linux root.

function(kelotarhu_windows_path out path)
  string(REPLACE "/" "\\" windows_path "Z:${path}")
  set(${out} ${windows_path} PARENT_SCOPE)
endfunction()

set(expect_run ${Python3_EXECUTABLE} ${CMAKE_CURRENT_SOURCE_DIR}/expect_run.py)
set(run_kelotarhu ${CMAKE_CROSSCOMPILING_EMULATOR} $<TARGET_FILE:kelotarhu>)

# A DLL of ours needs no runtime DLL beside it, or loading it would fail for that.
target_link_options(cli_not_a_plugin PRIVATE -static)

# cli_wine_test(NAME STATUS N [NO_CR] [OUT text...] [ERR text...] ARGS argument...)
# NO_CR: standard output must hold no CR (it is binary, so LF stays LF).
function(cli_wine_test name)
  cmake_parse_arguments(ARG "NO_CR" "STATUS" "OUT;ERR;ARGS" ${ARGN})
  set(checks --status ${ARG_STATUS})
  if(ARG_NO_CR)
    list(APPEND checks --no-cr)
  endif()
  foreach(text IN LISTS ARG_OUT)
    list(APPEND checks --out ${text})
  endforeach()
  foreach(text IN LISTS ARG_ERR)
    list(APPEND checks --err ${text})
  endforeach()
  add_test(NAME cli_wine_${name} COMMAND ${expect_run} ${checks} -- ${run_kelotarhu} ${ARG_ARGS})
endfunction()

cli_wine_test(today STATUS 0 OUT ", week " "Feasts:" "Flag day:" "Finnish names:"
              "Swedish names:" ARGS)
cli_wine_test(independence_day STATUS 0 NO_CR
              OUT "Sunnuntai 6.12.2026, week 49\n"
                  "Feasts:         Itsenäisyyspäivä (red day)\n"
                  "Flag day:       yes +\n"
                  "Finnish names:  Niilo, Niko, Niklas\n"
              ARGS 6.12.2026 --color=never)
cli_wine_test(easter STATUS 0 OUT "Sunnuntai 5.4.2026" "Pääsiäispäivä (red day)" ARGS 2026-04-05)
cli_wine_test(midsummer STATUS 0 OUT "Lauantai 21.6.2025" "Juhannuspäivä (red day)"
              ARGS 21.6.2025)
cli_wine_test(month STATUS 0 NO_CR
              OUT "Joulukuu 2026\n"
                  " 49       1    2    3    4    5    6*+\n"
                  " 53 28   29   30   31\n"
              ARGS --month 2026-12 --color=never)
cli_wine_test(bad_date STATUS 2
              ERR "kelotarhu: DATE \"2026-02-30\" is not a date of the years 1 to 9999"
              ARGS 2026-02-30)
cli_wine_test(bad_year STATUS 2 ERR "kelotarhu: --year \"10000\" is not a year" ARGS --year 10000)
cli_wine_test(version STATUS 0 OUT "kelotarhu 0.8.7\n" ARGS --version)
add_test(NAME cli_wine_errors_usage
         COMMAND ${Python3_EXECUTABLE} ${CMAKE_CURRENT_SOURCE_DIR}/check_errors.py usage
                 ${run_kelotarhu})
add_test(NAME cli_wine_errors_write
         COMMAND ${Python3_EXECUTABLE} ${CMAKE_CURRENT_SOURCE_DIR}/check_errors.py write
                 Z:$<TARGET_FILE:Kelotarhu> ${run_kelotarhu})
foreach(export_format csv json)
  add_test(NAME cli_wine_year_${export_format}_read_back
           COMMAND ${Python3_EXECUTABLE} ${CMAKE_CURRENT_SOURCE_DIR}/check_year_export.py
                   ${export_format} ${run_kelotarhu})
endforeach()

# The DLL lands in the build folder itself.
kelotarhu_windows_path(dll "${CMAKE_BINARY_DIR}/Kelotarhu.dll")
kelotarhu_windows_path(flag_folder "${CMAKE_BINARY_DIR}/")
cli_wine_test(plugin STATUS 0
              OUT "dlltype      1\n"
                  "init         \"GetNameDay|GetHoliday|GetFlag\"\n"
                  "getinfo 0    \"     Kelotarhu\"\n"
                  "getinfo 2    \"     0.8.7\"\n"
                  "getparam GetHoliday  \"Näytetäänkö juhlat punaisella?=K|\"\n"
                  "  1. Polku jossa lipun kuva sijaitsee  default \"${flag_folder}plugins\\flag.gif\"\n"
                  "dllstartup   1\n"
                  "GetNameDay(\"K\", \"K\", \"0 \")\n"
                  "dllshutdown  0\n"
              ARGS --plugin ${dll})
cli_wine_test(plugin_answers STATUS 0
              OUT "GetNameDay(\"K\", \"K\", \"0\")\n  -> \"" "\\r\\n"
                  "GetHoliday(\"E\")\n" "GetFlag(\"\")\n  -> \"\"\n"
              ARGS --plugin Z:$<TARGET_FILE:Kelotarhu> --answer GetNameDay=K,K,0
                   --answer GetHoliday=E --answer GetFlag=)
cli_wine_test(plugin_missing STATUS 1 ERR "kelotarhu: no such file: Z:\\no\\such\\Kelotarhu.dll"
              ARGS --plugin Z:\\no\\such\\Kelotarhu.dll)
kelotarhu_windows_path(text_file "${CMAKE_CURRENT_SOURCE_DIR}/CMakeLists.txt")
cli_wine_test(plugin_not_a_library STATUS 1 ERR "kelotarhu: not a loadable library: "
              ARGS --plugin ${text_file})
cli_wine_test(plugin_missing_export STATUS 1 ERR " lacks the export "
              ARGS --plugin Z:$<TARGET_FILE:cli_not_a_plugin>)

# The zip package, made by CPack as the `package` target makes it, then unpacked and run.
add_test(NAME cli_package
         COMMAND ${Python3_EXECUTABLE} ${CMAKE_CURRENT_SOURCE_DIR}/check_package.py
                 ${CMAKE_CPACK_COMMAND} ${CMAKE_BINARY_DIR} Kelotarhu-${PROJECT_VERSION}-win32.zip
                 ${CMAKE_CROSSCOMPILING_EMULATOR})
