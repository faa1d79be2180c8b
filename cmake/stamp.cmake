# SPDX-License-Identifier: MIT
# Run by cpack on the staged files before it packs them: the program
# without the compiler's notes, as Debian's own strip leaves it.
if(CPACK_KORVANE_STRIP)
  file(GLOB_RECURSE programs "${CPACK_TEMPORARY_INSTALL_DIRECTORY}/korvane")
  list(FILTER programs INCLUDE REGEX "/bin/korvane$")
  execute_process(COMMAND ${CPACK_KORVANE_STRIP} --remove-section=.comment --remove-section=.note
                          ${programs} COMMAND_ERROR_IS_FATAL ANY)
endif()
