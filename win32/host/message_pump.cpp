// The message pump; see message_pump.h.
#include "win32/host/message_pump.h"

#include <windows.h>

namespace globulon {
namespace {

// Keys for a form: a window disabled by a modal box of the program (the About box, the colour
// picker) takes none, even when it still holds the focus, so that Enter cannot press its OK
// behind the box; forms with controls (WS_EX_CONTROLPARENT) get the dialog keys. True when the
// key is dealt with here.
bool HandledAsFormKey(MSG& msg) {
    if (!msg.hwnd || msg.message < WM_KEYFIRST || msg.message > WM_KEYLAST) return false;
    HWND root = GetAncestor(msg.hwnd, GA_ROOT);
    if (!root) return false;
    if (!IsWindowEnabled(root)) return true;
    if (!(GetWindowLongPtrW(root, GWL_EXSTYLE) & WS_EX_CONTROLPARENT)) return false;
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
        if (HandledAsFormKey(msg)) continue;
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    return keepRunning;
}

void WaitForMessage() {
    WaitMessage();
}

}  // namespace globulon
