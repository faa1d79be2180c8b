# SPDX-License-Identifier: MIT
# Hardening, as Debian's own build flags give it, on every toolchain that
# has each piece: _FORTIFY_SOURCE=2, -fstack-protector-strong, PIE and
# -z relro -z now. Not in the Debug build, which the sanitizers use and
# where _FORTIFY_SOURCE, wanting optimisation, would only warn.
include(CheckCXXSourceCompiles)
include(CheckLinkerFlag)
include(CheckPIESupported)

set(optimised $<NOT:$<CONFIG:Debug>>)

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
  target_compile_definitions(korvane PRIVATE $<${optimised}:_FORTIFY_SOURCE=2>)
  target_compile_options(korvane PRIVATE $<${optimised}:-fstack-protector-strong>)
  target_link_options(korvane PRIVATE $<${optimised}:-fstack-protector-strong>)
endif()

check_pie_supported(LANGUAGES CXX OUTPUT_VARIABLE pie_output)
if(CMAKE_CXX_LINK_PIE_SUPPORTED)
  set_target_properties(korvane PROPERTIES POSITION_INDEPENDENT_CODE ON)
endif()

check_linker_flag(CXX LINKER:-z,relro,-z,now KORVANE_HAS_BIND_NOW)
if(KORVANE_HAS_BIND_NOW)
  target_link_options(korvane PRIVATE $<${optimised}:LINKER:-z,relro,-z,now>)
endif()
