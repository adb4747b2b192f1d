// The rule that tells a real mouse movement from the jitter of a resting mouse.
#include "core/forms/cursor_anchor.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>

namespace globulon {
namespace {

// A watch that has taken its reference at (x, y).
struct AnchoredWatch {
    bool hasAnchor = false;
    ScreenPoint anchor;
    AnchoredWatch(std::int32_t x, std::int32_t y) { JudgeCursorMove(hasAnchor, anchor, {x, y}); }
    CursorMove Move(std::int32_t x, std::int32_t y) {
        return JudgeCursorMove(hasAnchor, anchor, {x, y});
    }
};

TEST(JudgeCursorMove, FirstMoveOnlyTakesTheReference) {
    bool hasAnchor = false;
    ScreenPoint anchor{7, 7};
    EXPECT_EQ(JudgeCursorMove(hasAnchor, anchor, {500, -20}), CursorMove::AnchorTaken);
    EXPECT_TRUE(hasAnchor);
    EXPECT_EQ(anchor.X, 500);
    EXPECT_EQ(anchor.Y, -20);
}

TEST(JudgeCursorMove, DriftUpToTwoPixelsPerAxisIsJitter) {
    AnchoredWatch watch(100, 100);
    for (int dx = -2; dx <= 2; ++dx) {
        for (int dy = -2; dy <= 2; ++dy) {
            EXPECT_EQ(watch.Move(100 + dx, 100 + dy), CursorMove::Jitter) << dx << "," << dy;
        }
    }
    EXPECT_TRUE(watch.hasAnchor);
    EXPECT_EQ(watch.anchor.X, 100);
    EXPECT_EQ(watch.anchor.Y, 100);
}

TEST(JudgeCursorMove, ThreePixelsInEitherAxisIsARealMove) {
    const ScreenPoint beyond[] = {{103, 100}, {97, 100}, {100, 103}, {100, 97}, {103, 103}};
    for (const ScreenPoint& p : beyond) {
        AnchoredWatch watch(100, 100);
        EXPECT_EQ(watch.Move(p.X, p.Y), CursorMove::RealMove) << p.X << "," << p.Y;
        EXPECT_FALSE(watch.hasAnchor);
        // The old reference stays until the next move replaces it.
        EXPECT_EQ(watch.anchor.X, 100);
    }
}

TEST(JudgeCursorMove, OnePixelCreepCountsOnTheThirdStep) {
    AnchoredWatch watch(10, 10);
    EXPECT_EQ(watch.Move(11, 10), CursorMove::Jitter);
    EXPECT_EQ(watch.Move(12, 10), CursorMove::Jitter);
    EXPECT_EQ(watch.Move(13, 10), CursorMove::RealMove);
}

TEST(JudgeCursorMove, AfterARealMoveTheNextMoveTakesANewReference) {
    AnchoredWatch watch(10, 10);
    ASSERT_EQ(watch.Move(50, 50), CursorMove::RealMove);
    EXPECT_EQ(watch.Move(200, 200), CursorMove::AnchorTaken);
    EXPECT_EQ(watch.Move(202, 198), CursorMove::Jitter);
    EXPECT_EQ(watch.Move(203, 200), CursorMove::RealMove);
}

TEST(JudgeCursorMove, ExtremeCoordinatesDoNotWrapAround) {
    constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();
    constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min();
    AnchoredWatch high(kMax, kMax);
    EXPECT_EQ(high.Move(kMax - 2, kMax), CursorMove::Jitter);
    EXPECT_EQ(high.Move(kMin, kMax), CursorMove::RealMove);
    AnchoredWatch low(kMin, kMin);
    EXPECT_EQ(low.Move(kMin + 2, kMin + 1), CursorMove::Jitter);
    EXPECT_EQ(low.Move(kMin, kMax), CursorMove::RealMove);
}

TEST(WithinCursorJitter, BoundsAreInclusive) {
    EXPECT_TRUE(WithinCursorJitter({0, 0}, {2, -2}));
    EXPECT_FALSE(WithinCursorJitter({0, 0}, {3, 0}));
    EXPECT_FALSE(WithinCursorJitter({0, 0}, {0, -3}));
}

}  // namespace
}  // namespace globulon
