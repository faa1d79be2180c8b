# SPDX-License-Identifier: MIT
# Read by cpack for each package it makes.

# The .deb carries Debian's papers; the archives the licence and the notes,
# in one folder named for the package.
if(CPACK_GENERATOR STREQUAL "DEB")
  set(CPACK_COMPONENTS_ALL korvane debian)
else()
  set(CPACK_COMPONENTS_ALL korvane docs)
  set(CPACK_COMPONENT_INCLUDE_TOPLEVEL_DIRECTORY ON)
endif()

# Time stamps come from SOURCE_DATE_EPOCH, and when the caller has not set
# it, from the last commit, so that two checkouts give the same packages.
if(NOT DEFINED ENV{SOURCE_DATE_EPOCH})
  execute_process(COMMAND git -C "${CPACK_KORVANE_SOURCE_DIR}" log -1 --format=%ct
                  OUTPUT_VARIABLE epoch OUTPUT_STRIP_TRAILING_WHITESPACE
                  RESULT_VARIABLE failed ERROR_QUIET)
  if(failed)
    file(TIMESTAMP "${CPACK_KORVANE_SOURCE_DIR}/NEWS" epoch "%s" UTC)
  endif()
  set(ENV{SOURCE_DATE_EPOCH} ${epoch})
endif()
