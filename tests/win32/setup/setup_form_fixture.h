// The settings dialog under test: a loaded SetupForm on a store and caption of the test
// process's own, and the reading of its controls as the user sees them.
#pragma once

#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "win32/host/message_pump.h"
#include "win32/host/settings_store.h"
#include "win32/setup/setup_form.h"

namespace globulon::setup_test {

// A store and a caption of each test process's own: the program's settings, any running copy
// of the program and tests running beside this one stay untouched.
inline const std::wstring kApp = L"Globulon Setup Test " + std::to_wstring(GetCurrentProcessId());
inline const std::wstring kAppKey = L"Software\\" + kApp;
inline const std::wstring kTitle =
    L"Globulon Setup Form Test " + std::to_wstring(GetCurrentProcessId());
inline constexpr wchar_t kMissing[] = L"<missing>";

using Id = SetupControlId;

class SetupFormTest : public ::testing::Test {
  protected:
    void SetUp() override { RegDeleteTreeW(HKEY_CURRENT_USER, kAppKey.c_str()); }
    void TearDown() override {
        form.Unload();
        RegDeleteTreeW(HKEY_CURRENT_USER, kAppKey.c_str());
    }

    void Store(const wchar_t* key, const wchar_t* value) {
        ASSERT_TRUE(SaveAppSetting(kApp, L"Setting", key, value));
    }
    std::wstring Stored(const wchar_t* key) {
        return GetAppSetting(kApp, L"Setting", key, kMissing);
    }
    // Most tests leave the window hidden: its controls work the same, and Wine without a window
    // manager takes seconds to take a shown window down again.
    void Open(bool show = false) {
        ASSERT_TRUE(form.Load());
        if (show) form.Show();
    }

    HWND C(Id id) { return form.Control(id); }
    int Selected(Id id) { return static_cast<int>(SendMessageW(C(id), CB_GETCURSEL, 0, 0)); }
    bool Checked(Id id) { return SendMessageW(C(id), BM_GETCHECK, 0, 0) == BST_CHECKED; }
    bool Enabled(Id id) { return IsWindowEnabled(C(id)) != FALSE; }
    // The colour the form paints a control's background in.
    COLORREF Background(Id id) {
        HDC dc = CreateCompatibleDC(nullptr);
        SendMessageW(form.Hwnd(), WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                     reinterpret_cast<LPARAM>(C(id)));
        const COLORREF color = GetBkColor(dc);
        DeleteDC(dc);
        return color;
    }
    void ExpectLists(int red, int green, int blue) {
        EXPECT_EQ(Selected(Id::Red), red);
        EXPECT_EQ(Selected(Id::Green), green);
        EXPECT_EQ(Selected(Id::Blue), blue);
    }
    void ExpectRandomState() {
        EXPECT_TRUE(Checked(Id::Random));
        EXPECT_FALSE(Checked(Id::Fisso));
        for (Id list : {Id::Red, Id::Green, Id::Blue}) {
            EXPECT_EQ(Selected(list), -1);
            EXPECT_FALSE(Enabled(list));
            EXPECT_EQ(Background(list), RGB(192, 192, 192));
        }
        EXPECT_EQ(Background(Id::Swatch), RGB(255, 255, 255));
    }
    void ExpectNothingStored() {
        for (const wchar_t* key : {L"ColorFixed", L"ColorRandom", L"BlackScreen", L"MouseMove"}) {
            EXPECT_EQ(Stored(key), kMissing) << key;
        }
    }
    std::wstring Text(HWND hwnd) {
        wchar_t text[64] = {};
        GetWindowTextW(hwnd, text, 64);
        return text;
    }

    // The dialog's caption and scale, and the end flag that OK, Cancel and closing set.
    bool quit_ = false;
    FormContext Context() {
        FormContext context;
        context.AppTitle = kTitle;
        context.QuitRequested = &quit_;
        return context;
    }

    SetupForm form{Context(),
                   [](std::wstring_view key, std::wstring_view defaultValue) {
                       return GetAppSetting(kApp, L"Setting", key, defaultValue);
                   },
                   [](std::wstring_view key, std::wstring_view value) {
                       SaveAppSetting(kApp, L"Setting", key, value);
                   }};
};

}  // namespace globulon::setup_test
