// Copies of the desktop image: scaled into the preview window, or kept as the saver's background.
#pragma once

#include <windows.h>

namespace globulon {

// Draws the whole primary screen into hdc, stretched to the client area of hwnd.
void CopyDesktopToWindow(HWND hwnd, HDC hdc);

}  // namespace globulon
