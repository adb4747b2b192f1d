// The form window class and its message routing; see form_window.h.
#include "win32/host/form_window.h"

#include "win32/host/resource_ids.h"

namespace globulon {

bool FormWindow::RegisterFormClass() {
    static const bool registered = [] {
        WNDCLASSEXW wc = {};
        wc.cbSize = sizeof(wc);
        wc.style = CS_DBLCLKS | CS_OWNDC;
        wc.lpfnWndProc = &FormWindow::FormProc;
        wc.cbWndExtra = DLGWINDOWEXTRA;
        wc.hInstance = ProgramInstance();
        wc.hIcon = LoadIconW(ProgramInstance(), MAKEINTRESOURCEW(ProgramIconId));
        wc.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
        wc.lpszClassName = FormClassName;
        return RegisterClassExW(&wc) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
    }();
    return registered;
}

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
    // The window procedure attaches this object at WM_NCCREATE.
    return CreateWindowExW(exStyle, FormClassName, title.c_str(), style, at.x, at.y,
                           frame.right - frame.left, frame.bottom - frame.top, owner, nullptr,
                           ProgramInstance(), this) != nullptr;
}

void FormWindow::DestroyForm() {
    if (!hwnd_) return;
    HWND hwnd = hwnd_;
    // Detached first: while it goes, the window gets only the default handling.
    hwnd_ = nullptr;
    DestroyWindow(hwnd);
}

LRESULT FormWindow::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    return DefaultProcedure(hwnd_, message, wParam, lParam);
}

LRESULT FormWindow::DefaultProcedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

LRESULT CALLBACK FormWindow::FormProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        // The first message with the creating object: attach it for the window's life.
        auto* create = reinterpret_cast<const CREATESTRUCTW*>(lParam);
        if (auto* created = static_cast<FormWindow*>(create->lpCreateParams)) {
            created->hwnd_ = hwnd;
            SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(created));
        }
    }
    auto* form = reinterpret_cast<FormWindow*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (!form) return DefWindowProcW(hwnd, message, wParam, lParam);
    if (message == WM_NCDESTROY) {
        // The window's last message, whoever destroys it: forget the handle.
        form->hwnd_ = nullptr;
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
        return form->DefaultProcedure(hwnd, message, wParam, lParam);
    }
    // Being destroyed by its own object.
    if (!form->hwnd_) return form->DefaultProcedure(hwnd, message, wParam, lParam);
    if (message == WM_CREATE) form->OnCreate();
    return form->OnMessage(message, wParam, lParam);
}

}  // namespace globulon
