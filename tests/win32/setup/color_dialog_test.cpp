// The colour picker: the system colour dialog with its title, start colour, choice and cancel.
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

// Runs the picker on this thread while a watcher reads the dialog titled title, lets
// change() adjust it and then presses the button.
std::int32_t RunPicker(std::int32_t initial, const std::wstring& title, const wchar_t* shownTitle,
                       int button, PickerSeen& seen,
                       const std::function<void(HWND)>& change = nullptr,
                       ColorDialog picker = ColorDialog()) {
    const DWORD thread = GetCurrentThreadId();
    std::thread watcher([&] {
        HWND dialog = WaitForThreadWindow(thread, L"#32770", shownTitle);
        if (!dialog) return;
        seen.Found = true;
        seen.Red = static_cast<int>(GetDlgItemInt(dialog, RedEdit, nullptr, FALSE));
        seen.Green = static_cast<int>(GetDlgItemInt(dialog, GreenEdit, nullptr, FALSE));
        seen.Blue = static_cast<int>(GetDlgItemInt(dialog, BlueEdit, nullptr, FALSE));
        if (change) change(dialog);
        PostMessageW(GetDlgItem(dialog, button), BM_CLICK, 0, 0);
    });
    const std::int32_t result =
        title.empty() ? picker.Show(nullptr, initial) : picker.Show(nullptr, initial, title);
    watcher.join();
    return result;
}

TEST(ColorDialog, OpensAsSetColorOnTheInitialColour) {
    PickerSeen seen;
    const std::int32_t result = RunPicker(0x1E140A, L"", L"Set Color", IDOK, seen);
    ASSERT_TRUE(seen.Found);
    EXPECT_EQ(seen.Red, 10);
    EXPECT_EQ(seen.Green, 20);
    EXPECT_EQ(seen.Blue, 30);
    EXPECT_EQ(result, 0x1E140A);
}

TEST(ColorDialog, ReturnsTheColourTheUserSet) {
    PickerSeen seen;
    const std::int32_t result = RunPicker(0x1E140A, L"", L"Set Color", IDOK, seen, [](HWND dialog) {
        SetDlgItemInt(dialog, RedEdit, 200, FALSE);
    });
    ASSERT_TRUE(seen.Found);
    EXPECT_EQ(result, 0x1E14C8);
}

TEST(ColorDialog, CancelGivesMinusOne) {
    PickerSeen seen;
    EXPECT_EQ(RunPicker(0x123456, L"", L"Set Color", IDCANCEL, seen), -1);
    EXPECT_TRUE(seen.Found);
}

TEST(ColorDialog, TakesATitleOfTheCallers) {
    PickerSeen seen;
    RunPicker(0, L"Sphere colour", L"Sphere colour", IDCANCEL, seen);
    EXPECT_TRUE(seen.Found);
    // The marker text means "no title given".
    PickerSeen again;
    RunPicker(0, NoColorDialogTitle, L"Set Color", IDCANCEL, again);
    EXPECT_TRUE(again.Found);
}

TEST(ColorDialog, NegativeStartColourKeepsOnlyItsColourBits) {
    PickerSeen seen;
    // 0x8000000F: a system-colour reference as older callers passed it.
    const std::int32_t result =
        RunPicker(static_cast<std::int32_t>(0x8000000Fu), L"", L"Set Color", IDOK, seen);
    ASSERT_TRUE(seen.Found);
    EXPECT_EQ(seen.Red, 15);
    EXPECT_EQ(seen.Green, 0);
    EXPECT_EQ(seen.Blue, 0);
    EXPECT_EQ(result, 15);
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
