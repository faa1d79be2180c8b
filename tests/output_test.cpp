// Fixed texts and what each combination of -c, -i, -h, -v and -t writes.
#include <gtest/gtest.h>

#include <ctime>

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

TEST(Stamp, ShowsTheStartTime)
{
	const std::time_t before = std::time(nullptr);
	const Result r = Korvane({"-t", "-i20000"});
	const std::time_t after = std::time(nullptr);
	const std::vector<std::string> lines = Lines(r.out);
	ASSERT_EQ(lines.size(), 20002u);
	const std::time_t stamp = StampTime(lines[20000]);
	ASSERT_NE(stamp, -1) << lines[20000];
	EXPECT_LE(before, stamp);
	EXPECT_LE(stamp, after);
}

TEST(Stamp, AnEmptyProgramNameIsNeverExamined)
{
	const Result r = Shell("exec -a '' \"$KORVANE\" -c3 -i2");
	EXPECT_EQ(r.status, 0);
	EXPECT_EQ(Lines(r.out).size(), 2u);
}

}  // namespace
