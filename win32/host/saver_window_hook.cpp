// The saver window's replacement procedure; see saver_window_hook.h.
#include "win32/host/saver_window_hook.h"

#include <optional>

#include "win32/host/end_rule.h"

namespace globulon {
namespace {

LRESULT CallPrevious(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    const WNDPROC previous = SaverHook().PrevWndProc;
    if (!previous) return DefWindowProcW(hwnd, message, wParam, lParam);
    return CallWindowProcW(previous, hwnd, message, wParam, lParam);
}

// The cursor position, or nothing when it cannot be read (as on a secured desktop): a failed
// read tells nothing about movement and must not end the saver.
std::optional<ScreenPoint> CursorPosition() {
    POINT p = {0, 0};
    if (!GetCursorPos(&p)) return std::nullopt;
    return ScreenPoint{p.x, p.y};
}

}  // namespace

SaverHookState& SaverHook() {
    static SaverHookState state;
    return state;
}

void HookSaverWindow(HWND hwnd, bool useMouseMove, bool& quitRequested) {
    SaverHookState& hook = SaverHook();
    if (hook.PrevWndProc) return;
    hook.UseMouseMove = useMouseMove;
    hook.QuitRequested = &quitRequested;
    const LONG_PTR previous =
        SetWindowLongPtrW(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&SaverWindowProc));
    hook.PrevWndProc = reinterpret_cast<WNDPROC>(previous);
    // The first move after installation only takes the reference.
    hook.HasCursorAnchor = false;
}

void UnhookSaverWindow(HWND hwnd) {
    SaverHookState& hook = SaverHook();
    if (!hook.PrevWndProc) return;
    SetWindowLongPtrW(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(hook.PrevWndProc));
    hook.PrevWndProc = nullptr;
    hook.QuitRequested = nullptr;
}

void ClearCursorAnchor() {
    SaverHook().HasCursorAnchor = false;
}

LRESULT CALLBACK SaverWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_SYSCOMMAND) {
        // The whole value: the system's own screen-saver start, not commands that merely share
        // its upper bits.
        if (wParam == SC_SCREENSAVE) return 0;
        return DefWindowProcW(hwnd, message, wParam, lParam);
    }
    if (message != WM_MOUSEMOVE) return CallPrevious(hwnd, message, wParam, lParam);

    // The window's own handling of the move comes first, whatever the watch decides.
    const LRESULT result = CallPrevious(hwnd, message, wParam, lParam);
    SaverHookState& hook = SaverHook();
    if (!hook.UseMouseMove || !hook.QuitRequested) return result;
    // The cursor itself is read: the message's coordinates are relative and may be stale.
    const std::optional<ScreenPoint> position = CursorPosition();
    if (!position) return result;
    if (JudgeCursorMove(hook.HasCursorAnchor, hook.CursorAnchor, *position) ==
        CursorMove::RealMove) {
        ApplyEndRule(*hook.QuitRequested);
    }
    return result;
}

}  // namespace globulon
