// SPDX-License-Identifier: MIT
// What korvane writes for the seed its runtime stamp shows, by the srand and
// rand of the C runtime this is built for and run on:
//   oracle "Runtime is: Thu Mar  5 07:08:09 2026" STRINGS LENGTH GROUP LOWER
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>

#include "expected.h"

int main(int argc, char *argv[])
{
	static const char MONTHS[] = "JanFebMarAprMayJunJulAugSepOctNovDec";
	std::tm t{};
	char month[4] = "";
	if (argc != 6 || std::sscanf(argv[1], "Runtime is: %*s %3s %d %d:%d:%d %d", month, &t.tm_mday,
	                             &t.tm_hour, &t.tm_min, &t.tm_sec, &t.tm_year) != 6)
		return 2;
	const char *at = std::strstr(MONTHS, month);
	if (at == nullptr)
		return 2;
	t.tm_mon = static_cast<int>(at - MONTHS) / 3;
	t.tm_year -= 1900;
	t.tm_isdst = -1;
	const std::string out = Strings(static_cast<unsigned>(std::mktime(&t)), std::atoi(argv[2]),
	                                std::atoi(argv[3]), std::atoi(argv[4]), std::atoi(argv[5]) != 0);
	return std::fputs(out.c_str(), stdout) < 0;
}
