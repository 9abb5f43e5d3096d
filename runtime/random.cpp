// The process's random numbers: one MT19937 generator as published, with a
// seed the program can change between draws.
//
// The generator notices a new seed by comparing RandomSeed with the seed it
// last used. After using a seed it stores the seed's complement in both, so
// the two agree until the program writes RandomSeed again; only then does
// the next draw start over.
#include <lumenbox/random.h>

#include <lumenbox/win/kernel.h>

#include <array>

namespace lumenbox {

std::uint32_t RandomSeed = 0;

namespace {

constexpr std::uint32_t kStateWords = 624;
constexpr std::uint32_t kShift = 397;
constexpr std::uint32_t kMatrix = 0x9908b0dfu;
constexpr std::uint32_t kUpperMask = 0x80000000u;
constexpr std::uint32_t kLowerMask = 0x7fffffffu;
constexpr std::uint32_t kDefaultSeed = 5489;
constexpr std::uint32_t kNotInitialised = kStateWords + 1;

struct Twister {
    std::array<std::uint32_t, kStateWords> state{};
    std::uint32_t index = kNotInitialised;
    std::uint32_t lastSeed = 0;
};

// Used from the program's thread only, so it needs no lock.
Twister generator;

void InitGenrand(std::uint32_t seed) {
    generator.state[0] = seed;
    for (std::uint32_t i = 1; i < kStateWords; ++i) {
        const std::uint32_t previous = generator.state[i - 1];
        generator.state[i] = 1812433253u * (previous ^ (previous >> 30)) + i;
    }
    generator.index = kStateWords;
}

std::uint32_t Twist(std::uint32_t upper, std::uint32_t lower, std::uint32_t far) {
    const std::uint32_t y = (upper & kUpperMask) | (lower & kLowerMask);
    return far ^ (y >> 1) ^ ((y & 1u) ? kMatrix : 0u);
}

// Makes the next 624 words at once, the standard way.
void Regenerate() {
    if (generator.index == kNotInitialised) InitGenrand(kDefaultSeed);
    auto& mt = generator.state;
    for (std::uint32_t i = 0; i < kStateWords; ++i)
        mt[i] = Twist(mt[i], mt[(i + 1) % kStateWords], mt[(i + kShift) % kStateWords]);
    generator.index = 0;
}

std::uint32_t Temper(std::uint32_t y) {
    y ^= y >> 11;
    y ^= (y << 7) & 0x9d2c5680u;
    y ^= (y << 15) & 0xefc60000u;
    y ^= y >> 18;
    return y;
}

void TakeNewSeed() {
    if (RandomSeed == generator.lastSeed) return;
    InitGenrand(RandomSeed);
    RandomSeed = ~RandomSeed;
    generator.lastSeed = RandomSeed;
}

std::uint32_t NextOutput() {
    TakeNewSeed();
    if (generator.index >= kStateWords) Regenerate();
    return Temper(generator.state[generator.index++]);
}

}  // namespace

void SeedRandom() { RandomSeed = win::GetTickCount(); }

std::int32_t RandomBelow(std::int32_t n) {
    if (n < 0) ++n;
    const std::uint32_t u = NextOutput();
    const std::int64_t product = static_cast<std::int64_t>(n) * static_cast<std::int64_t>(u);
    return static_cast<std::int32_t>(product >> 32);
}

}  // namespace lumenbox
