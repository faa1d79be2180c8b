# SPDX-License-Identifier: MIT
# Run by cpack on the packages it has made, to take out what it copies from
# the builder rather than the sources: in the archives, the builder's user
# and group, the order of the file system's directories and, in the zip,
# times in the builder's time zone; in the .deb's ar headers, the modes the
# builder's umask gave. The staged files already have their times and modes
# (stamp.cmake).
find_program(TAR tar)
find_program(GZIP gzip)
find_program(ZIP zip)
set(epoch $ENV{SOURCE_DATE_EPOCH})

foreach(package IN LISTS CPACK_PACKAGE_FILES)
  if(package MATCHES "\\.deb$")
    # An ar header is 60 bytes: name 16, time 12, owner 6, group 6, mode 8,
    # size 10, then "`\n"; a member's data is padded to an even size. Every
    # member becomes 0644, as dpkg-deb makes them.
    file(SIZE ${package} end)
    set(at 8)
    while(at LESS end)
      file(READ ${package} header OFFSET ${at} LIMIT 60)
      string(SUBSTRING "${header}" 48 10 size)
      string(STRIP "${size}" size)
      math(EXPR mode_at "${at} + 40")
      execute_process(COMMAND printf "100644  "
                      COMMAND dd of=${package} bs=1 seek=${mode_at} conv=notrunc status=none
                      COMMAND_ERROR_IS_FATAL ANY)
      math(EXPR at "${at} + 60 + ${size} + ${size} % 2")
    endwhile()
    continue()
  endif()

  # The archives are packed again from what cpack put in them, by tools that
  # can be told the owner, the order and the time zone.
  set(unpacked ${package}.unpacked)
  file(REMOVE_RECURSE ${unpacked})
  file(ARCHIVE_EXTRACT INPUT ${package} DESTINATION ${unpacked})
  file(REMOVE ${package})
  if(package MATCHES "\\.tar\\.gz$")
    if(NOT TAR OR NOT GZIP)
      message(FATAL_ERROR "The archives need tar and gzip")
    endif()
    file(GLOB top RELATIVE ${unpacked} ${unpacked}/*)
    execute_process(COMMAND ${TAR} --sort=name --format=gnu --owner=root:0 --group=root:0
                            --mode=u=rwX,go=rX --mtime=@${epoch} -cf - ${top}
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
    execute_process(COMMAND chmod -R u=rwX,go=rX ${unpacked} COMMAND_ERROR_IS_FATAL ANY)
    execute_process(COMMAND touch -h -d @${epoch} ${files}
                    WORKING_DIRECTORY ${unpacked} COMMAND_ERROR_IS_FATAL ANY)
    execute_process(COMMAND ${CMAKE_COMMAND} -E env TZ=UTC0 ${ZIP} -X -D -q -9 ${package} ${files}
                    WORKING_DIRECTORY ${unpacked} COMMAND_ERROR_IS_FATAL ANY)
  endif()
  file(REMOVE_RECURSE ${unpacked})
endforeach()
