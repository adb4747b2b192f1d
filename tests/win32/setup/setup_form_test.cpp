// The settings dialog as the user meets it: its window and controls, the states the stored
// settings give, the swatch's pointer, and what the system's commands do. What a person's clicks
// and keys change and store is the black-box tests' (tests/blackbox/test_setup.py).
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <thread>
#include <vector>

#include "tests/win32/setup/setup_form_fixture.h"
#include "tests/win32/setup/window_wait.h"
#include "win32/about/sys_menu.h"

namespace globulon::setup_test {
namespace {

// --- the window and its controls --------------------------------------------------------------

TEST_F(SetupFormTest, IsAFixedCentredFormOutOfTheTaskBar) {
    Open(true);
    HWND hwnd = form.Hwnd();
    wchar_t className[64] = {};
    GetClassNameW(hwnd, className, 64);
    EXPECT_STREQ(className, L"ThunderRT6FormDC");
    EXPECT_EQ(Text(hwnd), kTitle);
    const LONG_PTR style = GetWindowLongPtrW(hwnd, GWL_STYLE);
    EXPECT_TRUE(style & WS_CAPTION);
    EXPECT_TRUE(style & WS_SYSMENU);
    EXPECT_TRUE(style & WS_MINIMIZEBOX);
    EXPECT_FALSE(style & WS_MAXIMIZEBOX);
    EXPECT_FALSE(style & WS_THICKFRAME);
    const LONG_PTR exStyle = GetWindowLongPtrW(hwnd, GWL_EXSTYLE);
    EXPECT_TRUE(exStyle & WS_EX_CONTROLPARENT);
    EXPECT_FALSE(exStyle & WS_EX_APPWINDOW);
    // An owner that is never shown keeps the dialog's button out of the task bar.
    HWND owner = GetWindow(hwnd, GW_OWNER);
    ASSERT_NE(owner, nullptr);
    EXPECT_FALSE(IsWindowVisible(owner));
    EXPECT_NE(SendMessageW(hwnd, WM_GETICON, ICON_BIG, 0), 0);
    EXPECT_NE(SendMessageW(hwnd, WM_GETICON, ICON_SMALL, 0), 0);

    RECT client, frame;
    GetClientRect(hwnd, &client);
    EXPECT_EQ(client.right, 275);   // 4125 twips
    EXPECT_EQ(client.bottom, 202);  // 3030 twips
    GetWindowRect(hwnd, &frame);
    EXPECT_EQ(frame.left, (GetSystemMetrics(SM_CXSCREEN) - (frame.right - frame.left)) / 2);
    EXPECT_EQ(frame.top, (GetSystemMetrics(SM_CYSCREEN) - (frame.bottom - frame.top)) / 2);
}

TEST_F(SetupFormTest, ControlsFollowTheLayoutInTabOrder) {
    Open();
    HWND child = GetWindow(form.Hwnd(), GW_CHILD);
    for (const SetupControlLayout& control : SetupLayout) {
        ASSERT_NE(child, nullptr) << control.Name;
        EXPECT_EQ(GetDlgCtrlID(child), static_cast<int>(control.Id)) << control.Name;
        if (control.Kind != ControlKind::DropDownList) {
            EXPECT_EQ(Text(child), control.Caption) << control.Name;
        }
        RECT at;
        GetWindowRect(child, &at);
        MapWindowPoints(nullptr, form.Hwnd(), reinterpret_cast<POINT*>(&at), 2);
        const PixelRect want = SetupControlPixels(control, 96);
        EXPECT_EQ(at.left, want.Left) << control.Name;
        EXPECT_EQ(at.top, want.Top) << control.Name;
        if (control.Kind == ControlKind::Label) {
            EXPECT_GE(at.right - at.left, want.Width) << control.Name;  // grown to its text
        } else {
            EXPECT_EQ(at.right - at.left, want.Width) << control.Name;
        }
        if (control.Kind != ControlKind::DropDownList && control.Kind != ControlKind::Label) {
            EXPECT_EQ(at.bottom - at.top, want.Height) << control.Name;
        }
        child = GetWindow(child, GW_HWNDNEXT);
    }
    EXPECT_EQ(child, nullptr);
    EXPECT_TRUE(GetWindowLongPtrW(C(Id::OK), GWL_STYLE) & BS_DEFPUSHBUTTON);
}

TEST_F(SetupFormTest, ListsHoldTheEntries0To255WithTwoLeadingBlanks) {
    Open();
    for (Id list : {Id::Red, Id::Green, Id::Blue}) {
        ASSERT_EQ(SendMessageW(C(list), CB_GETCOUNT, 0, 0), 256);
        wchar_t entry[16] = {};
        SendMessageW(C(list), CB_GETLBTEXT, 0, reinterpret_cast<LPARAM>(entry));
        EXPECT_STREQ(entry, L"  0");
        SendMessageW(C(list), CB_GETLBTEXT, 255, reinterpret_cast<LPARAM>(entry));
        EXPECT_STREQ(entry, L"  255");
        EXPECT_TRUE(GetWindowLongPtrW(C(list), GWL_STYLE) & CBS_DROPDOWNLIST);
    }
}

TEST_F(SetupFormTest, CaptionsFitTheirControlsInTheDialogFont) {
    Open();
    for (const SetupControlLayout& control : SetupLayout) {
        std::wstring caption = control.Caption;
        if (caption.empty()) continue;
        caption.erase(
            caption.find(L'&') == std::wstring::npos ? caption.size() : caption.find(L'&'),
            caption.find(L'&') == std::wstring::npos ? 0 : 1);
        HWND hwnd = C(control.Id);
        HFONT font = reinterpret_cast<HFONT>(SendMessageW(hwnd, WM_GETFONT, 0, 0));
        ASSERT_NE(font, nullptr) << control.Name;
        HDC dc = GetDC(hwnd);
        HGDIOBJ old = SelectObject(dc, font);
        SIZE text = {};
        GetTextExtentPoint32W(dc, caption.c_str(), static_cast<int>(caption.size()), &text);
        TEXTMETRICW metrics = {};
        GetTextMetricsW(dc, &metrics);
        SelectObject(dc, old);
        ReleaseDC(hwnd, dc);
        RECT rect;
        GetClientRect(hwnd, &rect);
        int room = rect.right;
        if (control.Kind == ControlKind::CheckBox || control.Kind == ControlKind::OptionButton) {
            room -= GetSystemMetrics(SM_CXMENUCHECK) + 4;  // the box and the gap before the text
        }
        EXPECT_LE(text.cx, room) << control.Name;
        EXPECT_LE(metrics.tmHeight, rect.bottom) << control.Name;
        if (control.Kind == ControlKind::Label) {
            // However wide the label grew, it ends before its list begins.
            RECT label, list;
            GetWindowRect(hwnd, &label);
            GetWindowRect(GetWindow(hwnd, GW_HWNDNEXT), &list);
            EXPECT_LT(label.right, list.left) << control.Name;
        }
    }
}

TEST_F(SetupFormTest, SystemMenuEndsWithSeparatorAndAbout) {
    Open();
    HMENU menu = GetSystemMenu(form.Hwnd(), FALSE);
    const int count = GetMenuItemCount(menu);
    ASSERT_GE(count, 2);
    EXPECT_EQ(GetMenuItemID(menu, count - 1), AboutCommandId);
    wchar_t text[32] = {};
    GetMenuStringW(menu, count - 1, text, 32, MF_BYPOSITION);
    EXPECT_STREQ(text, L"About...");
    EXPECT_TRUE(GetMenuState(menu, count - 2, MF_BYPOSITION) & MF_SEPARATOR);
}

TEST_F(SetupFormTest, SystemMenuAboutOpensTheBoxOtherCommandsKeepTheirMeaning) {
    Open(true);
    // Only the exact command opens the box; Close asks the run to end as the close box does.
    SendMessageW(form.Hwnd(), WM_SYSCOMMAND, AboutCommandId + 1, 0);
    EXPECT_EQ(FindWindowW(FormClassName, L"About"), nullptr);
    SendMessageW(form.Hwnd(), WM_SYSCOMMAND, SC_CLOSE, 0);
    EXPECT_TRUE(quit_);
    EXPECT_TRUE(IsWindow(form.Hwnd()));

    const DWORD thread = GetCurrentThreadId();
    bool boxSeen = false;
    std::thread watcher([&] {
        HWND box = testing::WaitForThreadWindow(thread, FormClassName, L"About");
        boxSeen = box != nullptr;
        if (box) PostMessageW(box, WM_CLOSE, 0, 0);
    });
    // Returns when the box has closed.
    SendMessageW(form.Hwnd(), WM_SYSCOMMAND, AboutCommandId, 0);
    watcher.join();
    EXPECT_TRUE(boxSeen);
    EXPECT_EQ(FindWindowW(FormClassName, L"About"), nullptr);
    ExpectNothingStored();
}

// Of the option group only the selected option is a tab stop, and disabled lists take none. What
// a person's click on an option then changes is the black-box tests'.
TEST_F(SetupFormTest, TabWalksTheControlsThatTakeInput) {
    Store(L"ColorRandom", L"0");
    Store(L"ColorFixed", L"1,2,3");
    Open();
    const std::vector<Id> order = {Id::Black, Id::Mouse, Id::Fisso,  Id::Red,  Id::Green,
                                   Id::Blue,  Id::OK,    Id::Cancel, Id::Black};
    HWND at = C(Id::Black);
    for (size_t i = 1; i < order.size(); ++i) {
        at = GetNextDlgTabItem(form.Hwnd(), at, FALSE);
        EXPECT_EQ(GetDlgCtrlID(at), static_cast<int>(order[i])) << i;
    }
    form.Unload();
    Store(L"ColorRandom", L"1");
    Open();
    at = GetNextDlgTabItem(form.Hwnd(), C(Id::Mouse), FALSE);
    EXPECT_EQ(at, C(Id::Random));
    EXPECT_EQ(GetNextDlgTabItem(form.Hwnd(), at, FALSE), C(Id::OK));
}

// --- the states the stored settings give --------------------------------------------------------

TEST_F(SetupFormTest, FirstRunShowsRandomColoursDeleteScreenAndNoMouse) {
    Open();
    ExpectRandomState();
    EXPECT_TRUE(Checked(Id::Black));
    EXPECT_FALSE(Checked(Id::Mouse));
    EXPECT_FALSE(form.Logic().FixedColorStored());
}

TEST_F(SetupFormTest, StoredFixedColourFillsListsAndSwatch) {
    Store(L"ColorRandom", L"0");
    Store(L"ColorFixed", L"10,20,30");
    Store(L"BlackScreen", L"False");
    Store(L"MouseMove", L"True");
    Open();
    EXPECT_TRUE(Checked(Id::Fisso));
    EXPECT_FALSE(Checked(Id::Random));
    ExpectLists(10, 20, 30);
    for (Id list : {Id::Red, Id::Green, Id::Blue}) EXPECT_TRUE(Enabled(list));
    EXPECT_EQ(Background(Id::Swatch), RGB(10, 20, 30));
    EXPECT_FALSE(Checked(Id::Black));
    EXPECT_TRUE(Checked(Id::Mouse));
}

// What picking a list entry then does is a black-box test: a person's click or key.
TEST_F(SetupFormTest, ColourWithoutCommasShowsTheWhiteTheSaverDraws) {
    Store(L"ColorRandom", L"0");
    Store(L"ColorFixed", L"12");
    Open();
    ExpectLists(255, 255, 255);
    EXPECT_EQ(Background(Id::Swatch), RGB(255, 255, 255));
}

TEST_F(SetupFormTest, RandomWithATrueColourTextOpensRandomAsTheSaverDraws) {
    Store(L"ColorRandom", L"1");
    Store(L"ColorFixed", L"12,34,56");
    Open();
    ExpectRandomState();
    EXPECT_FALSE(form.Logic().FixedColorStored());
}

// --- the swatch ---------------------------------------------------------------------------------

// The system asks for the pointer on each move over the swatch: the hand in the fixed-colour state
// only.
TEST_F(SetupFormTest, SwatchGetsTheHandPointerInFixedStateOnly) {
    HCURSOR hand = LoadCursorW(ProgramInstance(), MAKEINTRESOURCEW(101));
    if (!hand) hand = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_HAND));
    const auto moveOverSwatch = [&] {
        SendMessageW(form.Hwnd(), WM_SETCURSOR, reinterpret_cast<WPARAM>(C(Id::Swatch)),
                     MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
        return GetCursor();
    };
    Open();
    EXPECT_NE(moveOverSwatch(), hand);
    form.Unload();
    Store(L"ColorRandom", L"0");
    Open();
    EXPECT_EQ(moveOverSwatch(), hand);
}

// --- unloading ----------------------------------------------------------------------------------

TEST_F(SetupFormTest, UnloadGivesBackWindowOwnerAndFont) {
    Open();
    HWND hwnd = form.Hwnd();
    HWND owner = GetWindow(hwnd, GW_OWNER);
    HGDIOBJ font = reinterpret_cast<HGDIOBJ>(SendMessageW(C(Id::OK), WM_GETFONT, 0, 0));
    ASSERT_NE(font, nullptr);
    EXPECT_EQ(GetObjectType(font), static_cast<DWORD>(OBJ_FONT));
    form.Unload();
    EXPECT_FALSE(IsWindow(hwnd));
    EXPECT_FALSE(IsWindow(owner));
    EXPECT_EQ(GetObjectType(font), 0u);
    form.Unload();  // harmless a second time
    EXPECT_TRUE(form.Load());
}

TEST_F(SetupFormTest, MoveToAnotherDpiGivesBackTheOldFont) {
    Open();
    const auto fontOf = [this](Id id) {
        return reinterpret_cast<HFONT>(SendMessageW(C(id), WM_GETFONT, 0, 0));
    };
    HFONT old = fontOf(Id::OK);
    RECT suggested = {10, 10, 500, 400};
    SendMessageW(form.Hwnd(), WM_DPICHANGED, MAKEWPARAM(144, 144),
                 reinterpret_cast<LPARAM>(&suggested));
    HFONT now = fontOf(Id::OK);
    EXPECT_EQ(GetObjectType(old), 0u);
    LOGFONTW font = {};
    ASSERT_TRUE(GetObjectW(now, sizeof(font), &font));
    EXPECT_EQ(font.lfHeight, -16);  // 8.25 points at 144 DPI
    for (Id id : {Id::Black, Id::Red, Id::Swatch, Id::Cancel}) EXPECT_EQ(fontOf(id), now);
    form.Unload();
    EXPECT_EQ(GetObjectType(now), 0u);
}

// The width of an icon's picture; 0 for a handle that is no icon (any more).
int IconWidth(HICON icon) {
    ICONINFO info = {};
    if (!icon || !GetIconInfo(icon, &info)) return 0;
    BITMAP mask = {};
    GetObjectW(info.hbmMask, sizeof(mask), &mask);
    if (info.hbmColor) DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
    return mask.bmWidth;
}

TEST_F(SetupFormTest, MoveToAnotherDpiTakesIconsOfItsSizesAndGivesBackTheOld) {
    Open();
    const auto icon = [this](WPARAM which) {
        return reinterpret_cast<HICON>(SendMessageW(form.Hwnd(), WM_GETICON, which, 0));
    };
    HICON big = icon(ICON_BIG);
    HICON small = icon(ICON_SMALL);
    const int bigWidth = IconWidth(big);
    const int smallWidth = IconWidth(small);
    ASSERT_GT(bigWidth, 0);
    ASSERT_GT(smallWidth, bigWidth / 4);
    RECT suggested = {10, 10, 500, 400};
    SendMessageW(form.Hwnd(), WM_DPICHANGED, MAKEWPARAM(144, 144),
                 reinterpret_cast<LPARAM>(&suggested));
    // The system's icon sizes grow with the DPI: 32 and 16 pixels at 96 DPI, 48 and 24 at 144.
    HICON bigNow = icon(ICON_BIG);
    HICON smallNow = icon(ICON_SMALL);
    EXPECT_EQ(IconWidth(bigNow), bigWidth * 3 / 2);
    EXPECT_EQ(IconWidth(smallNow), smallWidth * 3 / 2);
    // Icons of a size of their own are the window's: the old ones go, the new ones with it.
    EXPECT_EQ(IconWidth(big), 0);
    EXPECT_EQ(IconWidth(small), 0);
    form.Unload();
    EXPECT_EQ(IconWidth(bigNow), 0);
    EXPECT_EQ(IconWidth(smallNow), 0);
}

}  // namespace
}  // namespace globulon::setup_test
