#include "run.h"

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <regex>

const char *const LOWER = "0123456789abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ";
const char *const UPPER = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ";
const std::string USAGE = "\nkorvane [-h -l -t -v] [-cCharacters] [-iIterations] [-pCount]\n";
const std::string HELP =
    "\nExample usage: \n\n korvane -c10 -i2 -p5 -l\n\nThese arguments will output ten characters "
    "separated into two groups of five characters and two iterations with lower case characters "
    "enabled\n\nEXAMPLE output:\n\n qRjOe-QKsFp\n 1vYXs-Tj4aY\n\nThe -l argument enables the lower "
    "case character set making 26 additional symbols possible. Not all characters will appear in "
    "lower case as each character is randomly selected from available symbols for each character "
    "printed.\n\nThe -h argument displays this help screen\n\nThe -v argument displays version "
    "information\n\nThe -t argument displays a runtime stamp\n\nIf you obtain repeat values  wait "
    "at least one second before running the applicaiton again.\nThe functions used in this "
    "applicaiton select random output based on the current second.If you obtain repeat values then "
    "wait one second before running the applicaiton again or use the -i option to obtain multiple "
    "values. To get 5 strings include the argument -i5";
const std::string VERSION = "korvane, version 1.0c\n";

static std::string Drain(int fd)
{
	std::string text;
	char buf[65536];
	ssize_t n;
	while ((n = read(fd, buf, sizeof buf)) > 0)
		text.append(buf, static_cast<size_t>(n));
	close(fd);
	return text;
}

Result Exec(const std::vector<std::string> &argv, Stdout mode,
            const std::vector<std::string> &extra)
{
	int out[2], err[2];
	if (pipe(out) != 0 || pipe(err) != 0)
		std::abort();
	std::vector<std::string> env = {"TZ=UTC", std::string("KORVANE=") + KORVANE_BIN,
	                                "PATH=/usr/bin:/bin"};
	env.insert(env.end(), extra.begin(), extra.end());
	pid_t pid = fork();
	if (pid == 0) {
		if (mode == Stdout::Pipe)
			dup2(out[1], 1);
		else if (mode == Stdout::DevFull)
			dup2(open("/dev/full", O_WRONLY), 1);
		else
			close(1);
		dup2(err[1], 2);
		for (int fd : {out[0], out[1], err[0], err[1]})
			if (fd > 2)
				close(fd);
		std::vector<char *> args, envp;
		for (const auto &a : argv)
			args.push_back(const_cast<char *>(a.c_str()));
		for (const auto &e : env)
			envp.push_back(const_cast<char *>(e.c_str()));
		args.push_back(nullptr);
		envp.push_back(nullptr);
		execve(args[0], args.data(), envp.data());
		_exit(127);
	}
	close(out[1]);
	close(err[1]);
	Result r{Drain(out[0]), Drain(err[0]), 0};
	int status = 0;
	waitpid(pid, &status, 0);
	r.status = WIFEXITED(status) ? WEXITSTATUS(status) : -WTERMSIG(status);
	return r;
}

Result Korvane(const std::vector<std::string> &args, Stdout mode)
{
	std::vector<std::string> argv = {KORVANE_BIN};
	argv.insert(argv.end(), args.begin(), args.end());
	return Exec(argv, mode);
}

Result Shell(const std::string &script) { return Exec({"/bin/bash", "-c", script}); }

std::vector<std::string> Lines(const std::string &text)
{
	std::vector<std::string> lines;
	size_t start = 0, end;
	while ((end = text.find('\n', start)) != std::string::npos) {
		lines.push_back(text.substr(start, end - start));
		start = end + 1;
	}
	if (start < text.size())
		lines.push_back(text.substr(start) + "<no line break>");
	return lines;
}

std::time_t StampTime(const std::string &text)
{
	std::tm t{};
	if (strptime(text.c_str(), "Runtime is: %a %b %e %H:%M:%S %Y", &t) == nullptr)
		return -1;
	return timegm(&t);
}

bool IsString(const std::string &line, int length, int group, bool lower)
{
	const char *set = lower ? LOWER : UPPER;
	size_t at = 0;
	for (int i = 0; i < length; i++) {
		if (group > 0 && i > 0 && i % group == 0 && (at >= line.size() || line[at++] != '-'))
			return false;
		if (at >= line.size() || line[at] == '\0' || !std::strchr(set, line[at]))
			return false;
		at++;
	}
	return at == line.size();
}

static const std::regex STAMP("Runtime is: (Sun|Mon|Tue|Wed|Thu|Fri|Sat) "
                       "(Jan|Feb|Mar|Apr|May|Jun|Jul|Aug|Sep|Oct|Nov|Dec) "
                       "[ 123][0-9] [0-2][0-9]:[0-5][0-9]:[0-6][0-9] [0-9]{4}");

// Checks that out is prefix, then strings of the given length, then the
// stamp and an empty line when stamped.
void ExpectRun(const std::vector<std::string> &args, const std::string &prefix, size_t strings,
               int length, int group, bool lower, bool stamped)
{
	std::string label;
	for (const auto &a : args)
		label += a + " ";
	const Result r = Korvane(args);
	EXPECT_EQ(r.status, 0) << label;
	EXPECT_EQ(r.err, "") << label;
	ASSERT_EQ(r.out.substr(0, prefix.size()), prefix) << label;
	std::vector<std::string> lines = Lines(r.out.substr(prefix.size()));
	if (stamped) {
		ASSERT_GE(lines.size(), 2u) << label;
		EXPECT_EQ(lines.back(), "") << label;
		EXPECT_TRUE(std::regex_match(lines[lines.size() - 2], STAMP)) << label << lines[lines.size() - 2];
		lines.resize(lines.size() - 2);
	}
	ASSERT_EQ(lines.size(), strings) << label;
	for (const auto &line : lines)
		EXPECT_TRUE(IsString(line, length, group, lower)) << label << line;
}

