// The "About..." entry of a dialog's system menu and the About box it opens.
#include "win32/about/sys_menu.h"

#include <gtest/gtest.h>

#include <string>

#include "tests/win32/about/about_test_support.h"
#include "win32/about/about_box.h"
#include "win32/host/form_window.h"

namespace globulon {
namespace {

using testing::DelayedAction;

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
    void TearDown() override { box.Unload(); }
    FormWindow form;
    AboutBox box;
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

TEST_F(SysMenuEntry, AboutRestoresAMinimisedDialogAndOpensTheBoxWithItsIcon) {
    ShowWindow(form.Hwnd(), SW_MINIMIZE);
    ASSERT_TRUE(IsIconic(form.Hwnd()));
    const auto formIcon = reinterpret_cast<HICON>(GetClassLongPtrW(form.Hwnd(), GCLP_HICON));

    bool boxSeen = false, formRestored = false, formDisabled = false;
    HICON shownIcon = nullptr;
    std::wstring text;
    DelayedAction look(200, [&] {
        HWND open = testing::FindAboutWindow();
        boxSeen = open != nullptr && IsWindowVisible(open);
        formRestored = !IsIconic(form.Hwnd());
        formDisabled = !IsWindowEnabled(form.Hwnd());
        shownIcon = box.Picture().Icon;
        text = testing::TextOf(box.AboutLabel());
        PostMessageW(open, WM_CLOSE, 0, 0);
    });
    DelayedAction guard(5000, [] {
        if (HWND open = testing::FindAboutWindow()) DestroyWindow(open);
    });
    ShowAboutFromMenu(box, form.Hwnd(), FormContext());
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
    EXPECT_FALSE(box.Loaded());
}

}  // namespace
}  // namespace globulon
