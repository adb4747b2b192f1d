// The DPI the program's windows are drawn at. Per-monitor DPI came with Windows 8.1 (shcore's
// GetDpiForMonitor) and Windows 10 (user32's GetDpiForWindow): both are looked up when the
// program runs, and a system without them gives the one DPI of the whole system.
#pragma once

#include <windows.h>

namespace globulon {

// The system DPI (the screen's logical pixels per inch); 96 when it cannot be read.
int SystemDpi();

// The DPI of a monitor, else the system DPI.
int MonitorDpi(HMONITOR monitor);

// The DPI of a window: that of the monitor it is on, else the system DPI.
int WindowDpi(HWND hwnd);

// The new DPI a WM_DPICHANGED message carries (both words hold it; the vertical one is taken).
int DpiChangedValue(WPARAM wParam);

// Gives the window's client area the size, keeping its top-left corner: the frame around it is
// what the system draws at the window's DPI.
void SetClientSize(HWND hwnd, int width, int height);

}  // namespace globulon
