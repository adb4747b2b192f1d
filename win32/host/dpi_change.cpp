// A form's move to a monitor of another DPI; see dpi_change.h.
#include "win32/host/dpi_change.h"

#include "win32/host/window_dpi.h"

namespace globulon {

LRESULT AnswerDpiScaledSize(HWND form, WPARAM wParam, LPARAM lParam, int clientWidth,
                            int clientHeight) {
    auto* size = reinterpret_cast<SIZE*>(lParam);
    if (!size) return FALSE;
    SIZE answer = {};
    if (!WindowSizeAtDpi(form, static_cast<int>(wParam), clientWidth, clientHeight, answer)) {
        return FALSE;
    }
    *size = answer;
    return TRUE;
}

void ApplyDpiChange(HWND form, const std::vector<ControlAtDpi>& controls, const RECT& suggested,
                    int clientWidth, int clientHeight) {
    for (const ControlAtDpi& control : controls) {
        if (!control.Control) continue;
        if (control.Font) {
            SendMessageW(control.Control, WM_SETFONT, reinterpret_cast<WPARAM>(control.Font),
                         FALSE);
        }
        SetWindowPos(control.Control, nullptr, control.Place.Left, control.Place.Top,
                     control.Place.Width, control.Place.Height, SWP_NOZORDER | SWP_NOACTIVATE);
    }
    // The documentation asks for the suggested rectangle: it keeps the window under the pointer
    // that dragged it, and it has the size the window answered WM_GETDPISCALEDSIZE with.
    SetWindowPos(form, nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
                 suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
    // A system whose frame does not take the new DPI (Wine keeps its caption's size) leaves
    // another client area in that rectangle: the layout's size wins, or a margin would grow.
    RECT client = {};
    if (GetClientRect(form, &client) &&
        (client.right != clientWidth || client.bottom != clientHeight)) {
        SetClientSize(form, clientWidth, clientHeight);
    }
    RedrawWindow(form, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

}  // namespace globulon
