// Monitor layout from the system; see monitors.h.
#include "win32/host/monitors.h"

#include <windows.h>

namespace globulon {
namespace {

PixelRect FromRect(const RECT& rect) {
    return {rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top};
}

PixelRect PrimaryScreen() {
    return {0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
}

// The monitor's rectangle and flags; false when the system cannot tell them.
bool ReadMonitor(HMONITOR monitor, MONITORINFO& info) {
    info = {};
    info.cbSize = sizeof(info);
    return monitor && GetMonitorInfoW(monitor, &info);
}

PixelRect MonitorRect(HMONITOR monitor) {
    MONITORINFO info;
    return ReadMonitor(monitor, info) ? FromRect(info.rcMonitor) : PrimaryScreen();
}

BOOL CALLBACK AddMonitor(HMONITOR monitor, HDC, LPRECT, LPARAM found) {
    MONITORINFO info;
    if (!ReadMonitor(monitor, info)) return TRUE;
    auto& rects = *reinterpret_cast<std::vector<PixelRect>*>(found);
    // The primary monitor leads, so that a single-monitor run is the one it always was.
    if (info.dwFlags & MONITORINFOF_PRIMARY) {
        rects.insert(rects.begin(), FromRect(info.rcMonitor));
    } else {
        rects.push_back(FromRect(info.rcMonitor));
    }
    return TRUE;
}

}  // namespace

PixelRect VirtualScreen() {
    const PixelRect all = {GetSystemMetrics(SM_XVIRTUALSCREEN), GetSystemMetrics(SM_YVIRTUALSCREEN),
                           GetSystemMetrics(SM_CXVIRTUALSCREEN),
                           GetSystemMetrics(SM_CYVIRTUALSCREEN)};
    return all.Width > 0 && all.Height > 0 ? all : PrimaryScreen();
}

std::vector<PixelRect> MonitorRects() {
    std::vector<PixelRect> rects;
    EnumDisplayMonitors(nullptr, nullptr, AddMonitor, reinterpret_cast<LPARAM>(&rects));
    if (rects.empty()) rects.push_back(PrimaryScreen());
    return rects;
}

PixelRect MonitorUnderPointer() {
    POINT pointer = {0, 0};
    if (!GetCursorPos(&pointer)) return PrimaryScreen();
    return MonitorRect(MonitorFromPoint(pointer, MONITOR_DEFAULTTOPRIMARY));
}

PixelRect MonitorOfOwner(HWND owner) {
    if (!owner || !IsWindow(owner)) return MonitorUnderPointer();
    return MonitorRect(MonitorFromWindow(owner, MONITOR_DEFAULTTONEAREST));
}

}  // namespace globulon
