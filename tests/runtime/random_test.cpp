// The random generator against the reference MT19937 (std::mt19937 produces
// the published sequence for any seed). Each test starts the generator over
// from a seed of its own by writing RandomSeed, as a program would.
#include <lumenbox/random.h>

#include <lumenbox/win/kernel.h>

#include <cstdint>
#include <limits>
#include <random>

#include <gtest/gtest.h>

namespace {

using lumenbox::RandomBelow;
using lumenbox::RandomSeed;

// Starts the generator over at `seed` from the next draw. A seed equal to the
// complement of the one used last would be taken for "no change", so the
// seeds below avoid that.
std::mt19937 Restart(std::uint32_t seed) {
    RandomSeed = seed;
    return std::mt19937(seed);
}

// The high 32 bits of n * u, computed without signed arithmetic: for n > 0
// it is floor(n * u / 2^32).
std::int32_t ScaleUp(std::uint32_t n, std::uint32_t u) {
    return static_cast<std::int32_t>((std::uint64_t{n} * u) >> 32);
}

TEST(RandomBelow, FollowsTheReferenceSequenceForAnySeed) {
    for (std::uint32_t seed : {1u, 42u, 19650218u, 0xdeadbeefu}) {
        std::mt19937 reference = Restart(seed);
        // Past one regeneration of the 624-word state.
        for (int i = 0; i < 1300; ++i) {
            const std::uint32_t u = reference();
            ASSERT_EQ(RandomBelow(1000), ScaleUp(1000, u)) << "seed " << seed << " draw " << i;
        }
    }
}

TEST(RandomBelow, TwoIsTheTopBitOfTheOutput) {
    std::mt19937 reference = Restart(7);
    for (int i = 0; i < 500; ++i) {
        const std::int32_t r = RandomBelow(2);
        ASSERT_TRUE(r == 0 || r == 1);
        ASSERT_EQ(r, static_cast<std::int32_t>(reference() >> 31));
    }
}

TEST(RandomBelow, ZeroGivesZeroAndStillUsesADraw) {
    std::mt19937 reference = Restart(99);
    EXPECT_EQ(RandomBelow(0), 0);
    reference();
    EXPECT_EQ(RandomBelow(0x7fffffff), ScaleUp(0x7fffffff, reference()));
}

TEST(RandomBelow, NegativeBoundIsFirstIncreasedByOne) {
    std::mt19937 reference = Restart(1234);
    for (int i = 0; i < 200; ++i) {
        const std::uint32_t u = reference();
        // n = -5 works as -4: floor(-4u / 2^32) = -ceil(4u / 2^32).
        const auto expected = -static_cast<std::int32_t>((4 * std::uint64_t{u} + 0xffffffffu) >> 32);
        ASSERT_EQ(RandomBelow(-5), expected);
    }
    EXPECT_EQ(RandomBelow(-1), 0);  // -1 + 1 = 0
    const std::int32_t extreme = RandomBelow(std::numeric_limits<std::int32_t>::min());
    EXPECT_LE(extreme, 0);
    EXPECT_GE(extreme, -0x7fffffff);
}

TEST(RandomSeeding, WritingTheSameSeedAgainRestartsTheSequence) {
    std::mt19937 reference = Restart(2024);
    const std::uint32_t first = reference();
    EXPECT_EQ(RandomBelow(1 << 30), ScaleUp(1 << 30, first));
    RandomBelow(1 << 30);
    RandomBelow(1 << 30);
    Restart(2024);
    EXPECT_EQ(RandomBelow(1 << 30), ScaleUp(1 << 30, first));
}

TEST(RandomSeeding, LeavingTheComplementInPlaceContinuesTheSequence) {
    std::mt19937 reference = Restart(31337);
    EXPECT_EQ(RandomBelow(1000), ScaleUp(1000, reference()));
    RandomSeed = ~31337u;  // what the generator left there: not a new seed
    EXPECT_EQ(RandomBelow(1000), ScaleUp(1000, reference()));
}

TEST(SeedRandom, SeedsFromTheTickCountAtTheNextDraw) {
    Restart(77);
    RandomBelow(10);  // the generator now holds ~77 as its last seed
    const std::uint32_t before = lumenbox::win::GetTickCount();
    lumenbox::SeedRandom();
    const std::uint32_t after = lumenbox::win::GetTickCount();
    const std::uint32_t seed = RandomSeed;
    EXPECT_LE(seed - before, after - before);  // taken between the two readings (wrap-safe)
    ASSERT_NE(seed, ~77u);  // a tick count equal to the stored complement would be ignored

    std::mt19937 reference(seed);
    // Two draws after one seeding continue one sequence.
    EXPECT_EQ(RandomBelow(1 << 20), ScaleUp(1 << 20, reference()));
    EXPECT_EQ(RandomBelow(1 << 20), ScaleUp(1 << 20, reference()));
    EXPECT_EQ(RandomSeed, ~seed);
}

}  // namespace
