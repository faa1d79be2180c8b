// SPDX-License-Identifier: MIT
// Random strings. Each character is drawn and written before the next is
// drawn, so it leaves the process as soon as it exists and a string of any
// length costs no memory.
#include "generator.h"

#include <array>
#include <cerrno>
#include <cstddef>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#if defined(_WIN32)
#include <io.h>
#else
#include <unistd.h>
#endif

#include "settings.h"

namespace {

template <std::size_t N>
constexpr std::array<std::uint16_t, N - 1> CharacterSet(const char (&text)[N])
{
	std::array<std::uint16_t, N - 1> set{};
	for (std::size_t i = 0; i < N - 1; i++)
		set[i] = static_cast<unsigned char>(text[i]);
	return set;
}

// The order is the mapping from a drawn index to its character.
constexpr auto ARRAYLOWER = CharacterSet(
    "0123456789abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ");
constexpr auto ARRAYUPPER = CharacterSet("0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ");
static_assert(ARRAYLOWER.size() == 62 && ARRAYUPPER.size() == 36);

std::int32_t LOOPNUMBER = 0;

[[noreturn]] void WriteFailed()
{
	const int error = errno;
	std::fprintf(stderr, "korvane: write error: %s\n", std::strerror(error));
	std::exit(EXIT_FAILURE);
}

// Each character is flushed as soon as it is drawn, and with a flush per
// byte stdio's bookkeeping costs more than the byte's system call; so the
// characters go straight to the descriptor. Every stdio output is flushed as
// soon as it is written, which leaves the stream's buffer empty whenever this
// runs: that is what keeps the texts and the characters in order.
void WriteOut(const char *bytes, std::size_t size)
{
	while (size > 0) {
#if defined(_WIN32)
		const long n = _write(1, bytes, static_cast<unsigned>(size));
#else
		const long n = write(STDOUT_FILENO, bytes, size);
#endif
		if (n < 0 && errno == EINTR)
			continue;
		if (n == 0)
			errno = ENOSPC;
		if (n <= 0)
			WriteFailed();
		bytes += n;
		size -= static_cast<std::size_t>(n);
	}
}

}  // namespace

void CheckWrite(int result)
{
	if (result < 0)
		WriteFailed();
}

void GenString(std::int32_t count)
{
	// Neither setting changes during a run; read once, they stay in registers
	// across the calls of the loop.
	const std::int32_t group = P_VAL;
	const bool lower = LFLAG != 0;
	char out[2];
	for (LOOPNUMBER = 0; LOOPNUMBER < count; LOOPNUMBER++) {
		std::size_t size = 0;
		// Decided before the draw, so grouping never changes the characters;
		// it leaves in the same write as the character after it.
		if (group > 0 && LOOPNUMBER != 0 && LOOPNUMBER % group == 0)
			out[size++] = '-';
		// rand is never negative, and an unsigned remainder is the cheaper one.
		const auto r = static_cast<unsigned>(std::rand());
		out[size++] = static_cast<char>(lower ? ARRAYLOWER[r % 62] : ARRAYUPPER[r % 36]);
		WriteOut(out, size);
	}
}
