// The full-screen saver window; see saver_form.h.
#include "win32/app/saver_form.h"

#include "win32/host/end_rule.h"
#include "win32/host/monitors.h"
#include "win32/host/mouse_cursor.h"
#include "win32/host/resource_ids.h"

namespace globulon {
namespace {

// Mouse buttons and shift states in the form handlers' terms.
constexpr int LeftButton = 1, RightButton = 2, MiddleButton = 4, SideButton = 8;
constexpr int ShiftMask = 1, CtrlMask = 2, AltMask = 4;

int CurrentShiftState() {
    int shift = 0;
    if (GetKeyState(VK_SHIFT) < 0) shift |= ShiftMask;
    if (GetKeyState(VK_CONTROL) < 0) shift |= CtrlMask;
    if (GetKeyState(VK_MENU) < 0) shift |= AltMask;
    return shift;
}

}  // namespace

bool SaverForm::Load() {
    const PixelRect all = VirtualScreen();
    // A tool window stays out of the task bar; the saver has no border, caption or buttons.
    if (!CreateForm(L"", WS_POPUP, WS_EX_TOOLWINDOW, all.Width, all.Height)) return false;
    CoverAllMonitors();
    return true;
}

void SaverForm::CoverAllMonitors() {
    const PixelRect all = VirtualScreen();
    SetWindowPos(Hwnd(), nullptr, all.Left, all.Top, all.Width, all.Height,
                 SWP_NOZORDER | SWP_NOACTIVATE);
}

void SaverForm::UseDesktopBackdrop() {
    SetDesktopBackdrop(Hwnd(), backdrop_);
}

void SaverForm::Form_KeyDown(int /*keyCode*/, int /*shift*/) {
    ApplyEndRule(program_.QuitRequested);
}

void SaverForm::Form_MouseDown(int button, int shift) {
    if (button == RightButton && shift == 0) {
        ShowMouseCursor();
        // Moving the mouse inside the About box must not end the saver afterwards.
        cursorWatch_.ForgetAnchor();
        ShowSaverAbout(about_, program_.Forms(), true, ProgramIconId, L"");
        HideMouseCursor();
        return;
    }
    ApplyEndRule(program_.QuitRequested);
}

void SaverForm::PaintBackground(HDC hdc) {
    RECT client;
    GetClientRect(Hwnd(), &client);
    // A monitor's sphere draws with the origin at its monitor's corner and clipped to it: the
    // background is painted in window terms, and the clipping keeps it on that monitor.
    POINT origin = {0, 0};
    SetViewportOrgEx(hdc, 0, 0, &origin);
    if (!backdrop_.Empty()) {
        backdrop_.PaintTo(hdc, client);
    } else {
        FillRect(hdc, &client, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    }
    SetViewportOrgEx(hdc, origin.x, origin.y, nullptr);
}

LRESULT SaverForm::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_ERASEBKGND:
            PaintBackground(reinterpret_cast<HDC>(wParam));
            return 1;
        case WM_PAINT:
            if (wParam) {
                // The frame loop asks for the whole background after each rest, on its own
                // drawing context, although nothing was invalidated.
                PaintBackground(reinterpret_cast<HDC>(wParam));
            } else {
                PAINTSTRUCT paint;
                BeginPaint(Hwnd(), &paint);  // erases through WM_ERASEBKGND
                EndPaint(Hwnd(), &paint);
            }
            return 0;
        case WM_KEYDOWN:
        case WM_SYSKEYDOWN:
            Form_KeyDown(static_cast<int>(wParam), CurrentShiftState());
            return 0;
        case WM_LBUTTONDOWN:
            Form_MouseDown(LeftButton, CurrentShiftState());
            return 0;
        case WM_RBUTTONDOWN:
            Form_MouseDown(RightButton, CurrentShiftState());
            return 0;
        case WM_MBUTTONDOWN:
            Form_MouseDown(MiddleButton, CurrentShiftState());
            return 0;
        case WM_MOUSEMOVE:
            if (cursorWatch_.MovedForReal()) ApplyEndRule(program_.QuitRequested);
            return 0;
        case WM_SYSCOMMAND:
            // The whole value: the system's own screen-saver start, not commands that merely
            // share its upper bits.
            if (wParam == SC_SCREENSAVE) return 0;
            return FormWindow::OnMessage(message, wParam, lParam);
        case WM_XBUTTONDOWN:
            // The back and forward buttons are clicks like any other.
            Form_MouseDown(SideButton, CurrentShiftState());
            return TRUE;
        case WM_DISPLAYCHANGE:
            // A monitor came or went: cover the new layout; the frame loop makes new spheres.
            CoverAllMonitors();
            program_.MonitorsChanged = true;
            return 0;
        case WM_CLOSE:
            // "End task" and the window's Close command: the saver ends as it does on a key,
            // and the run takes its window down in its own order.
            ApplyEndRule(program_.QuitRequested);
            return 0;
        case WM_ACTIVATEAPP:
            // Another program took the foreground (a reminder, a restart prompt): the saver ends
            // as on a key, or the user's next key would go to that program's window hidden under
            // the saver. The saver's own About box belongs to this program and sends nothing.
            if (!wParam) ApplyEndRule(program_.QuitRequested);
            return 0;
        case WM_ENDSESSION:
            if (wParam) ApplyEndRule(program_.QuitRequested);
            return 0;
        case WM_DESTROY:
            // Only reached when something else destroys the window (the run's own unload
            // detaches the form first): the frame loop must not go on drawing into nothing.
            ApplyEndRule(program_.QuitRequested);
            return FormWindow::OnMessage(message, wParam, lParam);
        case WM_SETCURSOR:
            // The cursor is hidden while the saver runs; keep the arrow for when it is shown.
            SetCursor(LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW)));
            return TRUE;
        default:
            return FormWindow::OnMessage(message, wParam, lParam);
    }
}

}  // namespace globulon
