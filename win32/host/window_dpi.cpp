// DPI lookups; see window_dpi.h.
#include "win32/host/window_dpi.h"

#include "win32/host/gdi_owners.h"

namespace globulon {
namespace {

using GetDpiForWindowFn = UINT(WINAPI*)(HWND);
using GetSystemMetricsForDpiFn = int(WINAPI*)(int, UINT);
using AdjustWindowRectExForDpiFn = BOOL(WINAPI*)(RECT*, DWORD, BOOL, DWORD, UINT);
// shcore's MONITOR_DPI_TYPE is an enumeration; 0 is MDT_EFFECTIVE_DPI, the DPI for drawing.
using GetDpiForMonitorFn = HRESULT(WINAPI*)(HMONITOR, int, UINT*, UINT*);
constexpr int EffectiveDpi = 0;

// A function the running system may lack: null when it has none.
template <typename Function>
Function LookUp(HMODULE module, const char* name) {
    if (!module) return nullptr;
    FARPROC found = GetProcAddress(module, name);
    // Through the generic function type, which converts to any other without a warning.
    return reinterpret_cast<Function>(reinterpret_cast<void (*)()>(found));
}

GetDpiForMonitorFn GetDpiForMonitorFunction() {
    // shcore stays loaded for the program's life once it has been asked for; only the system's
    // own folder is searched for it.
    static const GetDpiForMonitorFn function = LookUp<GetDpiForMonitorFn>(
        LoadLibraryExW(L"shcore.dll", nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32), "GetDpiForMonitor");
    return function;
}

// A function of user32, which every window program has loaded.
template <typename Function>
Function User32Function(const char* name) {
    return LookUp<Function>(GetModuleHandleW(L"user32.dll"), name);
}

// A DPI the system reported, or 0 for none (WM_DPICHANGED carries it in 16 bits).
int Sensible(UINT dpi) {
    return dpi <= 0xFFFF ? static_cast<int>(dpi) : 0;
}

}  // namespace

int SystemDpi() {
    const WindowDc screen(nullptr);
    const int dpi = screen ? GetDeviceCaps(screen.Get(), LOGPIXELSY) : 0;
    return dpi > 0 ? dpi : USER_DEFAULT_SCREEN_DPI;
}

int MonitorDpi(HMONITOR monitor) {
    if (const GetDpiForMonitorFn getDpi = GetDpiForMonitorFunction(); getDpi && monitor) {
        UINT dpiX = 0, dpiY = 0;
        if (SUCCEEDED(getDpi(monitor, EffectiveDpi, &dpiX, &dpiY))) {
            if (const int dpi = Sensible(dpiY)) return dpi;
        }
    }
    return SystemDpi();
}

int WindowDpi(HWND hwnd) {
    static const GetDpiForWindowFn getDpiForWindow =
        User32Function<GetDpiForWindowFn>("GetDpiForWindow");
    if (getDpiForWindow && hwnd) {
        if (const int dpi = Sensible(getDpiForWindow(hwnd))) return dpi;
    }
    return MonitorDpi(hwnd ? MonitorFromWindow(hwnd, MONITOR_DEFAULTTONEAREST) : nullptr);
}

int SystemMetricAtDpi(int index, int dpi) {
    static const GetSystemMetricsForDpiFn getMetric =
        User32Function<GetSystemMetricsForDpiFn>("GetSystemMetricsForDpi");
    if (getMetric && dpi > 0) {
        if (const int value = getMetric(index, static_cast<UINT>(dpi))) return value;
    }
    return GetSystemMetrics(index);
}

bool WindowSizeAtDpi(HWND hwnd, int dpi, int clientWidth, int clientHeight, SIZE& size) {
    static const AdjustWindowRectExForDpiFn adjust =
        User32Function<AdjustWindowRectExForDpiFn>("AdjustWindowRectExForDpi");
    if (!adjust || !hwnd || dpi <= 0) return false;
    const auto style = static_cast<DWORD>(GetWindowLongPtrW(hwnd, GWL_STYLE));
    const auto exStyle = static_cast<DWORD>(GetWindowLongPtrW(hwnd, GWL_EXSTYLE));
    RECT frame = {0, 0, clientWidth, clientHeight};
    if (!adjust(&frame, style, GetMenu(hwnd) != nullptr, exStyle, static_cast<UINT>(dpi))) {
        return false;
    }
    size = {frame.right - frame.left, frame.bottom - frame.top};
    return true;
}

int DpiChangedValue(WPARAM wParam) {
    return HIWORD(wParam);
}

void SetClientSize(HWND hwnd, int width, int height) {
    RECT frame = {}, client = {};
    if (!GetWindowRect(hwnd, &frame) || !GetClientRect(hwnd, &client)) return;
    const int borderWidth = (frame.right - frame.left) - client.right;
    const int borderHeight = (frame.bottom - frame.top) - client.bottom;
    SetWindowPos(hwnd, nullptr, 0, 0, width + borderWidth, height + borderHeight,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace globulon
