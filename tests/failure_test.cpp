// A write that fails ends the run at once with one line on standard error
// and status 1; a reader that leaves early ends it quietly by SIGPIPE.
#include <gtest/gtest.h>

#include <csignal>

#include "run.h"

namespace {

TEST(Failures, WriteErrorsAreReported)
{
	const struct {
		std::vector<std::string> args;
		Stdout mode;
		std::string err;
	} cases[] = {
	    {{}, Stdout::DevFull, "korvane: write error: No space left on device\n"},
	    {{"-h"}, Stdout::DevFull, "korvane: write error: No space left on device\n"},
	    {{"-v"}, Stdout::Closed, "korvane: write error: Bad file descriptor\n"},
	    {{"-x"}, Stdout::Closed, "korvane: write error: Bad file descriptor\n"},
	    {{"-c5", "-i3"}, Stdout::Closed, "korvane: write error: Bad file descriptor\n"},
	    // Must stop at the first failure, not after two billion of them.
	    {{"-c2147483647"}, Stdout::DevFull, "korvane: write error: No space left on device\n"},
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
	Result r = Shell("trap '' PIPE; \"$KORVANE\" -c2147483647 | head -c 100000 | wc -c; "
	                 "echo \"${PIPESTATUS[0]}\"");
	EXPECT_EQ(r.out, "100000\n1\n");
	EXPECT_EQ(r.err, "korvane: write error: Broken pipe\n");
	// SIGPIPE at its default: ended by the signal, nothing said.
	r = Shell("\"$KORVANE\" -i99999999 | head -n 1 | wc -c; echo \"${PIPESTATUS[0]}\"");
	EXPECT_EQ(r.out, "7\n" + std::to_string(128 + SIGPIPE) + "\n");
	EXPECT_EQ(r.err, "");
}

}  // namespace
