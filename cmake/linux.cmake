# SPDX-License-Identifier: MIT
# The static Linux programs of KORVANE_LINUX, each a build of its own in
# linux-NAME, by TARGET-g++, linked as a static PIE that needs no C library
# where it runs. Its checks run natively, or through qemu where this machine
# cannot run its code. Target linux-NAME builds, checks and packs one.
add_custom_target(linux)
foreach(arch IN LISTS KORVANE_LINUX)
  string(REGEX MATCH "^(.+)=(([^-]+).*)$" arch ${arch})
  set(build ${CMAKE_CURRENT_BINARY_DIR}/linux-${CMAKE_MATCH_1})
  set(emulator qemu-${CMAKE_MATCH_3}-static)
  if(CMAKE_MATCH_3 STREQUAL CMAKE_HOST_SYSTEM_PROCESSOR)
    set(emulator "")
  endif()
  add_custom_target(linux-${CMAKE_MATCH_1}
    COMMAND ${CMAKE_COMMAND} --fresh -S ${CMAKE_SOURCE_DIR} -B ${build} -DCMAKE_BUILD_TYPE=${CMAKE_BUILD_TYPE}
            -DCMAKE_SYSTEM_NAME=Linux -DCMAKE_SYSTEM_PROCESSOR=${CMAKE_MATCH_3}
            -DCMAKE_CXX_COMPILER=${CMAKE_MATCH_2}-g++ -DCMAKE_CROSSCOMPILING_EMULATOR=${emulator}
            -DCMAKE_CXX_FLAGS_INIT=-fPIE -DCMAKE_EXE_LINKER_FLAGS_INIT=-static-pie
            -DKORVANE_LINUX_NAME=${CMAKE_MATCH_1} -DKORVANE_TESTS=ON -DKORVANE_WERROR=${KORVANE_WERROR}
    COMMAND ${CMAKE_COMMAND} --build ${build}
    COMMAND ${CMAKE_CTEST_COMMAND} --test-dir ${build} --output-on-failure --no-tests=error
    COMMAND ${CMAKE_CPACK_COMMAND} --config ${build}/CPackConfig.cmake -B ${CMAKE_CURRENT_BINARY_DIR}/packages
    VERBATIM)
  add_dependencies(linux linux-${CMAKE_MATCH_1})
endforeach()
