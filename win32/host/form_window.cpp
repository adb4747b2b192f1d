// The form window class and its message routing; see form_window.h.
#include "win32/host/form_window.h"

namespace globulon {
namespace {

bool RegisterFormClass() {
    static const bool registered = [] {
        WNDCLASSEXW wc = {};
        wc.cbSize = sizeof(wc);
        wc.style = CS_DBLCLKS;
        wc.lpfnWndProc = DefWindowProcW;  // replaced per window once its object is attached
        wc.hInstance = ProgramInstance();
        wc.hIcon = LoadIconW(ProgramInstance(), MAKEINTRESOURCEW(101));
        wc.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
        wc.lpszClassName = FormClassName;
        return RegisterClassExW(&wc) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
    }();
    return registered;
}

}  // namespace

HINSTANCE ProgramInstance() {
    return GetModuleHandleW(nullptr);
}

FormWindow::~FormWindow() {
    DestroyForm();
}

bool FormWindow::CreateForm(const std::wstring& title, DWORD style, DWORD exStyle, int clientWidth,
                            int clientHeight, HWND owner, POINT at) {
    if (hwnd_ || !RegisterFormClass()) return false;
    RECT frame = {0, 0, clientWidth, clientHeight};
    AdjustWindowRectEx(&frame, style, FALSE, exStyle);
    HWND hwnd = CreateWindowExW(exStyle, FormClassName, title.c_str(), style, at.x, at.y,
                                frame.right - frame.left, frame.bottom - frame.top, owner, nullptr,
                                ProgramInstance(), nullptr);
    if (!hwnd) return false;
    // Attach this object and route the window's messages to it from now on.
    hwnd_ = hwnd;
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    SetWindowLongPtrW(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&FormWindow::FormProc));
    OnCreate();
    return true;
}

void FormWindow::DestroyForm() {
    if (!hwnd_) return;
    HWND hwnd = hwnd_;
    hwnd_ = nullptr;
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
    DestroyWindow(hwnd);
}

LRESULT FormWindow::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    return DefWindowProcW(hwnd_, message, wParam, lParam);
}

LRESULT CALLBACK FormWindow::FormProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* form = reinterpret_cast<FormWindow*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (!form) return DefWindowProcW(hwnd, message, wParam, lParam);
    if (message == WM_NCDESTROY) {
        // Destroyed from outside the object (the system, a closing owner): forget the handle.
        form->hwnd_ = nullptr;
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
        return DefWindowProcW(hwnd, message, wParam, lParam);
    }
    return form->OnMessage(message, wParam, lParam);
}

}  // namespace globulon
