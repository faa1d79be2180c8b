# SPDX-License-Identifier: MIT
# Makes the source package: the files git tracks at HEAD, in one folder,
# with git's modes, owned by root and dated SOURCE_DATE_EPOCH or else EPOCH,
# NEWS's date. Untracked files and uncommitted changes stay out.
#   cmake -DSOURCE_DIR=... -DEPOCH=... -DPREFIX=korvane-VERSION-Source -DOUTPUT=....tar.gz -P source.cmake
execute_process(COMMAND git -C ${SOURCE_DIR} rev-parse --show-toplevel
                OUTPUT_VARIABLE top OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET)
# A tree without its own .git (an unpacked source package, say) cannot say
# which of its files are the sources, nor must a repository around it.
if(top)
  get_filename_component(source ${SOURCE_DIR} REALPATH)
  get_filename_component(top ${top} REALPATH)
endif()
if(NOT top OR NOT top STREQUAL source)
  message(STATUS "No source package: git makes it from a checkout of korvane, and ${SOURCE_DIR} is none or git is missing")
  return()
endif()

# git's archive, packed again as the other tarballs are (repack.cmake): in
# one order, owned by root and dated SOURCE_DATE_EPOCH.
if(NOT DEFINED ENV{SOURCE_DATE_EPOCH})
  set(ENV{SOURCE_DATE_EPOCH} ${EPOCH})
endif()
execute_process(COMMAND git -C ${SOURCE_DIR} archive --prefix=${PREFIX}/ -o ${OUTPUT} HEAD COMMAND_ERROR_IS_FATAL ANY)
set(CPACK_PACKAGE_FILES ${OUTPUT})
include(${CMAKE_CURRENT_LIST_DIR}/repack.cmake)
message(STATUS "Source package ${OUTPUT}")
