// The DPI the program's windows are drawn at. Per-monitor DPI came with Windows 8.1 (shcore's
// GetDpiForMonitor) and Windows 10 (user32's GetDpiForWindow, GetSystemMetricsForDpi and
// AdjustWindowRectExForDpi): all are looked up when the program runs, and a system without them
// gives the one DPI of the whole system.
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

// A system metric (SM_CXICON, say) at the DPI, as a per-monitor aware window must take it; the
// system's one value where the system cannot give it per DPI.
int SystemMetricAtDpi(int index, int dpi);

// The answer to WM_GETDPISCALEDSIZE: the size of the whole window, frame and caption drawn at
// dpi, around a client area of the given size. False (the system then scales the window
// linearly) when the system cannot tell the frame at that DPI.
bool WindowSizeAtDpi(HWND hwnd, int dpi, int clientWidth, int clientHeight, SIZE& size);

// Gives the window's client area the size, keeping its top-left corner: the frame around it is
// what the system draws at the window's DPI.
void SetClientSize(HWND hwnd, int width, int height);

}  // namespace globulon
