// Splitting colour values into the bytes the dialog's lists select.
#include "core/forms/split_color.h"

#include <gtest/gtest.h>

namespace globulon {
namespace {

using Bytes = std::array<std::uint8_t, 3>;

TEST(SplitColor, GivesRedGreenBlueInThatOrder) {
    EXPECT_EQ(SplitColor(128 * 256 + 255 * 65536), (Bytes{0, 128, 255}));
    EXPECT_EQ(SplitColor(MakeColor(10, 20, 30)), (Bytes{10, 20, 30}));
}

TEST(SplitColor, Extremes) {
    EXPECT_EQ(SplitColor(0), (Bytes{0, 0, 0}));
    EXPECT_EQ(SplitColor(0xFFFFFF), (Bytes{255, 255, 255}));
    // The top byte is no colour: it does not leak into blue.
    EXPECT_EQ(SplitColor(0xFF000000u | MakeColor(1, 2, 3)), (Bytes{1, 2, 3}));
}

TEST(SplitColor, RoundTripsEveryComponentValue) {
    for (int v = 0; v < 256; ++v) {
        const Bytes parts = SplitColor(MakeColor(v, 255 - v, v ^ 0x5A));
        EXPECT_EQ(parts, (Bytes{static_cast<std::uint8_t>(v), static_cast<std::uint8_t>(255 - v),
                                static_cast<std::uint8_t>(v ^ 0x5A)}));
    }
}

}  // namespace
}  // namespace globulon
