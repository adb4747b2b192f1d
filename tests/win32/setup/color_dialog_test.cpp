// The colour picker: the system colour dialog with its title and start colour, and -1 when closed
// without a choice.
#include "win32/setup/color_dialog.h"

#include <commdlg.h>
#include <gtest/gtest.h>
#include <windows.h>

#include <thread>

#include "tests/win32/setup/window_wait.h"

namespace globulon {
namespace {

using testing::WaitForThreadWindow;

// The colour dialog's edit fields for red, green and blue (colordlg.h).
constexpr int RedEdit = 706;
constexpr int GreenEdit = 707;
constexpr int BlueEdit = 708;

struct PickerSeen {
    bool Found = false;
    int Red = -1, Green = -1, Blue = -1;
};

// Runs the picker on this thread while a watcher reads the dialog titled shownTitle and then
// closes it as the system does; returns what the picker gave. Choosing a colour is a person's:
// the black-box tests pick one (tests/blackbox/test_setup.py).
std::int32_t RunPicker(std::int32_t initial, const std::wstring& title, const wchar_t* shownTitle,
                       PickerSeen& seen) {
    const DWORD thread = GetCurrentThreadId();
    std::thread watcher([&] {
        HWND dialog = WaitForThreadWindow(thread, L"#32770", shownTitle);
        if (!dialog) return;
        seen.Found = true;
        seen.Red = static_cast<int>(GetDlgItemInt(dialog, RedEdit, nullptr, FALSE));
        seen.Green = static_cast<int>(GetDlgItemInt(dialog, GreenEdit, nullptr, FALSE));
        seen.Blue = static_cast<int>(GetDlgItemInt(dialog, BlueEdit, nullptr, FALSE));
        PostMessageW(dialog, WM_CLOSE, 0, 0);
    });
    ColorDialog picker;
    const std::int32_t result =
        title.empty() ? picker.Show(nullptr, initial) : picker.Show(nullptr, initial, title);
    watcher.join();
    return result;
}

TEST(ColorDialog, OpensAsSetColorOnTheInitialColourAndClosedGivesMinusOne) {
    PickerSeen seen;
    EXPECT_EQ(RunPicker(0x1E140A, L"", L"Set Color", seen), -1);
    ASSERT_TRUE(seen.Found);
    EXPECT_EQ(seen.Red, 10);
    EXPECT_EQ(seen.Green, 20);
    EXPECT_EQ(seen.Blue, 30);
}

TEST(ColorDialog, TakesATitleOfTheCallers) {
    PickerSeen seen;
    RunPicker(0, L"Sphere colour", L"Sphere colour", seen);
    EXPECT_TRUE(seen.Found);
    // The marker text means "no title given".
    PickerSeen again;
    RunPicker(0, NoColorDialogTitle, L"Set Color", again);
    EXPECT_TRUE(again.Found);
}

TEST(ColorDialog, NegativeStartColourKeepsOnlyItsColourBits) {
    PickerSeen seen;
    // 0x8000000F: a system-colour reference as older callers passed it.
    RunPicker(static_cast<std::int32_t>(0x8000000Fu), L"", L"Set Color", seen);
    ASSERT_TRUE(seen.Found);
    EXPECT_EQ(seen.Red, 15);
    EXPECT_EQ(seen.Green, 0);
    EXPECT_EQ(seen.Blue, 0);
}

TEST(ColorDialogHook, SetsTheTitleOnlyWhenTheDialogOpens) {
    HWND window = CreateWindowExW(0, L"STATIC", L"before", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                  GetModuleHandleW(nullptr), nullptr);
    ASSERT_NE(window, nullptr);
    CHOOSECOLORW choice = {};
    choice.lCustData = reinterpret_cast<LPARAM>(L"Set Color");
    const auto opened = reinterpret_cast<LPARAM>(&choice);
    wchar_t text[32] = {};
    EXPECT_EQ(ColorDialogHook(window, WM_PAINT, 0, opened), 0u);
    GetWindowTextW(window, text, 32);
    EXPECT_STREQ(text, L"before");
    EXPECT_EQ(ColorDialogHook(window, WM_INITDIALOG, 0, opened), 0u);
    GetWindowTextW(window, text, 32);
    EXPECT_STREQ(text, L"Set Color");
    DestroyWindow(window);
}

}  // namespace
}  // namespace globulon
