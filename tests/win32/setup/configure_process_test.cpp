// The real globulon.scr in configure mode, started as the display-settings dialog starts it:
// "/c:<window>" disables that window's parent while the dialog is open, and a second "/c"
// brings the open dialog back instead of opening another. GLOBULON_SCR names the program.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "core/settings/program_texts.h"
#include "tests/support/pump.h"
#include "tests/win32/setup/window_wait.h"
#include "win32/host/form_window.h"

namespace globulon {
namespace {

using testing::PumpUntil;
using testing::WaitForWindow;

// The program's path as Windows sees it; under Wine a Unix path lives on drive Z:.
std::wstring ProgramPath() {
    wchar_t path[MAX_PATH] = {};
    if (!GetEnvironmentVariableW(L"GLOBULON_SCR", path, MAX_PATH)) return L"";
    std::wstring result = path;
    if (!result.empty() && result[0] == L'/') {
        for (wchar_t& c : result) {
            if (c == L'/') c = L'\\';
        }
        result = L"Z:" + result;
    }
    return result;
}

// One started copy of the program; ended at the latest with the object.
class Started {
  public:
    explicit Started(const std::wstring& arguments) {
        const std::wstring program = ProgramPath();
        std::wstring commandLine = L"\"" + program + L"\" " + arguments;
        STARTUPINFOW startup = {};
        startup.cb = sizeof(startup);
        if (CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                           nullptr, &startup, &info_)) {
            CloseHandle(info_.hThread);
        } else {
            info_.hProcess = nullptr;
        }
    }
    ~Started() {
        if (!info_.hProcess) return;
        if (!HasEnded()) TerminateProcess(info_.hProcess, 1);
        WaitForSingleObject(info_.hProcess, 5000);
        CloseHandle(info_.hProcess);
    }
    bool Running() const { return info_.hProcess != nullptr; }
    bool HasEnded() const { return WaitForSingleObject(info_.hProcess, 0) == WAIT_OBJECT_0; }
    // Waits (pumping this thread's messages) for the end; the exit code, or -1 on time-out.
    long EndWithin(int timeoutMs) const {
        if (!PumpUntil([this] { return HasEnded(); }, timeoutMs)) return -1;
        DWORD code = 0;
        GetExitCodeProcess(info_.hProcess, &code);
        return static_cast<long>(code);
    }

  private:
    PROCESS_INFORMATION info_ = {};
};

class ConfigureProcess : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_FALSE(ProgramPath().empty()) << "GLOBULON_SCR must name globulon.scr";
        ASSERT_EQ(FindWindowW(FormClassName, ApplicationTitle), nullptr)
            << "a dialog is open already";
    }
};

TEST_F(ConfigureProcess, OwnerHandleDisablesItsParentWhileTheDialogIsOpen) {
    // The display-settings dialog passes a window inside it; the window above is disabled.
    HWND parent = CreateWindowExW(0, L"STATIC", L"Display settings stand-in",
                                  WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 300, 200, nullptr,
                                  nullptr, GetModuleHandleW(nullptr), nullptr);
    ASSERT_NE(parent, nullptr);
    HWND child = CreateWindowExW(0, L"STATIC", L"", WS_CHILD | WS_VISIBLE, 10, 10, 100, 50, parent,
                                 nullptr, GetModuleHandleW(nullptr), nullptr);
    ASSERT_NE(child, nullptr);
    const auto handle = static_cast<unsigned long long>(reinterpret_cast<UINT_PTR>(child));
    Started dialog(L"/c:" + std::to_wstring(handle));
    ASSERT_TRUE(dialog.Running());

    HWND found = nullptr;
    EXPECT_TRUE(PumpUntil([&] {
        found = FindWindowW(FormClassName, ApplicationTitle);
        return found && IsWindowVisible(found) && !IsWindowEnabled(parent);
    }));
    EXPECT_TRUE(IsWindowEnabled(child));  // only the window above the handle
    ASSERT_NE(found, nullptr);
    PostMessageW(found, WM_CLOSE, 0, 0);  // as "End task" closes it
    EXPECT_EQ(dialog.EndWithin(10000), 0);
    EXPECT_TRUE(IsWindowEnabled(parent));
    DestroyWindow(parent);
}

}  // namespace
}  // namespace globulon
