// SPDX-License-Identifier: MIT
// A write that fails ends the run at once with one line on standard error
// and status 1; a reader that leaves early ends it quietly by SIGPIPE.
#include <gtest/gtest.h>

#include <sys/personality.h>
#include <unistd.h>

#include <algorithm>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>

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

// Writes that take less than asked, one letter of the schedule a write (see
// writes.c): a short write goes on from the first byte not taken, an
// interrupted one is made again, and one that fails otherwise or takes
// nothing ends the run, a write of 0 as a full disk does, with what was
// taken before it out and nothing after.
TEST(Failures, WritesThatTakeLessThanAsked)
{
	const struct {
		std::string schedule;
		std::vector<std::string> args;
		std::string out, err;
	} cases[] = {
	    // Every write takes one byte: a '-' and its character come apart.
	    {"s", {"-c12", "-p1", "-i2", "-l"}, Strings(START + 1, 2, 12, 1, true), ""},
	    // Interrupted: a lone character, then the rest of a short write.
	    {"e.se.", {"-c6", "-p1", "-t"}, Strings(START + 1, 1, 6, 1, false) + STAMP, ""},
	    {"0.", {}, "", FULL},
	    {"..s0.", {"-c5", "-p2"}, Strings(START + 1, 1, 5, 2, false).substr(0, 3), FULL},
	    // Only an interrupted write is made again: not another error, nor a
	    // write of 0 that follows an interrupted one and finds errno EINTR.
	    {"p.", {}, "", "korvane: write error: Operation not permitted\n"},
	    {"e0.", {}, "", FULL},
	};
	for (const auto &c : cases) {
		const Result r = Korvane(c.args, Stdout::Pipe,
		                         {"LD_PRELOAD=" KORVANE_CLOCK_LIB " " KORVANE_WRITES_LIB,
		                          "KORVANE_WRITES=" + c.schedule});
		EXPECT_EQ(r.out, c.out) << c.schedule;
		EXPECT_EQ(r.err, c.err) << c.schedule;
		EXPECT_EQ(r.status, c.err.empty() ? 0 : 1) << c.schedule;
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

// Under user-mode emulation the kernel runs the emulator, not the program:
// /proc/self/stat is the emulator's make-up, with a resident size of 0, and
// VmHWM is the emulator's own peak. Empty where the figures are the run's.
std::string WhyNoPeak()
{
	std::FILE *f = std::fopen("/proc/self/stat", "r");
	if (f == nullptr)
		return "no /proc/self/stat";
	char stat[4096] = "";
	const size_t n = std::fread(stat, 1, sizeof stat - 1, f);
	std::fclose(f);
	stat[n] = '\0';
	// Field 24, the resident size, is the 22nd after the name's ')'.
	const char *at = std::strrchr(stat, ')');
	long rss = 0;
	for (int field = 2; at != nullptr && field < 24; field++)
		if ((at = std::strchr(at + 1, ' ')) != nullptr && field == 23)
			rss = std::atol(at + 1);
	return rss > 0 ? "" : "/proc/self/stat gives a resident size of 0 (user-mode emulation)";
}

// The run's own peak resident size, as peak.c reports it, or 0 where no
// figure came.
long Peak(const std::vector<std::string> &args, const char *file)
{
	if (truncate(file, 0) != 0)
		return 0;
	const Result r = Korvane(args, Stdout::DevNull,
	                         {"LD_PRELOAD=" KORVANE_CLOCK_LIB " " KORVANE_PEAK_LIB,
	                          std::string("KORVANE_PEAK=") + file});
	EXPECT_EQ(r.status, 0);
	EXPECT_EQ(r.err, "");
	long kib = 0;
	if (std::FILE *f = std::fopen(file, "r")) {
		if (std::fscanf(f, "VmHWM: %ld kB", &kib) != 1)
			kib = 0;
		std::fclose(f);
	}
	return kib;
}

// Nothing is kept per character or per string: memory stays flat. Where the
// C library's pages land moves a run's peak by up to 300 KiB, since the
// kernel maps the pages around a fault in aligned blocks; with address
// randomization off (it passes to the runs through exec) each figure is the
// same run after run. Where that cannot be turned off, each figure is the
// least of three runs. A korvane that kept half a byte a string, or a byte
// every fourth character, would be some 500 KiB above the default run.
TEST(Failures, MemoryDoesNotGrowWithTheCount)
{
	if (const std::string why = WhyNoPeak(); !why.empty())
		GTEST_SKIP() << "no peak memory of the run's own here: " << why;
	char file[] = "/tmp/korvane-peak.XXXXXX";
	const int fd = mkstemp(file);
	ASSERT_GE(fd, 0);
	close(fd);
	const int persona = personality(0xffffffff);
	const bool fixed = persona != -1 && personality(static_cast<unsigned long>(persona) |
	                                                ADDR_NO_RANDOMIZE) != -1;
	const std::vector<std::string> runs[] = {{}, {"-c2000000"}, {"-i1000000", "-c1"}};
	long peak[3] = {};
	for (int i = 0; i < 3; i++)
		for (int again = 0; again < (fixed ? 1 : 3); again++) {
			const long kib = Peak(runs[i], file);
			peak[i] = again == 0 ? kib : std::min(peak[i], kib);
		}
	if (fixed)
		personality(static_cast<unsigned long>(persona));
	std::remove(file);
	std::printf("peak KiB%s: default %ld, -c2000000 %ld, -i1000000 -c1 %ld\n",
	            fixed ? "" : " (least of three, randomized)", peak[0], peak[1], peak[2]);
	for (const long kib : peak)
		EXPECT_GT(kib, 0) << "a run gave no figure";
	EXPECT_LE(peak[1], peak[0] + 256);
	EXPECT_LE(peak[2], peak[0] + 256);
}

// The runner itself: a child that fills one stream, in either order, while
// the test would wait on the other, must not hang it.
TEST(Runner, ReadsBothStreamsAtOnce)
{
	const std::string mib(1 << 20, '\0');
	const struct {
		std::string script, out, err;
	} cases[] = {
	    {"head -c 1048576 /dev/zero >&2; echo out", "out\n", mib},
	    {"head -c 1048576 /dev/zero; echo err >&2", mib, "err\n"},
	};
	for (const auto &c : cases) {
		const Result r = Shell(c.script);
		EXPECT_EQ(r.status, 0);
		EXPECT_TRUE(r.out == c.out && r.err == c.err) << c.script;
	}
}

}  // namespace
