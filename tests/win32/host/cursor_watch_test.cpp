// The saver's watch on the mouse, on the real cursor: the first move takes the reference, the
// jitter is ignored, creeping adds up, and the message's own coordinates do not count.
#include "win32/host/cursor_watch.h"

#include <gtest/gtest.h>
#include <windows.h>

namespace globulon {
namespace {

class CursorWatchTest : public ::testing::Test {
  protected:
    // Puts the cursor at (x, y), where GetCursorPos will find it, and lets the watch judge it.
    bool MoveTo(int x, int y) {
        SetCursorPos(x, y);
        POINT p = {};
        GetCursorPos(&p);
        EXPECT_EQ(p.x, x);
        EXPECT_EQ(p.y, y);
        return watch_.MovedForReal();
    }

    CursorWatch watch_;
};

TEST_F(CursorWatchTest, NothingCountsUnlessStartedEnabledAndAfterStop) {
    EXPECT_FALSE(MoveTo(300, 300));
    EXPECT_FALSE(MoveTo(900, 700));
    watch_.Start(false);
    EXPECT_FALSE(MoveTo(10, 10));
    EXPECT_FALSE(MoveTo(600, 500));
    watch_.Start(true);
    watch_.Stop();
    EXPECT_FALSE(MoveTo(100, 100));
    EXPECT_FALSE(MoveTo(700, 100));
}

TEST_F(CursorWatchTest, FirstMoveTakesTheReferenceThenTwoPixelsAreIgnoredAndThreeCount) {
    watch_.Start(true);
    EXPECT_FALSE(MoveTo(300, 300));
    EXPECT_TRUE(watch_.HasAnchor());
    EXPECT_EQ(watch_.Anchor().X, 300);
    EXPECT_EQ(watch_.Anchor().Y, 300);
    EXPECT_FALSE(MoveTo(302, 298));
    EXPECT_FALSE(MoveTo(298, 302));
    EXPECT_TRUE(MoveTo(300, 303));
    // After a real move the next move takes a new reference.
    EXPECT_FALSE(watch_.HasAnchor());
    EXPECT_FALSE(MoveTo(600, 600));
    EXPECT_EQ(watch_.Anchor().X, 600);
}

TEST_F(CursorWatchTest, OnePixelCreepCountsOnTheThirdMove) {
    watch_.Start(true);
    EXPECT_FALSE(MoveTo(400, 400));
    EXPECT_FALSE(MoveTo(401, 400));
    EXPECT_FALSE(MoveTo(402, 400));
    EXPECT_TRUE(MoveTo(403, 400));
}

TEST_F(CursorWatchTest, AForgottenReferenceIsRetakenAndEachStartBeginsAfresh) {
    watch_.Start(true);
    MoveTo(300, 300);
    // The About box opens over the saver; the mouse is moved inside it.
    watch_.ForgetAnchor();
    EXPECT_FALSE(MoveTo(700, 600));
    EXPECT_FALSE(MoveTo(702, 602));
    EXPECT_TRUE(MoveTo(697, 600));

    MoveTo(300, 300);
    watch_.Start(true);
    EXPECT_FALSE(MoveTo(800, 100));
}

}  // namespace
}  // namespace globulon
