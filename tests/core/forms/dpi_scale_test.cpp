// Forms at a monitor's DPI: 96 DPI gives the sizes of 15 twips a pixel, other DPIs scale them,
// and an unknown DPI counts as 96.
#include "core/forms/dpi_scale.h"

#include <gtest/gtest.h>

#include <limits>

namespace globulon {
namespace {

TEST(TwipsToPixelsAtDpi, MatchesWholeTwipsPerPixelAndScalesBetween) {
    // 15 and 10 twips a pixel, truncated toward zero.
    for (int twips : {0, 14, 15, 3030, 4125, 6555}) {
        EXPECT_EQ(TwipsToPixelsAtDpi(twips, 96), twips / 15) << twips;
        EXPECT_EQ(TwipsToPixelsAtDpi(twips, 144), twips / 10) << twips;
    }
    EXPECT_EQ(TwipsToPixelsAtDpi(4125, 120), 343);
    // 175% and 200%, which no whole number of twips per pixel gives.
    EXPECT_EQ(TwipsToPixelsAtDpi(4125, 168), 481);
    EXPECT_EQ(TwipsToPixelsAtDpi(4125, 192), 550);
    EXPECT_EQ(TwipsToPixelsAtDpi(4125, 0), 275);
    EXPECT_EQ(TwipsToPixelsAtDpi(std::numeric_limits<std::int32_t>::max(), 0xFFFF),
              std::numeric_limits<std::int32_t>::max());
}

TEST(FontHeightAtDpi, IsNegativeAndRoundedHalfToEven) {
    EXPECT_EQ(FontHeightAtDpi(8.25, 96), -11);
    EXPECT_EQ(FontHeightAtDpi(9.75, 120), -16);  // 16.25
    EXPECT_EQ(FontHeightAtDpi(9.0, 60), -8);     // 7.5 to the even 8
    EXPECT_EQ(FontHeightAtDpi(8.25, 144), -16);  // 16.5 to the even 16
    EXPECT_EQ(FontHeightAtDpi(9.75, 0), -13);
    EXPECT_EQ(ScaleToDpi(200, 144), 300);
}

}  // namespace
}  // namespace globulon
