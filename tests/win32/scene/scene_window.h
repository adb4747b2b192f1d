// A plain top-level window for the frame tests: records the repaint requests it receives.
#pragma once

#include <windows.h>

namespace globulon {

class SceneWindow {
  public:
    // Hidden: Wine takes seconds to hide or destroy a shown window on a display without a window
    // manager, and nothing here needs to be seen.
    SceneWindow(int clientWidth, int clientHeight) {
        WNDCLASSW wc = {};
        wc.lpfnWndProc = Proc;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
        wc.lpszClassName = L"GlobulonSceneTest";
        RegisterClassW(&wc);
        hwnd_ = CreateWindowExW(0, wc.lpszClassName, L"scene test", WS_POPUP, 0, 0, clientWidth,
                                clientHeight, nullptr, nullptr, wc.hInstance, nullptr);
        SetWindowLongPtrW(hwnd_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    }
    ~SceneWindow() {
        if (IsWindow(hwnd_)) DestroyWindow(hwnd_);
    }
    SceneWindow(const SceneWindow&) = delete;
    SceneWindow& operator=(const SceneWindow&) = delete;

    HWND Hwnd() const { return hwnd_; }
    int PaintRequests() const { return paints_; }
    WPARAM LastPaintWParam() const { return lastPaintWParam_; }

  private:
    static LRESULT CALLBACK Proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
        auto* self = reinterpret_cast<SceneWindow*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
        if (self && message == WM_PAINT) {
            ++self->paints_;
            self->lastPaintWParam_ = wParam;
        }
        return DefWindowProcW(hwnd, message, wParam, lParam);
    }

    HWND hwnd_ = nullptr;
    int paints_ = 0;
    WPARAM lastPaintWParam_ = 0;
};

}  // namespace globulon
