// SPDX-License-Identifier: MIT
// Runs korvane in a child process on the test clock and compares what it
// wrote with what it must write.
#include "run.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>

const std::string STAMP = "Runtime is: Thu Mar  5 07:08:09 2026\n\n";
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
const std::string VERSION = "korvane, version " KORVANE_VERSION "\n";

// Reads both pipes to their ends at once: a child that fills one while the
// test waits on the other would block, and the test with it.
static void Drain(int out, int err, Result &r)
{
	struct pollfd fds[2] = {{out, POLLIN, 0}, {err, POLLIN, 0}};
	std::string *texts[2] = {&r.out, &r.err};
	char buf[65536];
	for (int open = 2; open > 0;) {
		if (poll(fds, 2, -1) < 0) {
			if (errno == EINTR)
				continue;
			std::abort();
		}
		for (int i = 0; i < 2; i++) {
			if (fds[i].fd < 0 || fds[i].revents == 0)
				continue;
			const ssize_t n = read(fds[i].fd, buf, sizeof buf);
			if (n > 0) {
				texts[i]->append(buf, static_cast<size_t>(n));
			} else if (n == 0 || errno != EINTR) {
				close(fds[i].fd);
				fds[i].fd = -1;
				open--;
			}
		}
	}
}

std::string Clock(long long start)
{
	return "KORVANE_CLOCK=" + std::to_string(start) + " " + std::to_string(start + 1) + " " +
	       std::to_string(start + 3600);
}

Result Exec(const std::vector<std::string> &argv, Stdout mode,
            const std::vector<std::string> &env)
{
	// g++'s AddressSanitizer will not start behind a preload unless told
	// not to check the order.
	std::vector<std::string> vars = {"TZ=UTC", Clock(START), "LD_PRELOAD=" KORVANE_CLOCK_LIB,
	                                 "ASAN_OPTIONS=verify_asan_link_order=0",
	                                 std::string("KORVANE=") + KORVANE_BIN, "PATH=/usr/bin:/bin"};
	for (const auto &e : env) {
		const size_t name = e.find('=') + 1;
		auto same = std::find_if(vars.begin(), vars.end(),
		                         [&](const std::string &v) { return v.compare(0, name, e, 0, name) == 0; });
		if (same != vars.end())
			*same = e;
		else
			vars.push_back(e);
	}
	int out[2], err[2];
	if (pipe(out) != 0 || pipe(err) != 0)
		std::abort();
	pid_t pid = fork();
	if (pid == 0) {
		if (mode == Stdout::Pipe)
			dup2(out[1], 1);
		else if (mode == Stdout::DevNull)
			dup2(open("/dev/null", O_WRONLY), 1);
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
		for (const auto &v : vars)
			envp.push_back(const_cast<char *>(v.c_str()));
		args.push_back(nullptr);
		envp.push_back(nullptr);
		execve(args[0], args.data(), envp.data());
		_exit(127);
	}
	close(out[1]);
	close(err[1]);
	Result r{"", "", 0};
	Drain(out[0], err[0], r);
	int status = 0;
	waitpid(pid, &status, 0);
	r.status = WIFEXITED(status) ? WEXITSTATUS(status) : -WTERMSIG(status);
	return r;
}

Result Korvane(const std::vector<std::string> &args, Stdout mode,
               const std::vector<std::string> &env)
{
	std::vector<std::string> argv = {KORVANE_BIN};
	argv.insert(argv.end(), args.begin(), args.end());
	return Exec(argv, mode, env);
}

Result Shell(const std::string &script) { return Exec({"/bin/bash", "-c", script}); }

void ExpectRun(const std::vector<std::string> &args, const std::string &prefix, size_t strings,
               int length, int group, bool lower, bool stamped)
{
	std::string label;
	for (const auto &a : args)
		label += a + " ";
	const Result r = Korvane(args);
	EXPECT_EQ(r.status, 0) << label;
	EXPECT_EQ(r.err, "") << label;
	EXPECT_EQ(r.out, prefix + Strings(START + 1, static_cast<int>(strings), length, group, lower) +
	                     (stamped ? STAMP : ""))
	    << label;
}
