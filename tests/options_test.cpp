// SPDX-License-Identifier: MIT
// The option parser: only the letter after '-' counts, values are attached
// and read the way atoi reads them, and anything else is reported and skipped.
#include <gtest/gtest.h>

#include "run.h"

namespace {

std::string Unknown(const std::string &arg)
{
	return "Unknown option " + arg + " Try -h to display help\n";
}

TEST(Options, Table)
{
	const struct {
		std::vector<std::string> args;
		std::string messages;
		size_t strings;
		int length, group;
		bool lower;
	} cases[] = {
	    // Unknown options, reported in argument order; the run goes on.
	    {{"-"}, Unknown("-"), 1, 6, 0, false},
	    {{"-C5", "-H", "-I2", "-L", "-P1", "-T", "-V"},
	     Unknown("-C5") + Unknown("-H") + Unknown("-I2") + Unknown("-L") + Unknown("-P1") +
	         Unknown("-T") + Unknown("-V"),
	     1, 6, 0, false},
	    {{"-x", "-y"}, Unknown("-x") + Unknown("-y"), 1, 6, 0, false},
	    {{"--c5", "-c3"}, Unknown("--c5"), 1, 3, 0, false},
	    {{"-\xff", "-\x01"}, Unknown("-\xff") + Unknown("-\x01"), 1, 6, 0, false},
	    // Values: attached, atoi's reading, a later one wins.
	    {{"-c"}, "", 1, 6, 0, false},
	    {{"-c", "10"}, "", 1, 6, 0, false},
	    {{"-c12abc"}, "", 1, 12, 0, false},
	    {{"-c+7"}, "", 1, 7, 0, false},
	    {{"-c \t\n9"}, "", 1, 9, 0, false},
	    {{"-c0000000000000000000000000000011"}, "", 1, 11, 0, false},
	    {{"-cabc"}, "", 1, 6, 0, false},
	    {{"-c- 5"}, "", 1, 6, 0, false},
	    {{"-count5"}, "", 1, 6, 0, false},
	    {{"-c3", "-c7"}, "", 1, 7, 0, false},
	    {{"-i3", "-i2", "-c2"}, "", 2, 2, 0, false},
	    // Values past the 32-bit range stop at the bound.
	    {{"-p99999999999999999999999", "-c9"}, "", 1, 9, 0, false},
	    {{"-i-99999999999999999999", "-c4"}, "", 1, 4, 0, false},
	    {{"-p2147483648", "-c3"}, "", 1, 3, 0, false},
	    {{"-c4", "-p-2147483649"}, "", 1, 4, 0, false},
	    {{"-p4294967298"}, "", 1, 6, 0, false},
	    // Flags: the rest of the argument is ignored.
	    {{"-lower"}, "", 1, 6, 0, true},
	    {{"-l", "-p2", "-c7"}, "", 1, 7, 2, true},
	    {{"-p1"}, "", 1, 6, 1, false},
	    {{"-p3"}, "", 1, 6, 3, false},
	    {{"-p6"}, "", 1, 6, 0, false},
	    // Words that do not begin with '-' are skipped silently.
	    {{"word", "10", "/etc/passwd", "", "c5"}, "", 1, 6, 0, false},
	};
	for (const auto &c : cases)
		ExpectRun(c.args, c.messages, c.strings, c.length, c.group, c.lower, false);
	ExpectRun({"-time", "-version"}, VERSION, 0, 6, 0, false, false);
	ExpectRun({"-time", "-c5"}, "", 1, 5, 0, false, true);
}

// Only the arguments after the program's name are options.
TEST(Options, TheProgramNameIsNeverExamined)
{
	for (const std::string name : {"", "-c3", "-h"}) {
		const Result r = Shell("exec -a '" + name + "' \"$KORVANE\" -i2");
		EXPECT_EQ(r.out, Strings(START + 1, 2, 6, 0, false)) << name;
		EXPECT_EQ(r.status, 0);
	}
}

}  // namespace
