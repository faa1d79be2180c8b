# SPDX-License-Identifier: MIT
# Run by cpack on the packages it has made. The .deb is an ar archive whose
# headers give each member the mode that the member's file had on disk,
# that is, the builder's umask's: here every member becomes 0644, as
# dpkg-deb makes them. An ar header is 60 bytes: name 16, time 12, owner 6,
# group 6, mode 8, size 10, then "`\n"; a member's data is padded to an
# even size.
foreach(package IN LISTS CPACK_PACKAGE_FILES)
  if(NOT package MATCHES "\\.deb$")
    continue()
  endif()
  file(SIZE ${package} end)
  set(at 8)
  while(at LESS end)
    file(READ ${package} header OFFSET ${at} LIMIT 60)
    string(SUBSTRING "${header}" 48 10 size)
    string(STRIP "${size}" size)
    math(EXPR mode_at "${at} + 40")
    execute_process(COMMAND printf "100644  "
                    COMMAND dd of=${package} bs=1 seek=${mode_at} conv=notrunc status=none
                    RESULTS_VARIABLE results)
    if(NOT results STREQUAL "0;0")
      message(FATAL_ERROR "could not set the modes in ${package}")
    endif()
    math(EXPR at "${at} + 60 + ${size} + ${size} % 2")
  endwhile()
endforeach()
