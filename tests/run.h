// SPDX-License-Identifier: MIT
// Runs the built korvane as a user would, on a clock the test sets, and
// hands back what it wrote; and the exact output a run must have.
#pragma once

#include <ctime>
#include <string>
#include <vector>

#include "expected.h"

enum class Stdout { Pipe, DevNull, DevFull, Closed };

struct Result {
	std::string out, err;
	int status;  // exit status, or -signal when a signal ended it
};

// Unless a test sets its own, every run's clock reads START first (the start
// time), START + 1 next (the seed), and an hour later at every reading after.
constexpr std::time_t START = 1772694489;
// "KORVANE_CLOCK=..." for a clock that reads start, start + 1, then an hour on.
std::string Clock(long long start);
extern const std::string STAMP;  // the stamp line START gives in UTC

// Runs argv with TZ=UTC, the test clock and $KORVANE naming the binary;
// each "NAME=value" of env replaces or adds to those.
Result Exec(const std::vector<std::string> &argv, Stdout mode = Stdout::Pipe,
            const std::vector<std::string> &env = {});
Result Korvane(const std::vector<std::string> &args, Stdout mode = Stdout::Pipe,
               const std::vector<std::string> &env = {});
Result Shell(const std::string &script);

// The usage line and help text as -h writes them, and the version line.
extern const std::string USAGE, HELP, VERSION;

// Expects status 0, nothing on standard error, and exactly prefix, then the
// strings the seed START + 1 gives, then the stamp and an empty line.
void ExpectRun(const std::vector<std::string> &args, const std::string &prefix, size_t strings,
               int length, int group, bool lower, bool stamped);
