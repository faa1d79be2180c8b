// Random strings. Each character is drawn, written and flushed before the
// next is drawn, so it leaves the process as soon as it exists and a string
// of any length costs no memory.
#include "generator.h"

#include <array>
#include <cerrno>
#include <cstddef>
#include <cstdio>
#include <cstdlib>
#include <cstring>

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

// One thread writes, so the per-call stream lock is pure cost on the hot
// path: take the unlocked calls where the C library has them.
int PutCharacter(int c)
{
#if defined(__GLIBC__)
	return putchar_unlocked(c);
#elif defined(_WIN32)
	return _putchar_nolock(c);
#else
	return std::putchar(c);
#endif
}

int FlushOutput()
{
#if defined(__GLIBC__)
	return fflush_unlocked(stdout);
#else
	return std::fflush(stdout);
#endif
}

}  // namespace

void CheckWrite(int result)
{
	if (result >= 0)
		return;
	const int error = errno;
	std::fprintf(stderr, "korvane: write error: %s\n", std::strerror(error));
	std::exit(EXIT_FAILURE);
}

void GenString(std::int32_t count)
{
	for (LOOPNUMBER = 0; LOOPNUMBER < count; LOOPNUMBER++) {
		// Decided before the draw, so grouping never changes the characters.
		if (P_VAL > 0 && LOOPNUMBER != 0 && LOOPNUMBER % P_VAL == 0)
			CheckWrite(PutCharacter('-'));
		const int r = std::rand();
		const std::uint16_t c = LFLAG != 0 ? ARRAYLOWER[static_cast<std::size_t>(r % 62)]
		                                   : ARRAYUPPER[static_cast<std::size_t>(r % 36)];
		CheckWrite(PutCharacter(c));
		CheckWrite(FlushOutput());
	}
}
