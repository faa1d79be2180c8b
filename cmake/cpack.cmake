# SPDX-License-Identifier: MIT
# Read by cpack for each package it makes. The packages folder holds the
# packages of this version alone; cpack's scratch folder goes in the build
# folder, made anew.
if(NOT CPACK_OUTPUT_FILE_PREFIX)
  set(CPACK_OUTPUT_FILE_PREFIX ${CPACK_PACKAGE_DIRECTORY})
  set(CPACK_PACKAGE_DIRECTORY ${CPACK_KORVANE_BINARY_DIR})
  file(GLOB stale ${CPACK_OUTPUT_FILE_PREFIX}/korvane[-_]* ${CPACK_OUTPUT_FILE_PREFIX}/_CPack_Packages)
  list(FILTER stale EXCLUDE REGEX "/korvane[-_]${CPACK_PACKAGE_VERSION}[-_][^/]*$")
  file(REMOVE_RECURSE ${stale} ${CPACK_PACKAGE_DIRECTORY}/_CPack_Packages)
endif()

# The .deb carries Debian's own documentation; the archives the licence and
# the notes, in one folder named for the package. The .deb's Depends come
# from dpkg-shlibdeps, run on what file says is a program. Without
# dpkg-shlibdeps cpack makes a .deb with no Depends, and without file it
# fails without saying why: both are asked for by name.
if(CPACK_GENERATOR STREQUAL "DEB")
  set(CPACK_COMPONENTS_ALL korvane debian)
  find_program(KORVANE_SHLIBDEPS dpkg-shlibdeps)
  find_program(KORVANE_FILE file)
  if(NOT KORVANE_SHLIBDEPS OR NOT KORVANE_FILE)
    file(GLOB debs ${CPACK_OUTPUT_FILE_PREFIX}/korvane_*.deb)
    if(debs)
      file(REMOVE ${debs})
    endif()
    message(FATAL_ERROR "The .deb's Depends need dpkg-dev and file: apt-get install dpkg-dev file")
  endif()
else()
  set(CPACK_COMPONENTS_ALL korvane docs)
  set(CPACK_COMPONENT_INCLUDE_TOPLEVEL_DIRECTORY ON)
endif()

# Every time stamp is SOURCE_DATE_EPOCH's, and when the caller has not set
# it, the date of NEWS's first entry (packaging.cmake).
if(NOT DEFINED ENV{SOURCE_DATE_EPOCH})
  set(ENV{SOURCE_DATE_EPOCH} ${CPACK_KORVANE_EPOCH})
endif()
