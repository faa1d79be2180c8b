# SPDX-License-Identifier: MIT
# Makes the source package: the files git tracks at HEAD, in one folder,
# with git's order and modes, owned by root and dated SOURCE_DATE_EPOCH or
# else EPOCH, NEWS's date. Untracked files and uncommitted changes stay out.
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
find_program(GZIP gzip REQUIRED)

# git archive dates every entry with the commit's time. So that it is the
# package's, an unchanged tree is committed anew with that date, fixed
# author and message, into a scratch object store beside the checkout's:
# the checkout itself is not written to.
set(ENV{GIT_DIR} ${SOURCE_DIR}/.git)
execute_process(COMMAND git rev-parse --git-path objects OUTPUT_VARIABLE objects
                OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
get_filename_component(objects ${objects} ABSOLUTE BASE_DIR ${SOURCE_DIR})
set(scratch ${OUTPUT}.objects)
file(REMOVE_RECURSE ${scratch})
file(MAKE_DIRECTORY ${scratch})
set(ENV{GIT_ALTERNATE_OBJECT_DIRECTORIES} ${objects})
set(ENV{GIT_OBJECT_DIRECTORY} ${scratch})
if(NOT DEFINED ENV{SOURCE_DATE_EPOCH})
  set(ENV{SOURCE_DATE_EPOCH} ${EPOCH})
endif()
foreach(who AUTHOR COMMITTER)
  set(ENV{GIT_${who}_NAME} korvane)
  set(ENV{GIT_${who}_EMAIL} korvane@example.org)
  set(ENV{GIT_${who}_DATE} "@$ENV{SOURCE_DATE_EPOCH} +0000")
endforeach()
execute_process(COMMAND git commit-tree -m ${PREFIX} HEAD^{tree} OUTPUT_VARIABLE commit
                OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
# gzip -n: no name and no time in its header.
execute_process(COMMAND git -c tar.umask=0022 archive --format=tar --prefix=${PREFIX}/ ${commit}
                COMMAND ${GZIP} -9n
                OUTPUT_FILE ${OUTPUT} RESULTS_VARIABLE results)
file(REMOVE_RECURSE ${scratch})
if(NOT results STREQUAL "0;0")
  file(REMOVE ${OUTPUT})
  message(FATAL_ERROR "git archive failed")
endif()
message(STATUS "Source package ${OUTPUT}")
