// Finding the program's form windows by class and title, on real windows.
#include "win32/host/app_window.h"

#include <gtest/gtest.h>
#include <windows.h>

#include "win32/host/form_window.h"

namespace globulon {
namespace {

constexpr wchar_t kTitle[] = L"Globulon Lookup Test";

HWND MakeWindowOfClass(const wchar_t* className, const wchar_t* title) {
    WNDCLASSW wc = {};
    wc.lpfnWndProc = DefWindowProcW;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = className;
    RegisterClassW(&wc);
    return CreateWindowExW(0, className, title, WS_OVERLAPPEDWINDOW, 0, 0, 100, 100, nullptr,
                           nullptr, wc.hInstance, nullptr);
}

TEST(FindAppWindow, FindsAFormWindowByExactTitle) {
    EXPECT_EQ(FindAppWindow(kTitle, L""), nullptr);
    FormWindow form;
    ASSERT_TRUE(form.CreateForm(kTitle, WS_OVERLAPPEDWINDOW, 0, 100, 100));
    EXPECT_EQ(FindAppWindow(kTitle, L""), form.Hwnd());
    EXPECT_EQ(FindAppWindow(L"Globulon Lookup", L""), nullptr);
    form.DestroyForm();
    EXPECT_EQ(FindAppWindow(kTitle, L""), nullptr);
}

TEST(FindAppWindow, TellsClassesApart) {
    HWND other = MakeWindowOfClass(L"GlobulonOtherClass", kTitle);
    ASSERT_NE(other, nullptr);
    EXPECT_EQ(FindAppWindow(kTitle, L""), nullptr);
    EXPECT_EQ(FindAppWindow(kTitle, L"GlobulonOtherClass"), other);
    DestroyWindow(other);
}

TEST(RestoreAppWindow, BringsAMinimisedWindowBack) {
    FormWindow form;
    ASSERT_TRUE(form.CreateForm(kTitle, WS_OVERLAPPEDWINDOW, 0, 100, 100));
    ShowWindow(form.Hwnd(), SW_MINIMIZE);
    ASSERT_TRUE(IsIconic(form.Hwnd()));
    RestoreAppWindow(form.Hwnd());
    EXPECT_FALSE(IsIconic(form.Hwnd()));
    EXPECT_TRUE(IsWindowVisible(form.Hwnd()));
}

TEST(MakeTopMost, PutsTheWindowInTheTopMostBandWithoutMovingIt) {
    FormWindow form;
    ASSERT_TRUE(form.CreateForm(kTitle, WS_POPUP | WS_VISIBLE, 0, 100, 100));
    SetWindowPos(form.Hwnd(), nullptr, 30, 40, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    MakeTopMost(form.Hwnd());
    EXPECT_TRUE(GetWindowLongPtrW(form.Hwnd(), GWL_EXSTYLE) & WS_EX_TOPMOST);
    RECT rect;
    GetWindowRect(form.Hwnd(), &rect);
    EXPECT_EQ(rect.left, 30);
    EXPECT_EQ(rect.top, 40);
}

TEST(InputWindowFor, IsTheWindowItselfUntilAModalBoxDisablesIt) {
    HWND dialog = MakeWindowOfClass(L"Static", L"dialog");
    HWND box = MakeWindowOfClass(L"Static", L"box");
    ASSERT_TRUE(dialog && box);
    ShowWindow(dialog, SW_SHOWNA);
    EXPECT_EQ(InputWindowFor(dialog), dialog);
    // A box that is not shown takes no input.
    EnableWindow(dialog, FALSE);
    EXPECT_EQ(InputWindowFor(dialog), dialog);
    ShowWindow(box, SW_SHOWNA);
    EXPECT_EQ(InputWindowFor(dialog), box);
    DestroyWindow(box);
    DestroyWindow(dialog);
}

}  // namespace
}  // namespace globulon
