// SPDX-License-Identifier: MIT
// The strings against the platform's own std::srand/std::rand for the seed
// the test clock gives, and the system calls that carry them out.
#include <gtest/gtest.h>

#include <algorithm>
#include <utility>

#include "run.h"

namespace {

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
	for (const auto &c : cases)
		ExpectRun(c.args, "", static_cast<size_t>(c.strings), c.length, c.group, c.lower, true);
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

// The write(2) calls a run makes, each as "fd: bytes".
std::vector<std::string> Writes(const std::vector<std::string> &args)
{
	std::vector<std::string> argv = {STRACE, "-f", "-qq", "-e", "trace=write", "-xx",
	                                 "-s", "100000", KORVANE_BIN};
	argv.insert(argv.end(), args.begin(), args.end());
	// LeakSanitizer cannot run under ptrace.
	const Result r = Exec(argv, Stdout::Pipe, {"ASAN_OPTIONS=verify_asan_link_order=0:detect_leaks=0"});
	EXPECT_EQ(r.status, 0) << r.err;
	// Read by hand, not by std::regex, whose matcher recurses once a byte
	// and overflows the stack on a long write.
	std::vector<std::string> writes;
	for (size_t at = 0; (at = r.err.find("write(", at)) != std::string::npos;) {
		at += 6;
		const size_t quote = r.err.find(", \"", at);
		const size_t end = quote == std::string::npos ? quote : r.err.find('"', quote + 3);
		if (end == std::string::npos)
			break;
		std::string call = r.err.substr(at, quote - at) + ": ";
		for (size_t hex = quote + 5; hex < end; hex += 4)
			call += static_cast<char>(std::stoi(r.err.substr(hex, 2), nullptr, 16));
		writes.push_back(call);
		at = end;
	}
	return writes;
}

// Empty where strace can trace; otherwise what it said. Under user-mode
// emulation there is no ptrace at all. Tried on true, not korvane, so that
// a fault of korvane's can never pass for the tracer's.
std::string WhyNoTracer()
{
	const Result r = Exec({STRACE, "-qq", "-e", "trace=none", "true"});
	return r.status == 0 ? "" : r.err + "(status " + std::to_string(r.status) + ")";
}

// Each text leaves in one write; each drawn character in a write of its own,
// a separator in the same write as the character after it, and each line
// break alone: -c10 -p5 -i2 makes 22 writes.
TEST(Generator, OneWritePerDrawnCharacter)
{
	if (const std::string why = WhyNoTracer(); !why.empty())
		GTEST_SKIP() << "strace cannot trace here: " << why;
	const struct {
		std::vector<std::string> args, texts;
		int strings, length, group;
		bool lower, stamped;
	} cases[] = {
	    {{"-c10", "-p5", "-i2"}, {}, 2, 10, 5, false, false},
	    {{"-x", "-h", "-v", "-c4", "-p1", "-l", "-t", "-"},
	     {"Unknown option -x Try -h to display help\nUnknown option - Try -h to display help\n",
	      USAGE + HELP + "\n", VERSION},
	     1, 4, 1, true, true},
	    {{"-i3", "-t"}, {}, 3, 6, 0, false, true},
	};
	for (const auto &c : cases) {
		std::vector<std::string> expected;
		for (const auto &text : c.texts)
			expected.push_back("1: " + text);
		std::string pending;
		for (const char ch : Strings(START + 1, c.strings, c.length, c.group, c.lower)) {
			pending += ch;
			if (ch != '-')
				expected.push_back("1: " + std::exchange(pending, ""));
		}
		if (c.stamped)
			expected.push_back("1: " + STAMP);
		EXPECT_EQ(Writes(c.args), expected) << c.args[0];
	}
}

}  // namespace
