// Rounding to the nearest integer: halves to even up to the ends of the 32-bit range, and what
// lies beyond them.
#include "core/settings/rounding.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace globulon {
namespace {

constexpr std::int32_t Int32Min = std::numeric_limits<std::int32_t>::min();
constexpr std::int32_t Int32Max = std::numeric_limits<std::int32_t>::max();

TEST(Rnd, HalvesGoToEvenUpToTheEndsOfTheRange) {
    EXPECT_EQ(Rnd(2.5), 2);
    EXPECT_EQ(Rnd(-3.5), -4);
    EXPECT_EQ(Rnd(2147483646.5), 2147483646);
    EXPECT_EQ(Rnd(-2147483647.5), Int32Min);
}

TEST(Rnd, ValuesBeyondTheRangeStopAtItsEnds) {
    EXPECT_EQ(Rnd(2147483647.5), Int32Max);
    EXPECT_EQ(Rnd(2147483648.0), Int32Max);
    EXPECT_EQ(Rnd(1e300), Int32Max);
    EXPECT_EQ(Rnd(INFINITY), Int32Max);
    EXPECT_EQ(Rnd(-2147483649.0), Int32Min);
    EXPECT_EQ(Rnd(-INFINITY), Int32Min);
}

TEST(Rnd, NotANumberGivesZero) {
    EXPECT_EQ(Rnd(NAN), 0);
}

}  // namespace
}  // namespace globulon
