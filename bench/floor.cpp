// SPDX-License-Identifier: MIT
// The floor for korvane's per-character cost: one write(2) of one byte per
// character, nothing else.
#include <unistd.h>

#include <cstdlib>

int main(int argc, char *argv[])
{
	const long count = argc > 1 ? std::atol(argv[1]) : 0;
	const char c = 'A';
	for (long n = 0; n < count; n++)
		if (write(1, &c, 1) != 1)
			return 1;
	return 0;
}
