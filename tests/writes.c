/* SPDX-License-Identifier: MIT */
/* Writes that take less than they are asked to, on a schedule the tests
 * set. Preloaded into a run, each write(2) to standard output acts as the
 * next letter of $KORVANE_WRITES says, and every write after the last letter
 * as the last letter:
 *   .  as asked
 *   s  short: the first byte alone is written
 *   e  interrupted before any byte is written: -1 and EINTR
 *   p  refused, as a sealed file refuses it: -1 and EPERM
 *   0  nothing is written, and 0 is returned
 * Only korvane's own writes come here: stdio calls the C library's internal
 * write, which no preload replaces. Plain C with no dlsym, as the clock is;
 * what is written goes to the kernel directly. */
#include <errno.h>
#include <stdlib.h>
#include <string.h>
#include <sys/syscall.h>
#include <unistd.h>

ssize_t write(int fd, const void *bytes, size_t size)
{
	static size_t calls;
	const char *schedule = fd == STDOUT_FILENO ? getenv("KORVANE_WRITES") : NULL;
	char what = '.';

	if (schedule != NULL && schedule[0] != '\0') {
		const size_t letters = strlen(schedule);
		what = schedule[calls < letters ? calls : letters - 1];
		calls++;
	}
	if (what == 'e' || what == 'p') {
		errno = what == 'e' ? EINTR : EPERM;
		return -1;
	}
	if (what == '0')
		return 0;
	if (what == 's' && size > 1)
		size = 1;
	return (ssize_t)syscall(SYS_write, fd, bytes, size);
}
