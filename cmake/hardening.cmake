# SPDX-License-Identifier: MIT
# Hardening, as Debian's own build flags give it, on every toolchain that
# has each piece: _FORTIFY_SOURCE=2, -fstack-protector-strong, PIE and
# -z relro -z now. Each piece yields to the builder: none is added that the
# caller's flags or the compiler's own defaults already set, at any level,
# so a packager's _FORTIFY_SOURCE=3 stays 3. The Debug build, which the
# sanitizers use and where _FORTIFY_SOURCE, wanting optimisation, would only
# warn, gets PIE alone.
include(CheckCXXSourceCompiles)
include(CheckLinkerFlag)
include(CheckPIESupported)

set(optimised $<NOT:$<CONFIG:Debug>>)
string(TOUPPER "${CMAKE_BUILD_TYPE}" config)
set(caller_flags "${CMAKE_CXX_FLAGS} ${CMAKE_CXX_FLAGS_${config}}")
set(caller_link_flags "${CMAKE_EXE_LINKER_FLAGS} ${CMAKE_EXE_LINKER_FLAGS_${config}}")

# What the compiler does with the caller's flags and no word of ours, as an
# optimised build sees it: the compilers that fortify or protect by default
# do so only when optimising.
set(CMAKE_REQUIRED_FLAGS "${CMAKE_CXX_FLAGS_${config}} -O2")
check_cxx_source_compiles([[
#ifndef _FORTIFY_SOURCE
#error not fortified
#endif
int main() { return 0; }]] KORVANE_FORTIFIED_ALREADY)
check_cxx_source_compiles([[
#if !defined(__SSP__) && !defined(__SSP_STRONG__) && !defined(__SSP_ALL__) && !defined(__SSP_EXPLICIT__)
#error no stack protector
#endif
int main() { return 0; }]] KORVANE_PROTECTED_ALREADY)
unset(CMAKE_REQUIRED_FLAGS)
# A caller who names a piece at all, -U_FORTIFY_SOURCE or
# -fno-stack-protector too, has chosen for it.
if(caller_flags MATCHES "_FORTIFY_SOURCE")
  set(KORVANE_FORTIFIED_ALREADY ON)
endif()
if(caller_flags MATCHES "stack-protector")
  set(KORVANE_PROTECTED_ALREADY ON)
endif()

# One check for both: a program with a buffer on its stack and a fortified
# call, compiled and linked with the flags, as some toolchains need a
# library for either at link time.
set(CMAKE_REQUIRED_FLAGS "-O2 -fstack-protector-strong")
set(CMAKE_REQUIRED_DEFINITIONS -D_FORTIFY_SOURCE=2)
set(CMAKE_REQUIRED_LINK_OPTIONS -fstack-protector-strong)
check_cxx_source_compiles([[
#include <cstdio>
int main(int argc, char *argv[])
{
	char text[8];
	return std::snprintf(text, sizeof text, "%s", argv[0]) + argc;
}]] KORVANE_HAS_FORTIFY_AND_STACK_PROTECTOR)
unset(CMAKE_REQUIRED_FLAGS)
unset(CMAKE_REQUIRED_DEFINITIONS)
unset(CMAKE_REQUIRED_LINK_OPTIONS)
if(KORVANE_HAS_FORTIFY_AND_STACK_PROTECTOR)
  if(NOT KORVANE_FORTIFIED_ALREADY)
    target_compile_definitions(korvane PRIVATE $<${optimised}:_FORTIFY_SOURCE=2>)
  endif()
  if(NOT KORVANE_PROTECTED_ALREADY)
    target_compile_options(korvane PRIVATE $<${optimised}:-fstack-protector-strong>)
    target_link_options(korvane PRIVATE $<${optimised}:-fstack-protector-strong>)
  endif()
endif()

check_pie_supported(LANGUAGES CXX)
if(CMAKE_CXX_LINK_PIE_SUPPORTED)
  set_target_properties(korvane PROPERTIES POSITION_INDEPENDENT_CODE ON)
endif()

check_linker_flag(CXX LINKER:-z,relro,-z,now KORVANE_HAS_BIND_NOW)
if(KORVANE_HAS_BIND_NOW)
  foreach(piece relro now)
    if(NOT caller_link_flags MATCHES "-z[, ]?${piece}")
      target_link_options(korvane PRIVATE $<${optimised}:LINKER:-z,${piece}>)
    endif()
  endforeach()
endif()
