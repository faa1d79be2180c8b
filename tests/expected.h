// SPDX-License-Identifier: MIT
// What korvane writes for a seed, by the C library's own srand/rand: one
// draw per character, r % the size of the set, and a '-' before each
// positive multiple of group, which draws nothing. The tests and the
// Windows oracle both take it from here.
#pragma once

#include <cstdlib>
#include <string>

inline const char LOWER[] = "0123456789abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ";
inline const char UPPER[] = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ";

inline std::string Strings(unsigned seed, int strings, int length, int group, bool lower)
{
	std::srand(seed);
	std::string out;
	for (int s = 0; s < strings; s++) {
		for (int i = 0; i < length; i++) {
			if (group > 0 && i > 0 && i % group == 0)
				out += '-';
			out += lower ? LOWER[std::rand() % 62] : UPPER[std::rand() % 36];
		}
		out += '\n';
	}
	return out;
}
