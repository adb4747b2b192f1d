// Finding the program's own windows, bringing one back to the front, and keeping a window on top.
#pragma once

#include <windows.h>

#include <string>

namespace globulon {

// The top-level window of class className (empty: the form class) bearing exactly title, or null.
HWND FindAppWindow(const std::wstring& title, const std::wstring& className);

// Restores a minimised or maximised window and makes it the foreground window.
void RestoreAppWindow(HWND hwnd);

// Places the window in the top-most band without moving or resizing it.
void MakeTopMost(HWND hwnd);

}  // namespace globulon
