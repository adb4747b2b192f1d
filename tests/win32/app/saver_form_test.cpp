// The full-screen saver window's own handlers, on a real (hidden) window, for what the system
// sends it: close requests (the cursor left visible at the end), the screen-saver command, a
// change of monitors, and the repaint the frame loop asks for. Keys, clicks and mouse moves are
// a person's: the black-box tests give them (tests/blackbox/test_saver.py), and which moves count
// while the saver runs is the cursor watch's (tests/win32/host/cursor_watch_test.cpp).
#include "win32/app/saver_form.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <vector>

#include "tests/support/cursor_counter.h"
#include "win32/host/mouse_cursor.h"

namespace globulon {
namespace {

using testing::CursorCounter;

class SaverFormTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(form_.Load());
        HideMouseCursor();
    }
    void TearDown() override { ShowMouseCursor(); }

    bool Ended() const { return program_.QuitRequested; }

    ProgramState program_;
    SaverForm form_{program_};
};

TEST_F(SaverFormTest, FollowsAChangeOfMonitorsAndTellsTheLoop) {
    SetWindowPos(form_.Hwnd(), nullptr, 0, 0, 100, 100, SWP_NOZORDER | SWP_NOACTIVATE);
    SendMessageW(form_.Hwnd(), WM_DISPLAYCHANGE, 32, MAKELPARAM(640, 480));
    EXPECT_TRUE(program_.MonitorsChanged);
    RECT rect;
    GetWindowRect(form_.Hwnd(), &rect);
    EXPECT_EQ(rect.right - rect.left, GetSystemMetrics(SM_CXVIRTUALSCREEN));
    EXPECT_EQ(rect.bottom - rect.top, GetSystemMetrics(SM_CYVIRTUALSCREEN));
    EXPECT_FALSE(Ended());
}

// The system's requests reach the window procedure as messages: "End task", the Close command,
// the session ending, or the window destroyed from outside.
TEST_F(SaverFormTest, CloseRequestsEndTheSaverAndLeaveTheWindowToTheRun) {
    const struct {
        UINT Message;
        WPARAM WParam;
    } requests[] = {{WM_CLOSE, 0}, {WM_SYSCOMMAND, SC_CLOSE}, {WM_ENDSESSION, TRUE}};
    for (const auto& request : requests) {
        program_.QuitRequested = false;
        HideMouseCursor();
        SendMessageW(form_.Hwnd(), request.Message, request.WParam, 0);
        EXPECT_TRUE(Ended()) << request.Message;
        EXPECT_GE(CursorCounter(), 0) << request.Message;
        EXPECT_TRUE(IsWindow(form_.Hwnd())) << request.Message;
    }
    program_.QuitRequested = false;
    SendMessageW(form_.Hwnd(), WM_ENDSESSION, FALSE, 0);  // the session goes on after all
    EXPECT_FALSE(Ended());
    DestroyWindow(form_.Hwnd());
    EXPECT_TRUE(Ended());
    EXPECT_FALSE(form_.IsLoaded());
}

// System commands the default handling was asked to carry out; it reports each to the CBT hook
// before acting on it.
std::vector<WPARAM> carriedOut;

// A named callback, not a lambda: 32-bit Windows calls it with the stdcall convention.
LRESULT CALLBACK NoteSystemCommand(int code, WPARAM wParam, LPARAM lParam) {
    if (code != HCBT_SYSCOMMAND) return CallNextHookEx(nullptr, code, wParam, lParam);
    carriedOut.push_back(wParam);
    return 1;  // seen; not carried out
}

// The system's own screen-saver start is refused; other system commands keep their meaning.
TEST_F(SaverFormTest, RefusesTheScreenSaverCommandOnly) {
    carriedOut.clear();
    HHOOK cbt = SetWindowsHookExW(WH_CBT, NoteSystemCommand, nullptr, GetCurrentThreadId());
    ASSERT_NE(cbt, nullptr);
    EXPECT_EQ(SendMessageW(form_.Hwnd(), WM_SYSCOMMAND, SC_SCREENSAVE, 0), 0);
    // The same command number with the low bits set is not the screen-saver start.
    SendMessageW(form_.Hwnd(), WM_SYSCOMMAND, SC_SCREENSAVE + 1, 0);
    SendMessageW(form_.Hwnd(), WM_SYSCOMMAND, SC_MINIMIZE, 0);
    UnhookWindowsHookEx(cbt);
    const std::vector<WPARAM> expected = {SC_SCREENSAVE + 1, SC_MINIMIZE};
    EXPECT_EQ(carriedOut, expected);
}

TEST_F(SaverFormTest, RepaintRequestPaintsTheWholeBackgroundIntoTheGivenContext) {
    HDC window = GetDC(form_.Hwnd());
    HDC memory = CreateCompatibleDC(window);
    HBITMAP bitmap = CreateCompatibleBitmap(window, 64, 48);
    HGDIOBJ previous = SelectObject(memory, bitmap);
    RECT all = {0, 0, 64, 48};
    HBRUSH white = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    FillRect(memory, &all, white);

    SendMessageW(form_.Hwnd(), WM_PAINT, reinterpret_cast<WPARAM>(memory), 0);
    EXPECT_EQ(GetPixel(memory, 0, 0), RGB(0, 0, 0));
    EXPECT_EQ(GetPixel(memory, 63, 47), RGB(0, 0, 0));

    SelectObject(memory, previous);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(form_.Hwnd(), window);
}

}  // namespace
}  // namespace globulon
