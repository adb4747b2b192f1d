// Test tool: a program that takes the foreground on its own, as a reminder or a "Restart now"
// prompt does while the saver runs. "foreground_taker [delay-ms]" waits, then shows its window
// "Foreground taker" and calls SetForegroundWindow on it.
//
// Standard output: "window=N" (decimal handle), "foreground=1" or "foreground=0" (whether the
// window is the foreground window afterwards), then "key N" for every key the window receives
// (N its virtual-key code). It ends when its window is closed.
#include <windows.h>

#include <cstdint>
#include <cstdio>
#include <cwchar>

namespace {

void Say(const char* format, unsigned long long value) {
    std::printf(format, value);
    std::fflush(stdout);
}

LRESULT CALLBACK TakerProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_KEYDOWN:
        case WM_SYSKEYDOWN:
            Say("key %llu\n", static_cast<unsigned long long>(wParam));
            return 0;
        case WM_DESTROY:
            PostQuitMessage(0);
            return 0;
        default:
            return DefWindowProcW(hwnd, message, wParam, lParam);
    }
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    const long delay = argc > 1 ? std::wcstol(argv[1], nullptr, 10) : 0;
    if (delay > 0) Sleep(static_cast<DWORD>(delay));
    WNDCLASSW wc = {};
    wc.lpfnWndProc = TakerProc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    wc.lpszClassName = L"GlobulonTestForegroundTaker";
    RegisterClassW(&wc);
    HWND hwnd =
        CreateWindowExW(0, wc.lpszClassName, L"Foreground taker", WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                        100, 100, 300, 200, nullptr, nullptr, wc.hInstance, nullptr);
    if (!hwnd) return 1;
    SetForegroundWindow(hwnd);
    Say("window=%llu\n", static_cast<unsigned long long>(reinterpret_cast<std::uintptr_t>(hwnd)));
    Say("foreground=%llu\n", GetForegroundWindow() == hwnd ? 1ULL : 0ULL);
    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    return 0;
}
