// Finding the program's own windows, bringing one back to the front, and keeping a window on top.
#pragma once

#include <windows.h>

#include <string>

namespace globulon {

// The top-level window of class className (empty: the form class) bearing exactly title, or null.
HWND FindAppWindow(const std::wstring& title, const std::wstring& className);

// The window that takes input for hwnd: hwnd itself while it is enabled; while a modal box of
// its program has disabled it, that box (the topmost visible, enabled window of its thread).
HWND InputWindowFor(HWND hwnd);

// Restores a minimised or maximised window and brings the window that takes its input (itself,
// or the modal box open over it) to the foreground.
void RestoreAppWindow(HWND hwnd);

// Places the window in the top-most band without moving or resizing it.
void MakeTopMost(HWND hwnd);

}  // namespace globulon
