// Lines cut to a box before Xlib: nothing past the 16-bit range, nothing moved inside the box.
#include "x11/line_clip.h"

#include <gtest/gtest.h>

#include <cmath>

namespace globulon::x11 {
namespace {

constexpr PixelBox Box = {-64, -64, 16064, 16064};

bool InBox(const PixelPoint& point) {
    return point.X >= Box.Left && point.X <= Box.Right && point.Y >= Box.Top &&
           point.Y <= Box.Bottom;
}

// Distance of point from the line through a and b.
double OffLine(const PixelPoint& point, const PixelPoint& a, const PixelPoint& b) {
    const double dx = double(b.X) - a.X, dy = double(b.Y) - a.Y;
    return std::abs(dy * (point.X - a.X) - dx * (point.Y - a.Y)) / std::hypot(dx, dy);
}

TEST(ClipLine, InsideStaysExactlyAsItIs) {
    PixelPoint from = {-64, 16064}, to = {300, 7};
    EXPECT_TRUE(ClipLine(from, to, Box));
    EXPECT_EQ(from.X, -64);
    EXPECT_EQ(from.Y, 16064);
    EXPECT_EQ(to.X, 300);
    EXPECT_EQ(to.Y, 7);
}

TEST(ClipLine, FarEndsComeInsideOnTheSameLine) {
    // Chords of a sphere far larger than the window, as on a 16000 x 16000 window.
    const PixelPoint cases[][2] = {{{8000, 8000}, {120000, -90000}},
                                   {{-2000000, 5}, {2000000, 9}},
                                   {{-50000, -50000}, {70000, 70001}},
                                   {{8000, -40000}, {8000, 40000}}};
    for (const auto& [a, b] : cases) {
        PixelPoint from = a, to = b;
        ASSERT_TRUE(ClipLine(from, to, Box));
        EXPECT_TRUE(InBox(from) && InBox(to));
        EXPECT_LT(OffLine(from, a, b), 1.0);
        EXPECT_LT(OffLine(to, a, b), 1.0);
    }
}

TEST(ClipLine, LinesThatMissTheBoxAreDropped) {
    const PixelPoint cases[][2] = {{{-100, -100}, {-100, 20000}},   // parallel, outside
                                   {{-40000, 0}, {0, -40000}},      // passes the corner
                                   {{20000, 20000}, {30000, 10}}};  // wholly right
    for (const auto& [a, b] : cases) {
        PixelPoint from = a, to = b;
        EXPECT_FALSE(ClipLine(from, to, Box));
    }
}

}  // namespace
}  // namespace globulon::x11
