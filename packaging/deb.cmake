# Included by cli/CMakeLists.txt on Linux. The Debian package of the kelotarhu tool:
# `cmake --build --preset tool --target package` writes kelotarhu_<version>_<arch>.deb,
# which holds the install component `kelotarhu` (the program, its manual page and bash
# completion) and the component `debian` below, which only the package installs.

set(kelotarhu_deb_maintainer "Kelotarhu developers <kelotarhu@example.org>")
set(kelotarhu_deb_docs ${CMAKE_BINARY_DIR}/deb)

# copyright, in Debian's machine-readable form, from the licence itself.
file(READ ${CMAKE_CURRENT_LIST_DIR}/LICENSE kelotarhu_license)
string(REGEX MATCH "Copyright \\(c\\) ([^\n]+)" _ "${kelotarhu_license}")
set(kelotarhu_copyright_holders ${CMAKE_MATCH_1})
string(REGEX REPLACE "^MIT License\n+" "" kelotarhu_license "${kelotarhu_license}")
string(REGEX REPLACE "Copyright \\(c\\) [^\n]+\n+" "" kelotarhu_license "${kelotarhu_license}")
string(STRIP "${kelotarhu_license}" kelotarhu_license)
# Continuation lines start with a blank; an empty line is written " .".
string(REPLACE "\n\n" "\n.\n" kelotarhu_license "${kelotarhu_license}")
string(REPLACE "\n" "\n " kelotarhu_license "${kelotarhu_license}")
# Then the libraries compiled into the program, in the same form.
file(READ ${CMAKE_CURRENT_LIST_DIR}/third-party.copyright kelotarhu_third_party)
string(STRIP "${kelotarhu_third_party}" kelotarhu_third_party)
configure_file(${CMAKE_CURRENT_LIST_DIR}/deb-copyright.in ${kelotarhu_deb_docs}/copyright @ONLY)

# changelog.gz, as a native Debian package has it.
string(TIMESTAMP kelotarhu_deb_date "%a, %d %b %Y %H:%M:%S +0000" UTC)
configure_file(${CMAKE_CURRENT_LIST_DIR}/deb-changelog.in ${kelotarhu_deb_docs}/changelog @ONLY)
add_custom_command(
  OUTPUT ${kelotarhu_deb_docs}/changelog.gz
  COMMAND ${KELOTARHU_GZIP} -9nkf changelog
  DEPENDS ${kelotarhu_deb_docs}/changelog
  WORKING_DIRECTORY ${kelotarhu_deb_docs}
  VERBATIM)
# Made with the program, as the manual page is: a build of the kelotarhu target alone
# (the tool preset's) leaves a tree that cpack and `cmake --install` can package.
add_custom_target(kelotarhu_deb_changelog DEPENDS ${kelotarhu_deb_docs}/changelog.gz)
add_dependencies(kelotarhu kelotarhu_deb_changelog)

install(FILES ${kelotarhu_deb_docs}/copyright ${kelotarhu_deb_docs}/changelog.gz
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/kelotarhu COMPONENT debian EXCLUDE_FROM_ALL)
# Debian's zsh looks for the completions of packages here.
install(FILES ${kelotarhu_zsh_completion} DESTINATION ${CMAKE_INSTALL_DATADIR}/zsh/vendor-completions
        COMPONENT debian EXCLUDE_FROM_ALL)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME kelotarhu)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "what a day means in the Finnish calendar")
string(JOIN "\n" CPACK_PACKAGE_DESCRIPTION
       "kelotarhu shows a day, a month or a whole year of the Finnish calendar: the"
       "Finnish weekday and ISO week, the holidays, feasts, theme days and flag days,"
       "the red days, and the names of the Finnish and Finland-Swedish name-day lists."
       "A year can be listed as text, CSV or JSON.")
set(CPACK_DEBIAN_PACKAGE_MAINTAINER ${kelotarhu_deb_maintainer})
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)  # Depends: from the libraries the program links
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES TRUE)
set(CPACK_INSTALL_CMAKE_PROJECTS "${CMAKE_BINARY_DIR};${PROJECT_NAME};kelotarhu;/"
                                 "${CMAKE_BINARY_DIR};${PROJECT_NAME};debian;/")
include(CPack)
