// SPDX-License-Identifier: MIT
// A write that fails ends the run at once with one line on standard error
// and status 1; a reader that leaves early ends it quietly by SIGPIPE.
#include <gtest/gtest.h>

#include <csignal>
#include <cstdio>

#include "run.h"

namespace {

const std::string FULL = "korvane: write error: No space left on device\n";
const std::string BADF = "korvane: write error: Bad file descriptor\n";

TEST(Failures, WriteErrorsAreReported)
{
	const struct {
		std::vector<std::string> args;
		Stdout mode;
		std::string err;
	} cases[] = {
	    {{}, Stdout::DevFull, FULL},
	    {{"-h"}, Stdout::DevFull, FULL},
	    {{"-v"}, Stdout::Closed, BADF},
	    {{"-x"}, Stdout::Closed, BADF},
	    {{"-c5", "-i3"}, Stdout::Closed, BADF},
	    // Must stop at the first failure, not after two billion of them.
	    {{"-c2147483647"}, Stdout::DevFull, FULL},
	};
	for (const auto &c : cases) {
		const Result r = Korvane(c.args, c.mode);
		EXPECT_EQ(r.status, 1);
		EXPECT_EQ(r.err, c.err);
	}
}

TEST(Failures, ClosedPipe)
{
	// SIGPIPE ignored: the failed write is reported.
	Result r = Shell("trap '' PIPE; \"$KORVANE\" -c2147483647 | head -c 100000; "
	                 "echo \"${PIPESTATUS[0]}\"");
	EXPECT_EQ(r.out, Strings(START + 1, 1, 100000, 0, false).substr(0, 100000) + "1\n");
	EXPECT_EQ(r.err, "korvane: write error: Broken pipe\n");
	// SIGPIPE at its default: ended by the signal, nothing said.
	r = Shell("\"$KORVANE\" -i99999999 | head -n 1; echo \"${PIPESTATUS[0]}\"");
	EXPECT_EQ(r.out, Strings(START + 1, 1, 6, 0, false) + std::to_string(128 + SIGPIPE) + "\n");
	EXPECT_EQ(r.err, "");
}

// A file size limit fails the write that crosses byte 1024, whichever phase
// is writing then; everything before it must have got out.
TEST(Failures, EveryPhaseStopsAtTheFirstFailedWrite)
{
	std::string unknown;
	for (int n = 0; n < 30; n++)
		unknown += " -x";
	const std::string cases[] = {
	    unknown,            // unknown-option messages
	    "-x -h",            // help
	    "-h -v",            // version
	    "-c2000",           // a string
	    "-c1024",           // the line break after a string
	    "-c2147483647",     // a string that would take two billion writes
	    "-c1018 -t",        // the stamp
	};
	for (const auto &args : cases) {
		const Result r = Shell("f=$(mktemp); trap '' XFSZ; (ulimit -f 1; exec \"$KORVANE\" " + args +
		                       " >\"$f\"); echo $? $(wc -c <\"$f\"); rm -f \"$f\"");
		EXPECT_EQ(r.out, "1 1024\n") << args;
		EXPECT_EQ(r.err, "korvane: write error: File too large\n") << args;
	}
}

// Nothing is kept per character or per string: memory stays flat. A forked
// child's peak starts at its parent's, so the outputs go to /dev/null and
// this process stays small.
TEST(Failures, MemoryDoesNotGrowWithTheCount)
{
	long peak[3] = {};
	const std::vector<std::string> runs[] = {{}, {"-c2000000"}, {"-i1000000", "-c1"}};
	for (int i = 0; i < 3; i++) {
		const Result r = Korvane(runs[i], Stdout::DevNull);
		EXPECT_EQ(r.status, 0);
		EXPECT_EQ(r.err, "");
		peak[i] = r.peak_kib;
	}
	EXPECT_GT(peak[0], 0);
	EXPECT_LT(peak[1], peak[0] + 1024);
	EXPECT_LT(peak[2], peak[0] + 1024);
	std::printf("peak KiB: default %ld, -c2000000 %ld, -i1000000 -c1 %ld\n", peak[0], peak[1],
	            peak[2]);
}

}  // namespace
