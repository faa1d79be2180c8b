// Runs the built korvane as a user would and hands back what it wrote, plus
// the checks on output shape that several test files share.
#pragma once

#include <ctime>
#include <string>
#include <vector>

enum class Stdout { Pipe, DevFull, Closed };

struct Result {
	std::string out, err;
	int status;  // exit status, or -signal when a signal ended it
};

// Runs argv as given; environment: TZ=UTC plus extra.
Result Exec(const std::vector<std::string> &argv, Stdout mode = Stdout::Pipe,
            const std::vector<std::string> &extra = {});
// Runs korvane with args; $KORVANE names it for bash -c scripts.
Result Korvane(const std::vector<std::string> &args, Stdout mode = Stdout::Pipe);
Result Shell(const std::string &script);

std::vector<std::string> Lines(const std::string &text);

// The start time a "Runtime is: ..." stamp at the start of text shows, read
// as UTC; -1 when text does not start with one.
std::time_t StampTime(const std::string &text);

// True when line is a string of length drawn characters in groups of group.
bool IsString(const std::string &line, int length, int group, bool lower);

extern const char *const LOWER;
extern const char *const UPPER;
// The usage line and help text as -h writes them, and the version line.
extern const std::string USAGE, HELP, VERSION;

// Expects status 0, nothing on standard error, and out to be prefix, then
// strings lines of that shape, then the stamp and an empty line if stamped.
void ExpectRun(const std::vector<std::string> &args, const std::string &prefix, size_t strings,
               int length, int group, bool lower, bool stamped);
