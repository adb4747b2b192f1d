// The About box's design converted to pixels: truncation, link lines, centring.
#include "core/forms/about_layout.h"

#include <gtest/gtest.h>

#include "core/forms/dpi_scale.h"

namespace globulon {
namespace {

TEST(AboutDesign, OkButtonAt96DpiTruncatesTowardZero) {
    const PixelRect ok = TwipsToPixelsAtDpi(about_design::OkButton, 96);
    EXPECT_EQ(ok.Left, 182);
    EXPECT_EQ(ok.Top, 173);
    EXPECT_EQ(ok.Width, 73);
    EXPECT_EQ(ok.Height, 23);
}

TEST(LinkTopOnLine, PutsTheLinkOnItsLineWithBaselinesLevel) {
    EXPECT_EQ(LinkTopOnLine(100, 16, 1, 13, 13), 100);
    EXPECT_EQ(LinkTopOnLine(100, 16, 8, 13, 11), 100 + 7 * 16 + 2);
    EXPECT_EQ(LinkTopOnLine(100, 16, 9, 13, 11) - LinkTopOnLine(100, 16, 8, 13, 11), 16);
}

TEST(CentredOffset, HalvesTheSpareRoomTruncating) {
    EXPECT_EQ(CentredOffset(1024, 443), 290);
    EXPECT_EQ(CentredOffset(10, 10), 0);
    EXPECT_EQ(CentredOffset(10, 11), 0);
    EXPECT_EQ(CentredOffset(10, 13), -1);
}

}  // namespace
}  // namespace globulon
