// The saver window's replacement procedure, installed on a real window: what it swallows, where it
// sends the rest, and when a mouse movement ends the saver.
#include "win32/host/saver_window_hook.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <vector>

namespace globulon {
namespace {

constexpr LRESULT kMouseMoveAnswer = 4242;
constexpr LRESULT kOtherAnswer = 77;
constexpr UINT kOtherMessage = WM_USER + 5;

struct Seen {
    UINT message;
    WPARAM wParam;
};

// Messages that reached the window's own procedure, and system commands that reached the
// default procedure (it reports each to the CBT hook before acting on it).
std::vector<Seen> ownProcedureSaw;
std::vector<WPARAM> defaultProcedureSaw;

LRESULT CALLBACK RecordingProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_MOUSEMOVE || message == WM_SYSCOMMAND || message == kOtherMessage) {
        ownProcedureSaw.push_back({message, wParam});
    }
    if (message == WM_MOUSEMOVE) return kMouseMoveAnswer;
    if (message == kOtherMessage) return kOtherAnswer;
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

LRESULT CALLBACK WatchSystemCommands(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HCBT_SYSCOMMAND) {
        defaultProcedureSaw.push_back(wParam);
        return 1;  // seen; the command itself is not carried out
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

class SaverWindowHookTest : public ::testing::Test {
  protected:
    void SetUp() override {
        SaverHook() = SaverHookState{};
        quit_ = false;
        useMouseMove_ = false;
        ownProcedureSaw.clear();
        defaultProcedureSaw.clear();
        WNDCLASSW wc = {};
        wc.lpfnWndProc = RecordingProc;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.lpszClassName = L"GlobulonHookTestWindow";
        RegisterClassW(&wc);
        // Hidden: no real mouse input reaches it, only the messages a test sends.
        hwnd_ = CreateWindowExW(0, wc.lpszClassName, L"hook test", WS_POPUP, 0, 0, 200, 200,
                                nullptr, nullptr, wc.hInstance, nullptr);
        ASSERT_NE(hwnd_, nullptr);
        cbt_ = SetWindowsHookExW(WH_CBT, WatchSystemCommands, nullptr, GetCurrentThreadId());
        ASSERT_NE(cbt_, nullptr);
    }
    void TearDown() override {
        UnhookSaverWindow(hwnd_);
        if (cbt_) UnhookWindowsHookEx(cbt_);
        if (hwnd_) DestroyWindow(hwnd_);
        quit_ = false;
        useMouseMove_ = false;
    }

    // The run's mouse setting and end flag, handed to the hook.
    bool useMouseMove_ = false;
    bool quit_ = false;

    LONG_PTR CurrentProc() const { return GetWindowLongPtrW(hwnd_, GWLP_WNDPROC); }

    // Puts the cursor at (x, y), where GetCursorPos will find it, and tells the window it moved.
    LRESULT MoveMouseTo(int x, int y) {
        SetCursorPos(x, y);
        POINT p = {};
        GetCursorPos(&p);
        EXPECT_EQ(p.x, x);
        EXPECT_EQ(p.y, y);
        return SendMessageW(hwnd_, WM_MOUSEMOVE, 0, MAKELPARAM(x, y));
    }

    HWND hwnd_ = nullptr;
    HHOOK cbt_ = nullptr;
};

const LONG_PTR kSaverProc = reinterpret_cast<LONG_PTR>(&SaverWindowProc);
const LONG_PTR kRecordingProc = reinterpret_cast<LONG_PTR>(&RecordingProc);

// --- installing and removing ----------------------------------------------------------------

TEST_F(SaverWindowHookTest, HookAndUnhookComeInPairs) {
    HookSaverWindow(hwnd_, useMouseMove_, quit_);
    EXPECT_EQ(CurrentProc(), kSaverProc);
    EXPECT_EQ(reinterpret_cast<LONG_PTR>(SaverHook().PrevWndProc), kRecordingProc);
    UnhookSaverWindow(hwnd_);
    EXPECT_EQ(CurrentProc(), kRecordingProc);
    EXPECT_EQ(SaverHook().PrevWndProc, nullptr);
    // A second run installs again.
    HookSaverWindow(hwnd_, useMouseMove_, quit_);
    EXPECT_EQ(CurrentProc(), kSaverProc);
    UnhookSaverWindow(hwnd_);
    EXPECT_EQ(CurrentProc(), kRecordingProc);
}

TEST_F(SaverWindowHookTest, UnhookWithoutHookOrTwiceIsHarmless) {
    UnhookSaverWindow(hwnd_);
    EXPECT_EQ(CurrentProc(), kRecordingProc);
    HookSaverWindow(hwnd_, useMouseMove_, quit_);
    UnhookSaverWindow(hwnd_);
    UnhookSaverWindow(hwnd_);
    EXPECT_EQ(CurrentProc(), kRecordingProc);
    EXPECT_EQ(SendMessageW(hwnd_, kOtherMessage, 0, 0), kOtherAnswer);
}

TEST_F(SaverWindowHookTest, HookingTwiceDoesNotChainTheProcedureToItself) {
    HookSaverWindow(hwnd_, useMouseMove_, quit_);
    HookSaverWindow(hwnd_, useMouseMove_, quit_);
    EXPECT_EQ(reinterpret_cast<LONG_PTR>(SaverHook().PrevWndProc), kRecordingProc);
    // Would recurse without end if the procedure had recorded itself.
    EXPECT_EQ(SendMessageW(hwnd_, kOtherMessage, 0, 0), kOtherAnswer);
    UnhookSaverWindow(hwnd_);
    EXPECT_EQ(CurrentProc(), kRecordingProc);
}

// --- system commands ------------------------------------------------------------------------

TEST_F(SaverWindowHookTest, ScreenSaveCommandIsSwallowed) {
    HookSaverWindow(hwnd_, useMouseMove_, quit_);
    EXPECT_EQ(SendMessageW(hwnd_, WM_SYSCOMMAND, 61760, 0), 0);
    EXPECT_TRUE(ownProcedureSaw.empty());
    EXPECT_TRUE(defaultProcedureSaw.empty());
}

TEST_F(SaverWindowHookTest, OtherSystemCommandsGoToTheDefaultProcedureOnly) {
    HookSaverWindow(hwnd_, useMouseMove_, quit_);
    // Same command number with the low bits set: not the screen-saver start.
    SendMessageW(hwnd_, WM_SYSCOMMAND, 61761, 0);
    SendMessageW(hwnd_, WM_SYSCOMMAND, SC_MINIMIZE, 0);
    EXPECT_TRUE(ownProcedureSaw.empty());
    ASSERT_EQ(defaultProcedureSaw.size(), 2u);
    EXPECT_EQ(defaultProcedureSaw[0], 61761u);
    EXPECT_EQ(defaultProcedureSaw[1], static_cast<WPARAM>(SC_MINIMIZE));
}

TEST_F(SaverWindowHookTest, OtherMessagesReachTheWindowsOwnProcedure) {
    HookSaverWindow(hwnd_, useMouseMove_, quit_);
    EXPECT_EQ(SendMessageW(hwnd_, kOtherMessage, 9, 0), kOtherAnswer);
    ASSERT_EQ(ownProcedureSaw.size(), 1u);
    EXPECT_EQ(ownProcedureSaw[0].message, kOtherMessage);
    EXPECT_EQ(ownProcedureSaw[0].wParam, 9u);
}

// --- mouse movement -------------------------------------------------------------------------

TEST_F(SaverWindowHookTest, WithMouseSensitivityOffMovesNeverEndTheSaver) {
    HookSaverWindow(hwnd_, useMouseMove_, quit_);
    const POINT path[] = {{300, 300}, {600, 500}, {10, 10}, {900, 700}};
    for (const POINT& p : path) EXPECT_EQ(MoveMouseTo(p.x, p.y), kMouseMoveAnswer);
    EXPECT_FALSE(quit_);
    EXPECT_EQ(ownProcedureSaw.size(), 4u);
}

TEST_F(SaverWindowHookTest, FirstMoveOnlyTakesTheReference) {
    useMouseMove_ = true;
    HookSaverWindow(hwnd_, useMouseMove_, quit_);
    EXPECT_EQ(MoveMouseTo(300, 300), kMouseMoveAnswer);
    EXPECT_FALSE(quit_);
    EXPECT_TRUE(SaverHook().HasCursorAnchor);
    EXPECT_EQ(SaverHook().CursorAnchor.X, 300);
    EXPECT_EQ(SaverHook().CursorAnchor.Y, 300);
}

TEST_F(SaverWindowHookTest, TwoPixelsAreIgnoredThreeEndTheSaver) {
    useMouseMove_ = true;
    HookSaverWindow(hwnd_, useMouseMove_, quit_);
    MoveMouseTo(300, 300);
    MoveMouseTo(302, 298);
    MoveMouseTo(298, 302);
    EXPECT_FALSE(quit_);
    // The window's own handling ran first, and its answer comes back also when the saver ends.
    EXPECT_EQ(MoveMouseTo(300, 303), kMouseMoveAnswer);
    EXPECT_TRUE(quit_);
    EXPECT_FALSE(SaverHook().HasCursorAnchor);
    EXPECT_EQ(ownProcedureSaw.size(), 4u);
}

TEST_F(SaverWindowHookTest, OnePixelCreepEndsOnTheThirdMove) {
    useMouseMove_ = true;
    HookSaverWindow(hwnd_, useMouseMove_, quit_);
    MoveMouseTo(400, 400);
    MoveMouseTo(401, 400);
    MoveMouseTo(402, 400);
    EXPECT_FALSE(quit_);
    MoveMouseTo(403, 400);
    EXPECT_TRUE(quit_);
}

TEST_F(SaverWindowHookTest, TheCursorPositionCountsNotTheMessageCoordinates) {
    useMouseMove_ = true;
    HookSaverWindow(hwnd_, useMouseMove_, quit_);
    SetCursorPos(500, 500);
    SendMessageW(hwnd_, WM_MOUSEMOVE, 0, MAKELPARAM(0, 0));
    SendMessageW(hwnd_, WM_MOUSEMOVE, 0, MAKELPARAM(150, 150));
    EXPECT_FALSE(quit_);
}

TEST_F(SaverWindowHookTest, ClearedReferenceIsRetakenByTheNextMove) {
    useMouseMove_ = true;
    HookSaverWindow(hwnd_, useMouseMove_, quit_);
    MoveMouseTo(300, 300);
    // The About box opens over the saver; the mouse is moved inside it.
    ClearCursorAnchor();
    MoveMouseTo(700, 600);
    EXPECT_FALSE(quit_);
    MoveMouseTo(702, 602);
    EXPECT_FALSE(quit_);
    MoveMouseTo(697, 600);
    EXPECT_TRUE(quit_);
}

TEST_F(SaverWindowHookTest, AfterARealMoveTheNextMoveTakesANewReference) {
    useMouseMove_ = true;
    HookSaverWindow(hwnd_, useMouseMove_, quit_);
    MoveMouseTo(300, 300);
    MoveMouseTo(320, 300);
    ASSERT_TRUE(quit_);
    quit_ = false;
    MoveMouseTo(600, 600);
    EXPECT_FALSE(quit_);
    EXPECT_EQ(SaverHook().CursorAnchor.X, 600);
}

TEST_F(SaverWindowHookTest, EachRunStartsWithoutAReference) {
    useMouseMove_ = true;
    HookSaverWindow(hwnd_, useMouseMove_, quit_);
    MoveMouseTo(300, 300);
    UnhookSaverWindow(hwnd_);
    HookSaverWindow(hwnd_, useMouseMove_, quit_);
    MoveMouseTo(800, 100);
    EXPECT_FALSE(quit_);
}

}  // namespace
}  // namespace globulon
