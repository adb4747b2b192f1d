// How the About box closes: its own timer, the close command, a quit request; and the modal loop
// keeps the program's other windows disabled until then. Its OK button is a person's: the
// black-box tests press it with Enter.
#include <gtest/gtest.h>

#include "tests/support/pump.h"
#include "tests/win32/about/about_test_support.h"
#include "win32/about/about_box.h"
#include "win32/host/app_window.h"
#include "win32/host/form_window.h"

namespace globulon {
namespace {

using testing::DelayedAction;

class AboutClosing : public ::testing::Test {
  protected:
    void TearDown() override { box.Unload(); }
    // Closes whatever box is still open after a while, so that a failing test cannot hang.
    static DelayedAction Guard() {
        return DelayedAction(5000, [] {
            ADD_FAILURE() << "the box did not close by itself";
            if (HWND open = testing::FindAboutWindow()) DestroyWindow(open);
        });
    }
    AboutBox box;
};

TEST_F(AboutClosing, IntervalClosesAModelessBoxByItself) {
    ASSERT_TRUE(box.Load());
    box.Interval(300);
    box.Modeless(true);
    const ULONGLONG start = GetTickCount64();
    box.About(L"", {});
    EXPECT_TRUE(box.Loaded());
    EXPECT_TRUE(testing::PumpUntil([&] { return !box.Loaded(); }, 3000));
    EXPECT_GE(GetTickCount64() - start, 250u);
    EXPECT_EQ(box.Hwnd(), nullptr);
}

TEST_F(AboutClosing, WithoutIntervalTheBoxStaysOpen) {
    box.Modeless(true);
    box.About(L"", {});
    testing::PumpFor(600);
    EXPECT_TRUE(box.Loaded());
    EXPECT_EQ(box.Interval(), 0);
}

TEST_F(AboutClosing, IntervalReadsBackAndIsSetAnewAfterEachLoad) {
    ASSERT_TRUE(box.Load());
    box.Interval(1234);
    EXPECT_EQ(box.Interval(), 1234);
    box.Unload();
    // The timer belongs to the window: a fresh load starts without one.
    ASSERT_TRUE(box.Load());
    EXPECT_EQ(box.Interval(), 0);
    box.Modeless(true);
    box.About(L"", {});
    testing::PumpFor(400);
    EXPECT_TRUE(box.Loaded());
}

TEST_F(AboutClosing, IntervalWrittenBeforeLoadingLoadsTheBox) {
    box.Interval(300);
    EXPECT_TRUE(box.Loaded());
    box.Modeless(true);
    box.About(L"", {});
    EXPECT_TRUE(testing::PumpUntil([&] { return !box.Loaded(); }, 3000));
}

TEST_F(AboutClosing, IntervalClosesAModalBox) {
    ASSERT_TRUE(box.Load());
    box.Interval(300);
    DelayedAction guard = Guard();
    box.About(L"", {});  // returns once closed
    EXPECT_FALSE(box.Loaded());
    EXPECT_FALSE(guard.Ran());
}

TEST_F(AboutClosing, CloseCommandClosesTheBox) {
    DelayedAction guard = Guard();
    DelayedAction close(150, [&] { SendMessageW(box.Hwnd(), WM_SYSCOMMAND, SC_CLOSE, 0); });
    box.About(L"", {});
    EXPECT_TRUE(close.Ran());
    EXPECT_FALSE(box.Loaded());
    EXPECT_FALSE(guard.Ran());
}

TEST_F(AboutClosing, ModalBoxDisablesTheOtherWindowsUntilItCloses) {
    FormWindow other;
    ASSERT_TRUE(other.CreateForm(L"Globulon Other", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 100, 100));
    FormWindow hidden;
    ASSERT_TRUE(hidden.CreateForm(L"Globulon Hidden", WS_OVERLAPPEDWINDOW, 0, 100, 100));
    bool otherEnabled = true;
    bool boxEnabled = false;
    DelayedAction guard = Guard();
    DelayedAction look(200, [&] {
        otherEnabled = IsWindowEnabled(other.Hwnd()) != 0;
        boxEnabled = IsWindowEnabled(box.Hwnd()) != 0;
        SendMessageW(box.Hwnd(), WM_CLOSE, 0, 0);
    });
    box.About(L"", {});
    EXPECT_TRUE(look.Ran());
    EXPECT_FALSE(otherEnabled);
    EXPECT_TRUE(boxEnabled);
    EXPECT_TRUE(IsWindowEnabled(other.Hwnd()));
    EXPECT_TRUE(IsWindowEnabled(hidden.Hwnd()));
}

TEST_F(AboutClosing, QuitRequestClosesTheBoxAndReachesTheLoopOutside) {
    DelayedAction guard = Guard();
    DelayedAction quit(150, [] { PostQuitMessage(7); });
    box.About(L"", {});
    EXPECT_FALSE(box.Loaded());
    MSG msg;
    ASSERT_TRUE(PeekMessageW(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
    EXPECT_FALSE(guard.Ran());
}

TEST(ShowSaverAbout, OpensATopMostModalBoxWithTheIconThatClosesAfterTenSeconds) {
    HICON icon = LoadIconW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(101));
    bool seen = false, topMost = false, visible = false;
    std::int32_t interval = 0;
    HICON shown = nullptr;
    AboutBox box;
    DelayedAction look(200, [&] {
        HWND open = testing::FindAboutWindow();
        seen = open != nullptr && open == box.Hwnd();
        visible = IsWindowVisible(open) != 0;
        topMost = (GetWindowLongPtrW(open, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
        interval = box.Interval();
        shown = box.Picture().Icon;
        SendMessageW(open, WM_CLOSE, 0, 0);
    });
    ShowSaverAbout(box, FormContext(), true, 101, L"");
    EXPECT_TRUE(look.Ran());
    EXPECT_TRUE(seen);
    EXPECT_TRUE(visible);
    EXPECT_TRUE(topMost);
    EXPECT_EQ(interval, 10000);
    EXPECT_EQ(shown, icon);
    EXPECT_FALSE(box.Loaded());
}

}  // namespace
}  // namespace globulon
