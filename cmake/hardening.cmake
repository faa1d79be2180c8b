# SPDX-License-Identifier: MIT
# Hardening as Debian's build flags give it: _FORTIFY_SOURCE=2,
# -fstack-protector-strong, -z relro -z now and PIE, where the toolchain has
# them. The first four are tested in pairs, and a toolchain that lacks one
# piece of a pair gets neither. A piece that the caller's flags name in any
# form (_FORTIFY_SOURCE=3, -no-pie, -static-pie, -z lazy ...) is left to
# them, and so are the first two where the compiler sets them by default.
# The Debug build, which the sanitizers use and where _FORTIFY_SOURCE would
# only warn, gets PIE alone.
include(CheckCXXSourceCompiles)
include(CheckCXXSymbolExists)
include(CheckLinkerFlag)
include(CheckPIESupported)
include(CMakePushCheckState)

set(optimised $<NOT:$<CONFIG:Debug>>)
string(TOUPPER "${CMAKE_BUILD_TYPE}" config)
# The compiler sees the caller's compile flags when it links too; spaces
# around them let a piece be matched as a whole word.
set(caller " ${CMAKE_CXX_FLAGS} ${CMAKE_CXX_FLAGS_${config}} ${CMAKE_EXE_LINKER_FLAGS} ${CMAKE_EXE_LINKER_FLAGS_${config}} ")

# What the compiler does with the caller's flags and no word of ours, as an
# optimised build sees it: the compilers that fortify or protect by default
# do so only when optimising. Both are quiet: "Failed" is only their no.
cmake_push_check_state(RESET)
set(CMAKE_REQUIRED_FLAGS "${CMAKE_CXX_FLAGS_${config}} -O2")
set(CMAKE_REQUIRED_QUIET ON)
check_cxx_symbol_exists(_FORTIFY_SOURCE "" KORVANE_FORTIFIED_ALREADY)
check_cxx_source_compiles([[
#if !defined(__SSP__) && !defined(__SSP_STRONG__) && !defined(__SSP_ALL__) && !defined(__SSP_EXPLICIT__)
#error no stack protector
#endif
int main() { return 0; }]] KORVANE_PROTECTED_ALREADY)
unset(CMAKE_REQUIRED_QUIET)

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
cmake_pop_check_state()
check_linker_flag(CXX LINKER:-z,relro,-z,now KORVANE_HAS_BIND_NOW)

if(KORVANE_HAS_FORTIFY_AND_STACK_PROTECTOR)
  if(NOT KORVANE_FORTIFIED_ALREADY AND NOT caller MATCHES "_FORTIFY_SOURCE")
    target_compile_definitions(korvane PRIVATE $<${optimised}:_FORTIFY_SOURCE=2>)
  endif()
  if(NOT KORVANE_PROTECTED_ALREADY AND NOT caller MATCHES "stack-protector")
    target_compile_options(korvane PRIVATE $<${optimised}:-fstack-protector-strong>)
    target_link_options(korvane PRIVATE $<${optimised}:-fstack-protector-strong>)
  endif()
endif()

check_pie_supported(LANGUAGES CXX)
if(CMAKE_CXX_LINK_PIE_SUPPORTED AND NOT caller MATCHES "[ ,]-(f?no-?|static-)(pie|PIE|pic|PIC)[ ,]")
  set_target_properties(korvane PROPERTIES POSITION_INDEPENDENT_CODE ON)
endif()

# The linker takes -z relro -z now in many spellings (-Wl,-z,now,
# -Wl,-znow, -Xlinker now ...), and the last of now and lazy wins.
if(KORVANE_HAS_BIND_NOW)
  if(NOT caller MATCHES "[ ,](-z)?(no)?relro[ ,]")
    target_link_options(korvane PRIVATE $<${optimised}:LINKER:-z,relro>)
  endif()
  if(NOT caller MATCHES "[ ,](-z)?(now|lazy)[ ,]")
    target_link_options(korvane PRIVATE $<${optimised}:LINKER:-z,now>)
  endif()
endif()
