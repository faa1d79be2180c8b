# SPDX-License-Identifier: MIT
# Run by cpack on the staged files before it packs them: every file and
# folder takes the time SOURCE_DATE_EPOCH gives, not the time of the build.
file(GLOB_RECURSE staged LIST_DIRECTORIES true "${CPACK_TEMPORARY_INSTALL_DIRECTORY}/*")
execute_process(COMMAND touch -h -d "@$ENV{SOURCE_DATE_EPOCH}" "${CPACK_TEMPORARY_INSTALL_DIRECTORY}" ${staged}
                COMMAND_ERROR_IS_FATAL ANY)
