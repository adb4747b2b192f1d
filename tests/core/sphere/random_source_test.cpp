// The random source: a seed replays its draws, and a seed no clock gives reads as 0.
#include "core/sphere/random_source.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace globulon {
namespace {

std::vector<float> DrawsAfterSeed(double seed) {
    RandomSource random;
    random.Reseed(seed);
    return {random.Uniform(), random.Uniform(), random.Uniform(), random.Uniform()};
}

TEST(RandomSource, TheSameClockReadingReplaysTheDrawsAndAMillisecondChangesThem) {
    EXPECT_EQ(DrawsAfterSeed(43200.125), DrawsAfterSeed(43200.125));
    EXPECT_NE(DrawsAfterSeed(43200.125), DrawsAfterSeed(43200.126));
}

TEST(RandomSource, NegativeNonFiniteOrHugeSeedsReadAsZero) {
    const std::vector<float> fromZero = DrawsAfterSeed(0.0);
    for (double seed : {-1.0, -1e300, 1e300, double(INFINITY), double(-INFINITY), double(NAN)}) {
        EXPECT_EQ(DrawsAfterSeed(seed), fromZero) << seed;
    }
}

}  // namespace
}  // namespace globulon
