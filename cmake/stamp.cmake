# SPDX-License-Identifier: MIT
# Run by cpack on the staged files before it packs them: every file and
# folder takes the time SOURCE_DATE_EPOCH gives, not the time of the build,
# and the modes a package wants whatever the builder's umask: folders and
# programs 0755, other files 0644.
file(GLOB_RECURSE staged LIST_DIRECTORIES true "${CPACK_TEMPORARY_INSTALL_DIRECTORY}/*")
execute_process(COMMAND chmod -R u=rwX,go=rX "${CPACK_TEMPORARY_INSTALL_DIRECTORY}"
                COMMAND_ERROR_IS_FATAL ANY)
execute_process(COMMAND touch -h -d "@$ENV{SOURCE_DATE_EPOCH}" "${CPACK_TEMPORARY_INSTALL_DIRECTORY}" ${staged}
                COMMAND_ERROR_IS_FATAL ANY)
