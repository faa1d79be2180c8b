// SPDX-License-Identifier: MIT
// GenString, which writes one random string, and the check that every write
// to standard output goes through.
#ifndef KORVANE_GENERATOR_H
#define KORVANE_GENERATOR_H

#include <cstdint>

// Writes count characters drawn with std::rand from the set LFLAG selects,
// with a '-' between groups of P_VAL. Writes no line break.
void GenString(std::int32_t count);

// Takes the result of a stdio output call. A negative one (EOF, or a failed
// printf) ends the run: "korvane: write error: <reason>" and status 1.
void CheckWrite(int result);

#endif
