// The random source: a seed replays its draws, a clock reading's milliseconds are its seed, a
// reading no clock gives seeds 0, and processes started together get seeds of their own.
#include "core/sphere/random_source.h"

#include <gtest/gtest.h>

#include <cmath>
#include <set>
#include <vector>

namespace globulon {
namespace {

std::vector<float> DrawsAfterSeed(std::uint32_t seed) {
    RandomSource random(seed);
    return {random.Uniform(), random.Uniform(), random.Uniform(), random.Uniform()};
}

TEST(RandomSource, TheSameSeedReplaysTheDrawsAndAnotherChangesThem) {
    EXPECT_EQ(DrawsAfterSeed(43200125), DrawsAfterSeed(43200125));
    EXPECT_NE(DrawsAfterSeed(43200125), DrawsAfterSeed(43200126));
    RandomSource reseeded(7);
    reseeded.Uniform();
    reseeded.Reseed(43200125);
    EXPECT_EQ(reseeded.Uniform(), DrawsAfterSeed(43200125).front());
}

TEST(SeedFromClockSeconds, EachMillisecondIsASeedOfItsOwn) {
    EXPECT_EQ(SeedFromClockSeconds(43200.125), 43200125u);
    EXPECT_NE(SeedFromClockSeconds(43200.125), SeedFromClockSeconds(43200.126));
    EXPECT_EQ(SeedFromClockSeconds(0.0009), 0u);
    // Beyond 32 bits of milliseconds the low bits count.
    EXPECT_EQ(SeedFromClockSeconds(8388608.0), 8388608000u - 4294967296u);
}

TEST(SeedFromClockSeconds, NegativeNonFiniteOrHugeReadingsGiveZero) {
    for (double seconds : {-1.0, -1e300, 1e300, double(INFINITY), double(-INFINITY), double(NAN)}) {
        EXPECT_EQ(SeedFromClockSeconds(seconds), 0u) << seconds;
    }
}

TEST(SeedFromClockAndProcess, NeighbouringIdsAndInstantsGiveDifferentSeeds) {
    constexpr std::int64_t Second = 1'765'000'000'000'000'000;
    std::set<std::uint32_t> seeds;
    for (std::int64_t pid = 1000; pid < 1032; ++pid) {
        for (std::int64_t nanoseconds = 0; nanoseconds < 32; ++nanoseconds) {
            seeds.insert(SeedFromClockAndProcess(Second + nanoseconds, pid));
        }
    }
    EXPECT_EQ(seeds.size(), 32u * 32u);
}

}  // namespace
}  // namespace globulon
