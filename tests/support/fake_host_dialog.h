// A stand-in for the display-settings dialog, built from real windows: pages and drop-down lists.
#pragma once

#include <windows.h>

#include <initializer_list>
#include <string>

namespace globulon::testing {

// A top-level dialog window; its pages and lists are added by the tests.
class FakeHostDialog {
  public:
    FakeHostDialog() {
        hwnd_ = CreateWindowExW(0, L"#32770", L"Display Properties", WS_OVERLAPPED, 0, 0, 400, 300,
                                nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    }
    ~FakeHostDialog() {
        if (IsWindow(hwnd_)) DestroyWindow(hwnd_);
    }
    FakeHostDialog(const FakeHostDialog&) = delete;
    FakeHostDialog& operator=(const FakeHostDialog&) = delete;

    HWND Hwnd() const { return hwnd_; }

    HWND AddPage(const wchar_t* title) {
        return CreateWindowExW(0, L"#32770", title, WS_CHILD, 0, 0, 380, 260, hwnd_, nullptr,
                               GetModuleHandleW(nullptr), nullptr);
    }
    // A drop-down list on parent holding the entries; selected is an index or -1 for none.
    static HWND AddList(HWND parent, std::initializer_list<std::wstring> entries, int selected) {
        HWND list = CreateWindowExW(0, L"ComboBox", L"", WS_CHILD | CBS_DROPDOWNLIST, 10, 10, 200,
                                    120, parent, nullptr, GetModuleHandleW(nullptr), nullptr);
        for (const std::wstring& entry : entries) {
            SendMessageW(list, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(entry.c_str()));
        }
        SendMessageW(list, CB_SETCURSEL, static_cast<WPARAM>(selected), 0);
        return list;
    }

  private:
    HWND hwnd_ = nullptr;
};

}  // namespace globulon::testing
