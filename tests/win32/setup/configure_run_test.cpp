// The configure run in this process: the owner window is disabled while the dialog is open and
// comes back afterwards, and the run ends with the dialog's close and unloads it.
#include "win32/setup/configure_run.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <thread>

#include "tests/win32/setup/window_wait.h"
#include "win32/host/form_window.h"

namespace globulon {
namespace {

// A caption of this process's own, so that tests running beside this one never meet its dialog.
const std::wstring kTitle =
    L"Globulon Configure Run Test " + std::to_wstring(GetCurrentProcessId());

// The run's end flag, which closing the dialog sets.
bool quitRequested = false;

class ConfigureRun : public ::testing::Test {
  protected:
    void SetUp() override { quitRequested = false; }
};

// What a user sees while the dialog is open, collected by a watcher thread.
struct WhileOpen {
    bool DialogShown = false;
    bool OwnerEnabled = true;
};

// Runs RunConfigure(owner) here while the watcher closes the dialog with message, as the system
// does ("End task", the Close command).
WhileOpen RunAndClose(HWND owner, UINT message, WPARAM wParam) {
    WhileOpen seen;
    std::thread closer([&] {
        HWND dialog = testing::WaitForWindow(FormClassName, kTitle.c_str());
        if (!dialog) return;
        seen.DialogShown = true;
        if (owner) seen.OwnerEnabled = IsWindowEnabled(owner) != FALSE;
        PostMessageW(dialog, message, wParam, 0);
    });
    FormContext context;
    context.AppTitle = kTitle;
    context.QuitRequested = &quitRequested;
    RunConfigure(owner, context);
    closer.join();
    return seen;
}

TEST_F(ConfigureRun, EndsWhenTheDialogIsClosedAndUnloadsIt) {
    const WhileOpen seen = RunAndClose(nullptr, WM_CLOSE, 0);
    EXPECT_TRUE(seen.DialogShown);
    EXPECT_TRUE(quitRequested);
    EXPECT_EQ(FindWindowW(FormClassName, kTitle.c_str()), nullptr);
}

TEST_F(ConfigureRun, CloseFromTheSystemMenuEndsItThroughTheHook) {
    const WhileOpen seen = RunAndClose(nullptr, WM_SYSCOMMAND, SC_CLOSE);
    EXPECT_TRUE(seen.DialogShown);
    EXPECT_EQ(FindWindowW(FormClassName, kTitle.c_str()), nullptr);
}

TEST_F(ConfigureRun, OwnerIsDisabledWhileOpenAndEnabledAfter) {
    HWND owner = CreateWindowExW(0, L"STATIC", L"owner", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0,
                                 200, 100, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    ASSERT_NE(owner, nullptr);
    const WhileOpen seen = RunAndClose(owner, WM_CLOSE, 0);
    EXPECT_TRUE(seen.DialogShown);
    EXPECT_FALSE(seen.OwnerEnabled);
    EXPECT_TRUE(IsWindowEnabled(owner));
    DestroyWindow(owner);
}

TEST_F(ConfigureRun, AStaleOwnerHandleIsHarmless) {
    HWND stale = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr,
                                 GetModuleHandleW(nullptr), nullptr);
    DestroyWindow(stale);
    const WhileOpen seen = RunAndClose(stale, WM_CLOSE, 0);
    EXPECT_TRUE(seen.DialogShown);
}

}  // namespace
}  // namespace globulon
