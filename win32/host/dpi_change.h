// What every form does when it moves to a monitor of another DPI: it tells the system its new
// size first (WM_GETDPISCALEDSIZE), then its controls take new fonts and places and the window
// the rectangle the system suggests (WM_DPICHANGED).
#pragma once

#include <windows.h>

#include <vector>

#include "core/settings/twips.h"

namespace globulon {

// One control at the new DPI: its font (null: it keeps the one it has) and its place in the
// form's client area.
struct ControlAtDpi {
    HWND Control = nullptr;
    HFONT Font = nullptr;
    PixelRect Place;
};

// Answers WM_GETDPISCALEDSIZE: fills the SIZE at lParam with the window's size, frame and caption
// drawn at the DPI in wParam, around a client area of the given size at that DPI. TRUE when
// answered; FALSE leaves the system to scale the window linearly.
LRESULT AnswerDpiScaledSize(HWND form, WPARAM wParam, LPARAM lParam, int clientWidth,
                            int clientHeight);

// Gives each control its font and place, then the window the rectangle the system suggested,
// with a client area of the given size, and repaints all. The fonts the controls had are the
// caller's to delete, afterwards.
void ApplyDpiChange(HWND form, const std::vector<ControlAtDpi>& controls, const RECT& suggested,
                    int clientWidth, int clientHeight);

}  // namespace globulon
