# SPDX-License-Identifier: MIT
# Install rules and packages: a .deb that Debian's lintian accepts, static
# Linux tarballs, a Windows zip and a source package, each the same bytes
# from build to build.
include(GNUInstallDirs)

if(WIN32)
  # One folder: the program with its documentation beside it.
  install(TARGETS korvane RUNTIME DESTINATION . COMPONENT korvane)
  install(FILES README.md LICENSE NEWS DESTINATION . COMPONENT docs)
  set(CPACK_GENERATOR ZIP)
else()
  # gzip -9n: no name and no time stamp in the header, so the same input
  # always gives the same bytes.
  find_program(GZIP gzip REQUIRED)
  function(korvane_gzip source name)
    add_custom_command(OUTPUT ${name}.gz
                       COMMAND ${CMAKE_COMMAND} -E copy ${CMAKE_CURRENT_SOURCE_DIR}/${source} ${name}
                       COMMAND ${GZIP} -9nf ${name}
                       DEPENDS ${source})
  endfunction()
  korvane_gzip(doc/korvane.1 korvane.1)
  korvane_gzip(NEWS changelog)
  add_custom_target(gzipped ALL DEPENDS korvane.1.gz changelog.gz)

  # Files take install's own 0644, and programs 0755. CMake makes folders
  # with a mode that the umask masks, 0700 under umask 0077; so first the
  # missing ones are made 0755 by install -d, which the umask does not mask.
  install(CODE "set(folders [[${CMAKE_INSTALL_BINDIR}]] [[${CMAKE_INSTALL_MANDIR}/man1]] [[${CMAKE_INSTALL_DOCDIR}]])")
  install(CODE [[foreach(folder IN LISTS folders)
      get_filename_component(folder "${folder}" ABSOLUTE BASE_DIR "${CMAKE_INSTALL_PREFIX}")
      if(NOT EXISTS "$ENV{DESTDIR}${folder}")
        execute_process(COMMAND install -d -m 755 "$ENV{DESTDIR}${folder}")
      endif()
    endforeach()]])
  install(TARGETS korvane RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR} COMPONENT korvane)
  # The packages' program drops the compilers' notes too, as Debian's own
  # strip does (stamp.cmake).
  set(CPACK_KORVANE_STRIP ${CMAKE_STRIP})
  install(FILES ${CMAKE_CURRENT_BINARY_DIR}/korvane.1.gz
          DESTINATION ${CMAKE_INSTALL_MANDIR}/man1 COMPONENT korvane)
  install(FILES README.md LICENSE NEWS DESTINATION ${CMAKE_INSTALL_DOCDIR} COMPONENT docs)
  # Debian's own documentation, for the .deb only: the licence goes in copyright.
  install(FILES packaging/copyright ${CMAKE_CURRENT_BINARY_DIR}/changelog.gz
          DESTINATION ${CMAKE_INSTALL_DOCDIR} COMPONENT debian EXCLUDE_FROM_ALL)
  install(FILES packaging/lintian-overrides DESTINATION ${CMAKE_INSTALL_DATADIR}/lintian/overrides
          RENAME korvane COMPONENT debian EXCLUDE_FROM_ALL)
  if(KORVANE_LINUX_NAME)
    # A static program for one architecture (linux.cmake): a tarball of one folder.
    set(CPACK_GENERATOR TGZ)
    set(CPACK_PACKAGE_FILE_NAME korvane-${KORVANE_VERSION}-linux-${KORVANE_LINUX_NAME})
  else()
    set(CPACK_GENERATOR DEB)
    include(cmake/linux.cmake)
  endif()
endif()

set(CPACK_PACKAGE_VERSION ${KORVANE_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY ${PROJECT_DESCRIPTION})
set(CPACK_PACKAGE_DESCRIPTION [[
korvane writes random strings of digits and letters to standard output,
one per line: by default one string of six characters from the digits and
the upper-case letters. Options set the length and the number of strings,
add the lower-case letters, group the characters with '-' and end the
output with the time the run started.
.
The strings come from the C library's rand, seeded with the time in whole
seconds: they are not for passwords or keys.]])
set(CPACK_PACKAGE_CONTACT ${KORVANE_MAINTAINER})
set(CPACK_STRIP_FILES ON)
set(CPACK_COMPONENTS_GROUPING ALL_COMPONENTS_IN_ONE)
set(CPACK_ARCHIVE_COMPONENT_INSTALL ON)
set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Without SOURCE_DATE_EPOCH every package is dated by NEWS's first entry,
# as Debian dates a package by its changelog: the date is the sources' own,
# whatever their files' times or the repository around them.
file(STRINGS ${CMAKE_CURRENT_SOURCE_DIR}/NEWS signature REGEX "^ -- " LIMIT_COUNT 1)
string(REGEX REPLACE "^ -- .*>  " "" date "${signature}")
execute_process(COMMAND date -u -d "${date}" +%s OUTPUT_VARIABLE CPACK_KORVANE_EPOCH
                OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET)
if(NOT CPACK_KORVANE_EPOCH MATCHES "^[0-9]+$")
  message(WARNING "NEWS's first entry has no date that date(1) reads: the packages need SOURCE_DATE_EPOCH")
endif()
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS NEWS)
# The source package is git's: the files it tracks, nothing else (see
# source.cmake). cpack's own would take whatever lies in the folder, so its
# configuration goes, and with it the package_source target.
set(source_package ${CMAKE_CURRENT_BINARY_DIR}/packages/korvane-${KORVANE_VERSION}-Source.tar.gz)
add_custom_target(dist
  COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_CURRENT_BINARY_DIR}/packages
  COMMAND ${CMAKE_COMMAND} -DSOURCE_DIR=${CMAKE_CURRENT_SOURCE_DIR} -DEPOCH=${CPACK_KORVANE_EPOCH}
          -DPREFIX=korvane-${KORVANE_VERSION}-Source -DOUTPUT=${source_package}
          -P ${CMAKE_CURRENT_SOURCE_DIR}/cmake/source.cmake VERBATIM)
# Read by cpack itself: which components go into which package, where it
# works, and the time stamps.
set(CPACK_KORVANE_BINARY_DIR ${CMAKE_CURRENT_BINARY_DIR})
set(CPACK_PROJECT_CONFIG_FILE ${CMAKE_CURRENT_SOURCE_DIR}/cmake/cpack.cmake)
set(CPACK_PRE_BUILD_SCRIPTS ${CMAKE_CURRENT_SOURCE_DIR}/cmake/stamp.cmake)
set(CPACK_POST_BUILD_SCRIPTS ${CMAKE_CURRENT_SOURCE_DIR}/cmake/repack.cmake)
include(CPack)
file(REMOVE ${CPACK_SOURCE_OUTPUT_CONFIG_FILE})
