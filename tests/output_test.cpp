// SPDX-License-Identifier: MIT
// Fixed texts and what each combination of -c, -i, -h, -v and -t writes.
#include <gtest/gtest.h>

#include <cstdint>

#include "run.h"

namespace {

TEST(Texts, ExactBytes)
{
	ASSERT_EQ(HELP.size(), 945u);
	const struct {
		std::vector<std::string> args;
		std::string out;
	} cases[] = {
	    {{"-h"}, USAGE + HELP + "\n"},
	    {{"-help", "-t"}, USAGE + HELP + "\n"},
	    {{"-v"}, VERSION},
	    {{"-v", "-t", "-i1"}, VERSION},
	    {{"-h", "-v"}, USAGE + HELP + "\n" + VERSION},
	    {{"-v", "-h", "-x"},
	     "Unknown option -x Try -h to display help\n" + USAGE + HELP + "\n" + VERSION},
	};
	for (const auto &c : cases) {
		const Result r = Korvane(c.args);
		EXPECT_EQ(r.out, c.out) << c.args[0];
		EXPECT_EQ(r.err, "");
		EXPECT_EQ(r.status, 0);
	}
}

TEST(Phases, StringsLengthAndStamp)
{
	const std::string help = USAGE + HELP + "\n";
	const struct {
		std::vector<std::string> args;
		std::string prefix;
		size_t strings;
		int length;
		bool stamped;
	} cases[] = {
	    {{}, "", 1, 6, false},
	    {{"-t"}, "", 1, 6, true},
	    {{"-i5"}, "", 5, 6, false},
	    {{"-i5", "-t"}, "", 5, 6, true},
	    {{"-i1"}, "", 1, 6, false},
	    {{"-i0"}, "", 1, 6, false},
	    {{"-i-4", "-t"}, "", 1, 6, true},
	    {{"-c8", "-t"}, "", 1, 8, true},
	    {{"-c8", "-i1", "-t"}, "", 1, 8, true},
	    {{"-t", "-c8", "-i3"}, "", 3, 8, true},
	    {{"-c1", "-i2"}, "", 2, 1, false},
	    {{"-c1", "-i3", "-t"}, "", 3, 1, true},
	    {{"-h", "-c4"}, help, 1, 4, false},
	    {{"-v", "-c4", "-i2", "-t"}, VERSION, 2, 4, true},
	    {{"-h", "-i1", "-t"}, help, 0, 6, false},
	    // -h and -v do not cut an -i run short by one string.
	    {{"-h", "-i3", "-t"}, help, 3, 6, true},
	    {{"-v", "-i2"}, VERSION, 2, 6, false},
	    // A negative -c is no -c at all.
	    {{"-c-5"}, "", 1, 6, false},
	    {{"-c-5", "-i3", "-t"}, "", 3, 6, true},
	    {{"-v", "-c-5"}, VERSION, 0, 6, false},
	};
	for (const auto &c : cases)
		ExpectRun(c.args, c.prefix, c.strings, c.length, 0, false, c.stamped);
}

// The stamp shows the first clock reading, in local time and asctime's
// layout, though the clock moves on before it is written; the seed is the
// second reading. A reading whose year is past int's range has no local
// time, and the stamp says so, still followed by its empty line.
TEST(Stamp, ShowsTheStartTimeInLocalTime)
{
	const struct {
		long long start;
		const char *tz, *stamp;
	} cases[] = {
	    {0, "UTC", "Thu Jan  1 00:00:00 1970"},
	    {946684799, "UTC", "Fri Dec 31 23:59:59 1999"},
	    {951815101, "UTC", "Tue Feb 29 09:05:01 2000"},
	    {1712485230, "UTC", "Sun Apr  7 10:20:30 2024"},
	    {1778497200, "UTC", "Mon May 11 11:00:00 2026"},
	    {1781008496, "UTC", "Tue Jun  9 12:34:56 2026"},
	    {1752653350, "UTC", "Wed Jul 16 08:09:10 2025"},
	    {1913742007, "UTC", "Fri Aug 23 19:00:07 2030"},
	    {1788501966, "UTC", "Fri Sep  4 06:06:06 2026"},
	    {1793483100, "UTC", "Sat Oct 31 21:45:00 2026"},
	    {1951737193, "UTC", "Thu Nov  6 13:13:13 2031"},
	    {4107542401, "UTC", "Mon Mar  1 00:00:01 2100"},
	    {1798747200, "JST-9", "Fri Jan  1 05:00:00 2027"},
	    {0, "EST5", "Wed Dec 31 19:00:00 1969"},
	    {INT64_MIN, "UTC", "unknown"},
	};
	for (const auto &c : cases) {
		const Result r = Korvane({"-t", "-i2"}, Stdout::Pipe, {Clock(c.start), std::string("TZ=") + c.tz});
		EXPECT_EQ(r.out, Strings(static_cast<unsigned>(c.start + 1), 2, 6, 0, false) +
		                     "Runtime is: " + c.stamp + "\n\n");
	}
}

}  // namespace
