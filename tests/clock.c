/* SPDX-License-Identifier: MIT */
/* A clock the tests set: preloaded into the runs they make, time() answers
 * the readings listed in $KORVANE_CLOCK, one a call, and the last one for
 * every call after it. Plain C with no constructor and no dlsym, so that it
 * loads into sanitized and plain processes alike. Built with korvane's own
 * definitions, its time() is the symbol korvane's calls bind to: time, or
 * __time64 where 32-bit glibc gives 64-bit time under another name. */
#include <stdlib.h>
#include <time.h>

time_t time(time_t *out)
{
	static int calls;
	const char *text = getenv("KORVANE_CLOCK");
	char *end;
	long long now = 0;

	for (int n = 0; text != NULL && n <= calls; n++, text = end) {
		const long long reading = strtoll(text, &end, 10);
		if (end == text)
			break;
		now = reading;
	}
	calls++;
	if (out != NULL)
		*out = (time_t)now;
	return (time_t)now;
}
