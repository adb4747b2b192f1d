// The "About..." entry of a dialog's system menu and the procedure that answers it.
#include "win32/about/sys_menu.h"

#include <gtest/gtest.h>

#include <vector>

#include "tests/support/pump.h"
#include "tests/win32/about/about_test_support.h"
#include "win32/about/about_box.h"
#include "win32/host/form_window.h"

namespace globulon {
namespace {

using testing::DelayedAction;

// A dialog stand-in that records which messages reach its own procedure.
class RecordingForm : public FormWindow {
  public:
    std::vector<UINT> Seen;
    bool SawMessage(UINT message) const {
        for (UINT seen : Seen) {
            if (seen == message) return true;
        }
        return false;
    }

  protected:
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
        Seen.push_back(message);
        if (message == WM_CLOSE) return 0;  // the dialog decides itself whether to close
        return FormWindow::OnMessage(message, wParam, lParam);
    }
};

struct MenuItem {
    UINT Type = 0;
    UINT Id = 0;
    std::wstring Text;
};

MenuItem ItemAt(HMENU menu, int position) {
    wchar_t text[64] = {};
    MENUITEMINFOW info = {};
    info.cbSize = sizeof(info);
    info.fMask = MIIM_FTYPE | MIIM_ID | MIIM_STRING;
    info.dwTypeData = text;
    info.cch = 64;
    GetMenuItemInfoW(menu, static_cast<UINT>(position), TRUE, &info);
    return {info.fType, info.wID, text};
}

class SysMenuEntry : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(
            form.CreateForm(L"Globulon Menu Test", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 200, 120));
    }
    void TearDown() override {
        UnhookSysMenu(form.Hwnd());
        SysMenu() = SysMenuState();
        AboutForm().Unload();
    }
    RecordingForm form;
};

TEST_F(SysMenuEntry, MenuEndsWithSeparatorAndAbout) {
    HMENU menu = GetSystemMenu(form.Hwnd(), FALSE);
    const int before = GetMenuItemCount(menu);
    AddSysMenuItem(form.Hwnd(), AboutCommandId, L"About...", true);
    const int count = GetMenuItemCount(menu);
    ASSERT_EQ(count, before + 2);
    const MenuItem separator = ItemAt(menu, count - 2);
    const MenuItem about = ItemAt(menu, count - 1);
    EXPECT_TRUE(separator.Type & MFT_SEPARATOR);
    EXPECT_FALSE(about.Type & MFT_SEPARATOR);
    EXPECT_EQ(about.Id, 2001u);
    EXPECT_EQ(about.Text, L"About...");
    EXPECT_EQ(GetMenuState(menu, AboutCommandId, MF_BYCOMMAND) & (MF_GRAYED | MF_DISABLED), 0u);
}

TEST_F(SysMenuEntry, WithoutSeparatorOnlyTheItemIsAdded) {
    HMENU menu = GetSystemMenu(form.Hwnd(), FALSE);
    const int before = GetMenuItemCount(menu);
    AddSysMenuItem(form.Hwnd(), AboutCommandId, L"About...", false);
    ASSERT_EQ(GetMenuItemCount(menu), before + 1);
    EXPECT_EQ(ItemAt(menu, before).Id, 2001u);
}

TEST_F(SysMenuEntry, NoWindowNoChange) {
    AddSysMenuItem(nullptr, AboutCommandId, L"About...", true);  // must not crash
    SUCCEED();
}

class SysMenuHook : public SysMenuEntry {};

TEST_F(SysMenuHook, InstallsAndRemovesTheProcedureInPairs) {
    const LONG_PTR own = GetWindowLongPtrW(form.Hwnd(), GWLP_WNDPROC);
    HookSysMenu(form.Hwnd(), FormContext());
    EXPECT_EQ(GetWindowLongPtrW(form.Hwnd(), GWLP_WNDPROC),
              reinterpret_cast<LONG_PTR>(&SysMenuProc));
    EXPECT_EQ(reinterpret_cast<LONG_PTR>(SysMenu().PrevDialogProc), own);
    UnhookSysMenu(form.Hwnd());
    EXPECT_EQ(GetWindowLongPtrW(form.Hwnd(), GWLP_WNDPROC), own);
    EXPECT_EQ(SysMenu().PrevDialogProc, nullptr);
}

TEST_F(SysMenuHook, UnhookingTwiceIsHarmless) {
    const LONG_PTR own = GetWindowLongPtrW(form.Hwnd(), GWLP_WNDPROC);
    HookSysMenu(form.Hwnd(), FormContext());
    UnhookSysMenu(form.Hwnd());
    UnhookSysMenu(form.Hwnd());
    EXPECT_EQ(GetWindowLongPtrW(form.Hwnd(), GWLP_WNDPROC), own);
    SendMessageW(form.Hwnd(), WM_USER + 1, 0, 0);
    EXPECT_TRUE(form.SawMessage(WM_USER + 1));
}

TEST_F(SysMenuHook, HookingTwiceDoesNotChainTheProcedureToItself) {
    const LONG_PTR own = GetWindowLongPtrW(form.Hwnd(), GWLP_WNDPROC);
    HookSysMenu(form.Hwnd(), FormContext());
    HookSysMenu(form.Hwnd(), FormContext());
    EXPECT_EQ(reinterpret_cast<LONG_PTR>(SysMenu().PrevDialogProc), own);
    SendMessageW(form.Hwnd(), WM_USER + 1, 0, 0);  // would recurse without end otherwise
    EXPECT_TRUE(form.SawMessage(WM_USER + 1));
}

TEST_F(SysMenuHook, OtherMessagesReachTheWindowsOwnProcedure) {
    HookSysMenu(form.Hwnd(), FormContext());
    SendMessageW(form.Hwnd(), WM_USER + 5, 0, 0);
    EXPECT_TRUE(form.SawMessage(WM_USER + 5));
}

TEST_F(SysMenuHook, SystemCommandsGoToTheDefaultHandling) {
    HookSysMenu(form.Hwnd(), FormContext());
    SendMessageW(form.Hwnd(), WM_SYSCOMMAND, SC_MINIMIZE, 0);
    EXPECT_TRUE(IsIconic(form.Hwnd()));
    SendMessageW(form.Hwnd(), WM_SYSCOMMAND, SC_RESTORE, 0);
    EXPECT_FALSE(IsIconic(form.Hwnd()));
    EXPECT_FALSE(form.SawMessage(WM_SYSCOMMAND));
    // Close arrives at the window's own procedure as WM_CLOSE.
    SendMessageW(form.Hwnd(), WM_SYSCOMMAND, SC_CLOSE, 0);
    EXPECT_TRUE(form.SawMessage(WM_CLOSE));
    EXPECT_TRUE(IsWindow(form.Hwnd()));
}

TEST_F(SysMenuHook, AboutCommandRestoresAMinimisedDialogAndOpensTheBox) {
    AddSysMenuItem(form.Hwnd(), AboutCommandId, L"About...", true);
    HookSysMenu(form.Hwnd(), FormContext());
    ShowWindow(form.Hwnd(), SW_MINIMIZE);
    ASSERT_TRUE(IsIconic(form.Hwnd()));
    const auto formIcon = reinterpret_cast<HICON>(GetClassLongPtrW(form.Hwnd(), GCLP_HICON));

    bool boxSeen = false, formRestored = false, formDisabled = false;
    HICON shownIcon = nullptr;
    std::wstring text;
    DelayedAction look(200, [&] {
        HWND box = testing::FindAboutWindow();
        boxSeen = box != nullptr && IsWindowVisible(box);
        formRestored = !IsIconic(form.Hwnd());
        formDisabled = !IsWindowEnabled(form.Hwnd());
        shownIcon = AboutForm().Picture().Icon;
        text = testing::TextOf(AboutForm().AboutLabel());
        PostMessageW(box, WM_CLOSE, 0, 0);
    });
    DelayedAction guard(5000, [] {
        if (HWND box = testing::FindAboutWindow()) DestroyWindow(box);
    });
    SendMessageW(form.Hwnd(), WM_SYSCOMMAND, AboutCommandId, 0);
    EXPECT_TRUE(look.Ran());
    EXPECT_FALSE(guard.Ran());
    EXPECT_TRUE(boxSeen);
    EXPECT_TRUE(formRestored);
    EXPECT_TRUE(formDisabled);
    EXPECT_TRUE(IsWindowEnabled(form.Hwnd()));
    ASSERT_NE(formIcon, nullptr);
    EXPECT_EQ(shownIcon, formIcon);
    // No comment: the first line is blank.
    EXPECT_EQ(text.find(L"\r\nGlobulon Screen Saver"), 0u);
    EXPECT_FALSE(form.SawMessage(WM_SYSCOMMAND));
    EXPECT_FALSE(AboutForm().Loaded());
}

TEST_F(SysMenuHook, OnlyTheExactCommandOpensTheBox) {
    HookSysMenu(form.Hwnd(), FormContext());
    bool boxSeen = false;
    DelayedAction look(100, [&] {
        if (HWND box = testing::FindAboutWindow()) {
            boxSeen = true;
            DestroyWindow(box);
        }
    });
    SendMessageW(form.Hwnd(), WM_SYSCOMMAND, AboutCommandId + 1, 0);
    testing::PumpUntil([&] { return look.Ran(); }, 2000);
    EXPECT_FALSE(boxSeen);
}

TEST_F(SysMenuHook, ADestroyedHookedWindowFreesTheHookForTheNextOne) {
    HookSysMenu(form.Hwnd(), FormContext());
    form.DestroyForm();
    EXPECT_EQ(SysMenu().PrevDialogProc, nullptr);
    RecordingForm next;
    ASSERT_TRUE(next.CreateForm(L"Globulon Menu Next", WS_OVERLAPPEDWINDOW, 0, 100, 100));
    HookSysMenu(next.Hwnd(), FormContext());
    SendMessageW(next.Hwnd(), WM_USER + 2, 0, 0);
    EXPECT_TRUE(next.SawMessage(WM_USER + 2));
    UnhookSysMenu(next.Hwnd());
}

}  // namespace
}  // namespace globulon
