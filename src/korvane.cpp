// SPDX-License-Identifier: MIT
// korvane: writes random alphanumeric strings to standard output, one per line.
// This file holds the entry point, the option parser and the run sequence;
// the strings themselves come from GenString.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <ctime>

#include "generator.h"
#include "settings.h"

namespace {

constexpr const char USAGE[] =
    "\nkorvane [-h -l -t -v] [-cCharacters] [-iIterations] [-pCount]";
constexpr const char HELP[] =
    "\n"
    "Example usage: \n"
    "\n"
    " korvane -c10 -i2 -p5 -l\n"
    "\n"
    "These arguments will output ten characters separated into two groups of five characters and two iterations with lower case characters enabled\n"
    "\n"
    "EXAMPLE output:\n"
    "\n"
    " qRjOe-QKsFp\n"
    " 1vYXs-Tj4aY\n"
    "\n"
    "The -l argument enables the lower case character set making 26 additional symbols possible. Not all characters will appear in lower case as each character is randomly selected from available symbols for each character printed.\n"
    "\n"
    "The -h argument displays this help screen\n"
    "\n"
    "The -v argument displays version information\n"
    "\n"
    "The -t argument displays a runtime stamp\n"
    "\n"
    "If you obtain repeat values  wait at least one second before running the applicaiton again.\n"
    "The functions used in this applicaiton select random output based on the current second.If you obtain repeat values then wait one second before running the applicaiton again or use the -i option to obtain multiple values. To get 5 strings include the argument -i5";
static_assert(sizeof HELP - 1 == 945);
constexpr const char VERSION[] = "korvane, version " KORVANE_VERSION;

constexpr const char *DAYS[] = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
constexpr const char *MONTHS[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                  "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};

std::int32_t ITERATIONS = 0;
std::time_t START_TIME = 0;

// atoi's reading (leading white space, a sign, the digits up to the first
// non-digit, 0 when there are none), but a number outside the 32-bit range
// is clamped to the nearest bound instead of being undefined.
std::int32_t ReadValue(const char *text)
{
	const long long value = std::strtoll(text, nullptr, 10);
	return static_cast<std::int32_t>(
	    std::clamp<long long>(value, INT32_MIN, INT32_MAX));
}

// Only the letter after the '-' counts, and a value follows it directly.
void ParseOptions(int argc, const char *const argv[])
{
	for (int n = 1; n < argc; n++) {
		const char *arg = argv[n];
		if (arg[0] != '-')
			continue;
		switch (arg[1]) {
		case 'c': C_VAL = ReadValue(arg + 2); break;
		case 'i': I_VAL = ReadValue(arg + 2); break;
		case 'p': P_VAL = ReadValue(arg + 2); break;
		case 'h': HFLAG = 1; break;
		case 'l': LFLAG = 1; break;
		case 't': TFLAG = 1; break;
		case 'v': VFLAG = 1; break;
		default:
			CheckWrite(std::printf("Unknown option %s Try -h to display help\n", arg));
			break;
		}
	}
	CheckWrite(std::fflush(stdout));
}

void WriteString(std::int32_t length)
{
	GenString(length);
	CheckWrite(std::putchar('\n'));
	CheckWrite(std::fflush(stdout));
}

// The asctime layout, day of month padded with a space, built from the
// fields: asctime itself is undefined for years past 9999. The start time
// is converted only here, so a run without -t never reads the time zone.
void WriteStamp()
{
	if (const std::tm *t = std::localtime(&START_TIME))
		CheckWrite(std::printf("Runtime is: %s %s%3d %02d:%02d:%02d %lld\n\n",
		                       DAYS[t->tm_wday], MONTHS[t->tm_mon], t->tm_mday, t->tm_hour,
		                       t->tm_min, t->tm_sec, t->tm_year + 1900LL));
	else
		CheckWrite(std::puts("Runtime is: unknown\n"));
	CheckWrite(std::fflush(stdout));
}

}  // namespace

int main(int argc, char *argv[])
{
	// The stamp shows when the run started, however long the strings take.
	START_TIME = std::time(nullptr);
	// Whole seconds: runs started in the same second repeat their strings,
	// as the help text warns.
	std::srand(static_cast<unsigned>(std::time(nullptr)));

	ParseOptions(argc, argv);

	if (HFLAG != 0) {
		CheckWrite(std::puts(USAGE));
		CheckWrite(std::puts(HELP));
		CheckWrite(std::fflush(stdout));
	}
	if (VFLAG != 0) {
		CheckWrite(std::puts(VERSION));
		CheckWrite(std::fflush(stdout));
	}

	// -iM asks for M strings in all. Phase A writes the first when -c gives a
	// length, phase C when it does not, and phase B the M - 1 others between
	// them; the stamp follows whichever string is last. -h and -v withhold
	// the default string of a run that asks for nothing more, but not the
	// last of an -i run. A -c of zero or less means the default length.
	if (C_VAL > 0) {
		WriteString(C_VAL);
		if (TFLAG != 0 && I_VAL <= 1)
			WriteStamp();
	}
	for (ITERATIONS = 1; ITERATIONS < I_VAL; ITERATIONS++) {
		WriteString(C_VAL > 0 ? C_VAL : DEFAULT_LENGTH);
		if (TFLAG != 0 && C_VAL > 0 && ITERATIONS + 1 == I_VAL)
			WriteStamp();
	}
	if (argc > 0 && C_VAL <= 0 && ((HFLAG == 0 && VFLAG == 0) || I_VAL > 1)) {
		WriteString(DEFAULT_LENGTH);
		if (TFLAG != 0)
			WriteStamp();
	}
	return 0;
}
