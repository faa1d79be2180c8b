# SPDX-License-Identifier: MIT
# Run by cpack on the packages it has made, and by source.cmake, to take out
# what they copy from the builder: the user and group, the order of the
# directories, the .deb members' modes from the umask and the zip's times in
# the time zone. Each package is unpacked and packed again by a tool that
# can be told so.
find_program(TAR tar REQUIRED)
find_program(GZIP gzip REQUIRED)
find_program(ZIP zip)

foreach(package IN LISTS CPACK_PACKAGE_FILES)
  set(unpacked ${package}.unpacked)
  file(REMOVE_RECURSE ${unpacked})
  if(package MATCHES "\\.deb$")
    execute_process(COMMAND dpkg-deb --raw-extract ${package} ${unpacked} COMMAND_ERROR_IS_FATAL ANY)
  else()
    file(ARCHIVE_EXTRACT INPUT ${package} DESTINATION ${unpacked})
  endif()
  file(REMOVE ${package})
  # A package's modes, whatever the umask: folders and programs 0755, other files 0644.
  execute_process(COMMAND chmod -R u=rwX,go=rX ${unpacked} COMMAND_ERROR_IS_FATAL ANY)
  if(package MATCHES "\\.deb$")
    # dpkg-deb's own: members 0644, entries sorted and owned by root.
    execute_process(COMMAND dpkg-deb --root-owner-group --build ${unpacked} ${package}
                    OUTPUT_QUIET COMMAND_ERROR_IS_FATAL ANY)
  elseif(package MATCHES "\\.tar\\.gz$")
    file(GLOB top RELATIVE ${unpacked} ${unpacked}/*)
    execute_process(COMMAND ${TAR} --sort=name --format=gnu --owner=root:0 --group=root:0
                            --mtime=@$ENV{SOURCE_DATE_EPOCH} -cf - ${top}
                    COMMAND ${GZIP} -9n
                    WORKING_DIRECTORY ${unpacked} OUTPUT_FILE ${package} COMMAND_ERROR_IS_FATAL ANY)
  else()
    if(NOT ZIP)
      message(FATAL_ERROR "The zip needs zip: apt-get install zip")
    endif()
    # zip takes modes and times from the files, and writes the times as the
    # time zone's wall clock: UTC here. -X leaves out the owner, -D the
    # folders; the names go in sorted, as GLOB gives them.
    file(GLOB_RECURSE files RELATIVE ${unpacked} ${unpacked}/*)
    execute_process(COMMAND ${CMAKE_COMMAND} -E env TZ=UTC0 ${ZIP} -X -D -q -9 ${package} ${files}
                    WORKING_DIRECTORY ${unpacked} COMMAND_ERROR_IS_FATAL ANY)
  endif()
  file(REMOVE_RECURSE ${unpacked})
endforeach()
