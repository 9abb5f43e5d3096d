// Lumenbox random numbers: one Mersenne Twister (MT19937) for the process,
// used from the program's thread only.
#pragma once

#include <cstdint>

#include <lumenbox/export.h>

namespace lumenbox {

// The seed the next draw starts from when it differs from the last one used.
extern LUMENBOX_API std::uint32_t RandomSeed;

// Seeds from the millisecond tick count; the generator restarts at the next draw.
LUMENBOX_API void SeedRandom();
// Uniform in 0 to n - 1 for n > 0: the high 32 bits of n times the next
// 32-bit output. 0 for n = 0; a negative n is first increased by 1.
LUMENBOX_API std::int32_t RandomBelow(std::int32_t n);

}  // namespace lumenbox
