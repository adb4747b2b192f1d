// Hiding and showing the cursor against the system's real display counter.
#include "win32/host/mouse_cursor.h"

#include <gtest/gtest.h>
#include <windows.h>

#include "tests/support/cursor_counter.h"

namespace globulon {
namespace {

using testing::CursorCounter;

void SetCursorCounter(int wanted) {
    int counter = CursorCounter();
    while (counter < wanted) counter = ShowCursor(TRUE);
    while (counter > wanted) counter = ShowCursor(FALSE);
}

class MouseCursorTest : public ::testing::Test {
  protected:
    void TearDown() override { SetCursorCounter(0); }
};

TEST_F(MouseCursorTest, CounterHelperReachesTheWantedValue) {
    SetCursorCounter(3);
    EXPECT_EQ(CursorCounter(), 3);
    SetCursorCounter(-2);
    EXPECT_EQ(CursorCounter(), -2);
}

TEST_F(MouseCursorTest, HideFromAShownCursorStepsJustBelowZero) {
    SetCursorCounter(0);
    HideMouseCursor();
    EXPECT_EQ(CursorCounter(), -1);
}

TEST_F(MouseCursorTest, HideDrivesARaisedCounterDown) {
    SetCursorCounter(2);
    HideMouseCursor();
    EXPECT_EQ(CursorCounter(), -1);
}

TEST_F(MouseCursorTest, HideAlwaysCallsAtLeastOnce) {
    SetCursorCounter(-2);
    HideMouseCursor();
    EXPECT_EQ(CursorCounter(), -3);
}

TEST_F(MouseCursorTest, ShowRaisesAHiddenCursorToZero) {
    SetCursorCounter(-3);
    ShowMouseCursor();
    EXPECT_EQ(CursorCounter(), 0);
    SetCursorCounter(-1);
    ShowMouseCursor();
    EXPECT_EQ(CursorCounter(), 0);
}

TEST_F(MouseCursorTest, ShowAlwaysCallsAtLeastOnce) {
    SetCursorCounter(0);
    ShowMouseCursor();
    EXPECT_EQ(CursorCounter(), 1);
}

TEST_F(MouseCursorTest, HideThenShowLeavesTheCursorVisible) {
    SetCursorCounter(1);
    HideMouseCursor();
    EXPECT_LT(CursorCounter(), 0);
    ShowMouseCursor();
    EXPECT_GE(CursorCounter(), 0);
}

}  // namespace
}  // namespace globulon
