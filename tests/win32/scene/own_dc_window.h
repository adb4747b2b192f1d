// A hidden window whose class keeps one drawing context for life, so that what is selected into
// it can be checked while another part holds it and after that part has released it.
#pragma once

#include <windows.h>

namespace globulon {

class OwnDcWindow {
  public:
    explicit OwnDcWindow(int clientWidth = 64, int clientHeight = 64) {
        WNDCLASSW wc = {};
        wc.style = CS_OWNDC;
        wc.lpfnWndProc = DefWindowProcW;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.lpszClassName = L"GlobulonOwnDcTest";
        RegisterClassW(&wc);
        hwnd_ = CreateWindowExW(0, wc.lpszClassName, L"own context test", WS_POPUP, 0, 0,
                                clientWidth, clientHeight, nullptr, nullptr, wc.hInstance, nullptr);
    }
    ~OwnDcWindow() {
        if (IsWindow(hwnd_)) DestroyWindow(hwnd_);
    }
    OwnDcWindow(const OwnDcWindow&) = delete;
    OwnDcWindow& operator=(const OwnDcWindow&) = delete;

    HWND Hwnd() const { return hwnd_; }
    // The pen selected into the window's context now.
    HGDIOBJ CurrentPen() const {
        HDC dc = GetDC(hwnd_);
        HGDIOBJ pen = GetCurrentObject(dc, OBJ_PEN);
        ReleaseDC(hwnd_, dc);
        return pen;
    }

  private:
    HWND hwnd_ = nullptr;
};

}  // namespace globulon
