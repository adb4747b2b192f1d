// The message pump; see message_pump.h.
#include "host/message_pump.h"

#include <windows.h>

namespace globulon {
namespace {

bool IsKeyMessage(const MSG& msg) {
    return msg.hwnd && msg.message >= WM_KEYFIRST && msg.message <= WM_KEYLAST;
}

// A window disabled by a modal box of the program (the About box, the colour picker) takes no
// keys, even when it still holds the focus: Enter must not press its OK behind the box.
bool ForDisabledWindow(const MSG& msg) {
    HWND root = GetAncestor(msg.hwnd, GA_ROOT);
    return root && !IsWindowEnabled(root);
}

// Forms that hold controls carry WS_EX_CONTROLPARENT; they get dialog keyboard handling.
bool HandledAsDialogKey(MSG& msg) {
    HWND root = GetAncestor(msg.hwnd, GA_ROOT);
    if (!root || !(GetWindowLongPtrW(root, GWL_EXSTYLE) & WS_EX_CONTROLPARENT)) return false;
    return IsDialogMessageW(root, &msg) != 0;
}

}  // namespace

bool PumpMessages() {
    bool keepRunning = true;
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT) {
            keepRunning = false;
            continue;
        }
        if (IsKeyMessage(msg) && (ForDisabledWindow(msg) || HandledAsDialogKey(msg))) continue;
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    return keepRunning;
}

void WaitForMessage() {
    WaitMessage();
}

}  // namespace globulon
