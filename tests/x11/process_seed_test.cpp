// The per-process seed: processes started together on several monitors draw different colours.
#include "x11/process_seed.h"

#include <gtest/gtest.h>

#include <set>

namespace globulon::x11 {
namespace {

TEST(ProcessSeed, NeighbouringIdsAndInstantsGiveDifferentSeeds) {
    constexpr std::int64_t Second = 1'765'000'000'000'000'000;
    std::set<std::uint32_t> seeds;
    for (std::int64_t pid = 1000; pid < 1032; ++pid) {
        for (std::int64_t nanoseconds = 0; nanoseconds < 32; ++nanoseconds) {
            seeds.insert(MixSeed(Second + nanoseconds, pid));
        }
    }
    EXPECT_EQ(seeds.size(), 32u * 32u);
}

}  // namespace
}  // namespace globulon::x11
