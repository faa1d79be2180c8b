// The strings against the platform's own std::srand/std::rand for the seed
// the run used: the stamp's second, or the next one when the run's two clock
// readings straddled a second boundary.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <ctime>

#include "run.h"

namespace {

// What a run seeded with seed writes: one draw per character, r % size of
// the set, a '-' before each positive multiple of group, which draws nothing.
std::string Expected(unsigned seed, int strings, int length, int group, bool lower)
{
	std::srand(seed);
	const char *set = lower ? LOWER : UPPER;
	const int size = lower ? 62 : 36;
	std::string out;
	for (int s = 0; s < strings; s++) {
		for (int i = 0; i < length; i++) {
			if (group > 0 && i > 0 && i % group == 0)
				out += '-';
			out += set[std::rand() % size];
		}
		out += '\n';
	}
	return out;
}

TEST(Generator, MatchesStdRandForTheRunsSeed)
{
	const struct {
		std::vector<std::string> args;
		int strings, length, group;
		bool lower;
	} cases[] = {
	    {{"-t"}, 1, 6, 0, false},
	    {{"-t", "-l", "-c200"}, 1, 200, 0, true},
	    {{"-t", "-c10", "-i4", "-p3"}, 4, 10, 3, false},
	    {{"-t", "-c10", "-i2", "-p5", "-l"}, 2, 10, 5, true},
	    {{"-t", "-i3", "-p1", "-l"}, 3, 6, 1, true},
	    {{"-t", "-i2", "-p6"}, 2, 6, 6, false},
	    {{"-t", "-c7", "-p-2"}, 1, 7, 0, false},
	};
	for (const auto &c : cases) {
		const Result r = Korvane(c.args);
		const size_t at = r.out.find("Runtime is: ");
		ASSERT_NE(at, std::string::npos) << c.args[1];
		const std::time_t stamp = StampTime(r.out.substr(at));
		ASSERT_NE(stamp, -1) << r.out.substr(at);
		const auto start = static_cast<unsigned>(stamp);
		const std::string strings = r.out.substr(0, at);
		const bool seeded = strings == Expected(start, c.strings, c.length, c.group, c.lower) ||
		                    strings == Expected(start + 1, c.strings, c.length, c.group, c.lower);
		EXPECT_TRUE(seeded) << c.args.back() << "\n" << strings;
	}
}

// Coverage, not value: every character of each set turns up, and no other.
TEST(Generator, DrawsFromTheWholeSetAndNothingElse)
{
	for (const bool lower : {false, true}) {
		const Result r = Korvane(lower ? std::vector<std::string>{"-c20000", "-l"}
		                               : std::vector<std::string>{"-c20000"});
		std::string seen;
		for (const char ch : r.out.substr(0, r.out.size() - 1))
			if (seen.find(ch) == std::string::npos)
				seen += ch;
		std::sort(seen.begin(), seen.end());
		std::string set = lower ? LOWER : UPPER;
		std::sort(set.begin(), set.end());
		EXPECT_EQ(seen, set);
		EXPECT_EQ(r.out.size(), 20001u);
	}
}

TEST(Generator, SameSecondSameStrings)
{
	// Two runs back to back usually share a second; retry across a boundary.
	for (int attempt = 0; attempt < 5; attempt++) {
		const std::time_t before = std::time(nullptr);
		const Result a = Korvane({"-i3", "-l", "-c12"});
		const Result b = Korvane({"-i3", "-l", "-c12"});
		if (std::time(nullptr) != before)
			continue;
		EXPECT_EQ(a.out, b.out);
		return;
	}
	GTEST_SKIP() << "every attempt straddled a second";
}

}  // namespace
