// SPDX-License-Identifier: MIT
// The run's settings, one per option letter, and the length of a string when
// none is asked for. The option parser writes them once; the run sequence and
// the generator only read them.
#ifndef KORVANE_SETTINGS_H
#define KORVANE_SETTINGS_H

#include <cstdint>

inline std::int32_t HFLAG = 0;  // -h: usage line and help text
inline std::int32_t C_VAL = 0;  // -cN: characters per string, when positive
inline std::int32_t I_VAL = 0;  // -iN: strings per run
inline std::int32_t P_VAL = 0;  // -pN: a '-' between groups of N, when positive
inline std::int32_t LFLAG = 0;  // -l: add the lower-case letters
inline std::int32_t VFLAG = 0;  // -v: version line
inline std::int32_t TFLAG = 0;  // -t: runtime stamp after the last string

constexpr std::int32_t DEFAULT_LENGTH = 6;

#endif
