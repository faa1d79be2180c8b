// SPDX-License-Identifier: MIT
// Randomized argument vectors against a small model of the run sequence.
// KORVANE_SEED replays a run; KORVANE_VECTORS sets how many vectors to try.
// Without it, up to 2000 are tried for at most 20 seconds: each is a new
// process, which under emulation or on a slow board costs many times what it
// does here, and the test must end well inside its timeout there too.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <random>

#include "run.h"

namespace {

struct Model {
	std::int64_t c = 0, i = 0, p = 0;
	bool h = false, l = false, t = false, v = false;
	std::string messages;
};

std::int64_t Atoi(const std::string &s)
{
	size_t at = s.find_first_not_of(" \t\n\v\f\r");
	if (at == std::string::npos)
		return 0;
	const bool minus = s[at] == '-';
	if (s[at] == '-' || s[at] == '+')
		at++;
	std::int64_t n = 0;
	for (; at < s.size() && s[at] >= '0' && s[at] <= '9'; at++)
		n = std::min<std::int64_t>(n * 10 + (s[at] - '0'), std::int64_t{1} << 32);
	return minus ? std::max<std::int64_t>(-n, INT32_MIN) : std::min<std::int64_t>(n, INT32_MAX);
}

Model Parse(const std::vector<std::string> &args)
{
	Model m;
	for (const auto &a : args) {
		if (a.empty() || a[0] != '-')
			continue;
		const char letter = a.size() > 1 ? a[1] : '\0';
		const std::string rest = a.size() > 2 ? a.substr(2) : "";
		if (letter == 'c') m.c = Atoi(rest);
		else if (letter == 'i') m.i = Atoi(rest);
		else if (letter == 'p') m.p = Atoi(rest);
		else if (letter == 'h') m.h = true;
		else if (letter == 'l') m.l = true;
		else if (letter == 't') m.t = true;
		else if (letter == 'v') m.v = true;
		else m.messages += "Unknown option " + a + " Try -h to display help\n";
	}
	return m;
}

std::string Value(std::mt19937 &rng)
{
	const char *pieces[] = {"", "+", "-", " ", "\t", "0000", "7", "12", "99999999999999999999",
	                        "2147483647", "2147483648", "x", "abc", "-3", "5", "\xff"};
	std::string v;
	for (int n = static_cast<int>(rng() % 4); n > 0; n--)
		v += pieces[rng() % std::size(pieces)];
	return v;
}

std::string Argument(std::mt19937 &rng)
{
	const std::string letters = "cipcipchltvCxHq-";
	switch (rng() % 8) {
	case 0: return "word";
	case 1: return "-";
	case 2: {
		std::string raw = "-";
		for (int n = static_cast<int>(rng() % 6); n >= 0; n--)
			raw += static_cast<char>(1 + rng() % 255);
		return raw;
	}
	case 3: return std::string("-c") + std::string(300 + rng() % 300, '0') + "9";
	default: return std::string("-") + letters[rng() % letters.size()] + Value(rng);
	}
}

TEST(Random, ArgumentVectorsMatchTheModel)
{
	const char *seed_text = std::getenv("KORVANE_SEED");
	const char *count_text = std::getenv("KORVANE_VECTORS");
	const unsigned seed = seed_text ? static_cast<unsigned>(std::stoul(seed_text)) : std::random_device{}();
	const int vectors = count_text ? std::stoi(count_text) : 2000;
	using Watch = std::chrono::steady_clock;
	const auto budget = count_text ? Watch::duration::max() : std::chrono::seconds(20);
	const auto started = Watch::now();
	std::printf("KORVANE_SEED=%u KORVANE_VECTORS=%d\n", seed, vectors);
	std::mt19937 rng(seed);
	int run = 0;
	for (; run < vectors && Watch::now() - started < budget; run++) {
		std::vector<std::string> args;
		const int size = rng() % 50 == 0 ? 3000 : static_cast<int>(rng() % 8);
		for (int n = 0; n < size; n++)
			args.push_back(Argument(rng));
		const Model m = Parse(args);
		const std::int64_t length = m.c > 0 ? m.c : 6;
		std::int64_t strings = m.i > 1 ? m.i : 1;
		if (m.c <= 0 && (m.h || m.v) && m.i <= 1)
			strings = 0;
		if (length * strings > 100000) {
			run--;
			continue;
		}
		std::string prefix = m.messages;
		if (m.h)
			prefix += USAGE + HELP + "\n";
		if (m.v)
			prefix += VERSION;
		const int group = m.p > 0 ? static_cast<int>(m.p) : 0;
		ExpectRun(args, prefix, static_cast<size_t>(strings), static_cast<int>(length), group, m.l,
		          m.t && strings > 0);
		if (HasFailure()) {
			ADD_FAILURE() << "replay with KORVANE_SEED=" << seed << ", vector " << run;
			return;
		}
	}
	std::printf("%d vectors tried\n", run);
}

}  // namespace
