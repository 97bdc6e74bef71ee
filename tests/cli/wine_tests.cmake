# kelotarhu.exe under Wine: dates, a month, the year read back, bad input, and the
# reference host against the real Kelotarhu.dll. Paths are handed over as Windows paths
# on Wine's drive Z:, which maps the Linux root.

function(kelotarhu_windows_path out path)
  string(REPLACE "/" "\\" windows_path "Z:${path}")
  set(${out} ${windows_path} PARENT_SCOPE)
endfunction()

set(run_kelotarhu ${CMAKE_CROSSCOMPILING_EMULATOR} $<TARGET_FILE:kelotarhu>)

# A DLL of ours needs no runtime DLL beside it, or loading it would fail for that.
target_link_options(cli_not_a_plugin PRIVATE -static)

# cli_wine_test(NAME STATUS N [NO_CR] [OUT text...] [ERR text...] [ENV NAME=VALUE...]
#               ARGS argument...)
# NO_CR: standard output must hold no CR (it is binary, so LF stays LF).
function(cli_wine_test name)
  cmake_parse_arguments(ARG "" "" "ARGS" ${ARGN})
  expect_run_checks(checks ${ARG_UNPARSED_ARGUMENTS})
  add_test(NAME cli_wine_${name} COMMAND ${expect_run} ${checks} -- ${run_kelotarhu} ${ARG_ARGS})
endfunction()

cli_wine_test(today STATUS 0 OUT ", week " ARGS --lang en)
cli_wine_test(independence_day STATUS 0 NO_CR
              OUT "Sunnuntai 6.12.2026, viikko 49\n"
                  "Itsenäisyyspäivä\n"
                  "Punainen päivä ja liputuspäivä\n"
                  "Nimipäivät: Niilo, Niko, Niklas\n"
              ARGS --lang fi 6.12.2026 --color=never --calendar=plugin)
cli_wine_test(easter STATUS 0 OUT "Söndag 5.4.2026" "\nPåskdagen\nRöd dag\n"
              ARGS --lang sv 2026-04-05)
cli_wine_test(midsummer STATUS 0
              OUT "Saturday 21 June 2025" "\nMidsummer Day\nRed day and flag day\n"
              ARGS --lang=en 21.6.2025 --calendar=plugin)
cli_wine_test(month STATUS 0 NO_CR
              OUT "Joulukuu 2026\n"
                  " vk ma   ti   ke   to   pe   la   su\n"
                  " 49       1    2    3    4    5    6*+\n"
                  " 53 28   29   30   31\n"
                  "* punainen päivä   + liputuspäivä\n"
              ARGS --lang fi --month 2026-12 --color=never --calendar=plugin)
# The almanac, the default calendar: a customary flag day, and the note before 1900.
cli_wine_test(almanac_customary_flag_day STATUS 0 NO_CR OUT "\nVedertagen flaggdag\n"
              ARGS --lang sv 6.11.2026)
cli_wine_test(almanac_before_1900 STATUS 0 ERR "kelotarhu: note: the almanac is known from 1900"
              ARGS --lang en 1.1.1899)
# The language from the locale variables, as Wine hands them to the program.
cli_wine_test(locale_swedish STATUS 0 OUT "Söndag 6.12.2026, vecka 49\n"
              ENV LC_ALL= LC_MESSAGES= LANG=sv_FI.UTF-8 ARGS 6.12.2026)
cli_wine_test(locale_finnish STATUS 0 OUT "Sunnuntai 6.12.2026, viikko 49\n"
              ENV LC_ALL=fi_FI.UTF-8 LANG=C ARGS 6.12.2026)
cli_wine_test(locale_english STATUS 0 OUT "Sunday 6 December 2026, week 49\n"
              ENV LC_ALL= LC_MESSAGES= LANG=de_DE.UTF-8 ARGS 6.12.2026)
cli_wine_test(bad_date STATUS 2
              ERR "kelotarhu: DATE \"2026-02-30\" is not a date: February 2026 has 28 days"
              ARGS --lang en 2026-02-30)
cli_wine_test(bad_date_in_swedish STATUS 2
              ERR "kelotarhu: DATUM \"2026-02-30\" är inte ett datum: februari 2026 har 28 dagar"
              ARGS --lang sv 2026-02-30)
cli_wine_test(bad_year STATUS 2 ERR "kelotarhu: --year \"10000\" is not a year"
              ARGS --lang en --year 10000)
cli_wine_test(version STATUS 0 OUT "kelotarhu ${PROJECT_VERSION}\n" ARGS --version)
# In a console on a terminal: what the screen shows, read back by a terminal emulator.
add_test(NAME cli_wine_terminal
         COMMAND /usr/bin/python3 ${CMAKE_CURRENT_SOURCE_DIR}/check_terminal.py
                 ${run_kelotarhu} --calendar=plugin)
set_tests_properties(cli_wine_terminal PROPERTIES SKIP_RETURN_CODE 77)
add_test(NAME cli_wine_errors_usage
         COMMAND ${Python3_EXECUTABLE} ${CMAKE_CURRENT_SOURCE_DIR}/check_errors.py usage
                 ${run_kelotarhu})
add_test(NAME cli_wine_errors_write
         COMMAND ${Python3_EXECUTABLE} ${CMAKE_CURRENT_SOURCE_DIR}/check_errors.py write
                 Z:$<TARGET_FILE:Kelotarhu> ${run_kelotarhu})
cli_wine_test(bad_leap_day STATUS 2
              ERR "kelotarhu: DATE \"29.2.2027\" is not a date: 2027 is not a leap year"
              ARGS --lang en 29.2.2027)
cli_wine_test(name_search_lines STATUS 0 NO_CR
              OUT "Åke  8 May  Finland-Swedish list\n" "Anna  9 December  Finnish and Finland-Swedish list\n"
              ARGS --lang en --name åke ANNA)
cli_wine_test(name_search_in_finnish STATUS 0 NO_CR
              OUT "Åke  8.5.  suomenruotsalainen luettelo\n"
              ARGS --lang fi -n ÅKE)
cli_wine_test(unknown_name STATUS 1 ERR "\"Ana\"\nSimilar names: Anna, Ada, Aina"
              ARGS --lang en -n Ana)
cli_wine_test(next_flag_day STATUS 0 OUT "Next flag day: tomorrow\nSunday 6 December 2026"
              ARGS --lang en 5.12.2026 --next flag)
cli_wine_test(next_flag_day_in_swedish STATUS 0 OUT "Nästa flaggdag: i dag\nSöndag 6.12.2026"
              ARGS --lang sv 6.12.2026 --next flag)
cli_wine_test(days STATUS 0 OUT "to 31.12.2026" "pe 1.1.2027" "la 2.1.2027"
              ARGS --lang fi 31.12.2026 --days 3)
cli_wine_test(month_spreadsheet STATUS 0 OUT "Date;Weekday;Special days;" "2026-12-06;Sunnuntai;"
              ARGS --month 2026-12 --format spreadsheet)
kelotarhu_windows_path(output_file "${CMAKE_CURRENT_BINARY_DIR}/wine-output.ics")
add_test(NAME cli_wine_output_file
         COMMAND ${Python3_EXECUTABLE} ${CMAKE_CURRENT_SOURCE_DIR}/check_output_file.py
                 ${output_file} ${CMAKE_CURRENT_BINARY_DIR}/wine-output.ics ${run_kelotarhu})
cli_read_back_tests(cli_wine ${run_kelotarhu} --calendar=plugin)
cli_output_replace_tests(cli_wine Z:
  CASES file_size_limit_signal_ignored full_file_system read_only_folder missing_folder
  COMMAND ${run_kelotarhu})
# Wine turns the arguments into wide characters by the locale's character set: UTF-8,
# for the names with Å, Ä and Ö.
set_tests_properties(cli_wine_name_search cli_wine_name_search_lines
                     cli_wine_name_search_in_finnish PROPERTIES ENVIRONMENT LC_ALL=C.UTF-8)

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
cli_wine_test(plugin_missing STATUS 1 ERR "kelotarhu: no such file: \"Z:\\no\\such\\Kelotarhu.dll\""
              ARGS --plugin Z:\\no\\such\\Kelotarhu.dll)
cli_wine_test(plugin_missing_in_finnish STATUS 1
              ERR "kelotarhu: tiedostoa ei ole: \"Z:\\no\\such\\Kelotarhu.dll\""
              ARGS --lang fi --plugin Z:\\no\\such\\Kelotarhu.dll)
cli_wine_test(plugin_folder STATUS 1 ERR "kelotarhu: not a regular file: \"Z:${CMAKE_BINARY_DIR}\"\n"
              ARGS --plugin Z:${CMAKE_BINARY_DIR})
kelotarhu_windows_path(text_file "${CMAKE_CURRENT_SOURCE_DIR}/CMakeLists.txt")
cli_wine_test(plugin_not_a_library STATUS 1 ERR "kelotarhu: not a loadable library: \""
              ARGS --plugin ${text_file})
# The system's message names the file where its text has a place for it ("%1").
cli_wine_test(plugin_not_a_library_named STATUS 1
              ERR "kelotarhu: not a loadable library: \"${text_file}\" (error 193: Bad EXE format for CMakeLists.txt.)\n"
              ENV LC_ALL=C.UTF-8 LANG=C.UTF-8 ARGS --lang en --plugin ${text_file})
cli_wine_test(plugin_not_a_library_named_in_finnish STATUS 1
              ERR "(error 193: Tiedoston CMakeLists.txt EXE-formaatti ei kelpaa.)\n"
              ENV LC_ALL=fi_FI.UTF-8 LANG=fi_FI.UTF-8 ARGS --plugin ${text_file})
cli_wine_test(plugin_missing_export STATUS 1 ERR " lacks the export "
              ARGS --plugin Z:$<TARGET_FILE:cli_not_a_plugin>)

# The zip package, made by CPack as the `package` target makes it, then unpacked and run.
add_test(NAME cli_package
         COMMAND ${Python3_EXECUTABLE} ${CMAKE_CURRENT_SOURCE_DIR}/check_package.py
                 ${CMAKE_CPACK_COMMAND} ${CMAKE_BINARY_DIR} Kelotarhu-${PROJECT_VERSION}-win32.zip
                 ${CMAKE_CROSSCOMPILING_EMULATOR})
