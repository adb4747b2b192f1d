// The About box's design converted to pixels: truncation, link lines, centring.
#include "core/forms/about_layout.h"

#include <gtest/gtest.h>

namespace globulon {
namespace {

TEST(TwipsToPixels, TruncatesTowardZero) {
    EXPECT_EQ(TwipsToPixels(6555, 15), 437);
    EXPECT_EQ(TwipsToPixels(14, 15), 0);
    EXPECT_EQ(TwipsToPixels(3180, 12), 265);
}

TEST(TwipsToPixels, UnknownScaleCountsAsFifteen) {
    EXPECT_EQ(TwipsToPixels(6555, 0), 437);
    EXPECT_EQ(TwipsToPixels(6555, -3), 437);
    const PixelRect ok = TwipsToPixels(about_design::OkButton, 0, 0);
    EXPECT_EQ(ok.Left, 182);
    EXPECT_EQ(ok.Top, 173);
    EXPECT_EQ(ok.Width, 73);
    EXPECT_EQ(ok.Height, 23);
}

TEST(TwipsToPixels, UsesEachAxisOwnScale) {
    const PixelRect r = TwipsToPixels({300, 300, 600, 600}, 15, 10);
    EXPECT_EQ(r.Left, 20);
    EXPECT_EQ(r.Top, 30);
    EXPECT_EQ(r.Width, 40);
    EXPECT_EQ(r.Height, 60);
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
