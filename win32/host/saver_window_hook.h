// The full-screen saver window's replacement window procedure: it swallows the system's request to
// start a screen saver on top of this one and ends the saver when the mouse really moves.
#pragma once

#include <windows.h>

#include "core/forms/cursor_anchor.h"

namespace globulon {

// One hooked window per program.
struct SaverHookState {
    WNDPROC PrevWndProc = nullptr;  // the procedure SaverWindowProc replaced; null while unhooked
    bool HasCursorAnchor = false;   // a reference cursor position has been taken
    ScreenPoint CursorAnchor;       // that reference, in screen pixels
    bool UseMouseMove = false;      // whether a real mouse movement ends the saver
    bool* QuitRequested = nullptr;  // the running loop's end flag, which the end rule sets
};

// The program's one SaverHookState.
SaverHookState& SaverHook();

// Puts SaverWindowProc in front of the window's own procedure; with useMouseMove, a real mouse
// movement then ends the saver through quitRequested. Does nothing while a window is already
// hooked: recording SaverWindowProc as its own predecessor would make it call itself.
void HookSaverWindow(HWND hwnd, bool useMouseMove, bool& quitRequested);
// Gives the window its own procedure back; harmless when nothing is hooked.
void UnhookSaverWindow(HWND hwnd);

// The next mouse move only takes a new reference (used before the About box opens over the saver,
// so that moving the mouse in the box does not end the saver afterwards).
void ClearCursorAnchor();

LRESULT CALLBACK SaverWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

}  // namespace globulon
