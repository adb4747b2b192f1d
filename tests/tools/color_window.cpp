// Test tool: shows a plain coloured top-level window, "color_window R G B X Y W H", until it is
// killed, so that black-box tests have something recognisable on the desktop.
#include <windows.h>

#include <cwchar>

namespace {

COLORREF g_color = RGB(255, 0, 255);

LRESULT CALLBACK ColorProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_ERASEBKGND) {
        RECT client;
        GetClientRect(hwnd, &client);
        HBRUSH brush = CreateSolidBrush(g_color);
        FillRect(reinterpret_cast<HDC>(wParam), &client, brush);
        DeleteObject(brush);
        return 1;
    }
    if (message == WM_DESTROY) PostQuitMessage(0);
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc < 8) return 2;
    int v[7];
    for (int i = 0; i < 7; ++i) v[i] = static_cast<int>(std::wcstol(argv[i + 1], nullptr, 10));
    g_color = RGB(v[0], v[1], v[2]);
    WNDCLASSW wc = {};
    wc.lpfnWndProc = ColorProc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = L"GlobulonTestColor";
    RegisterClassW(&wc);
    HWND hwnd = CreateWindowExW(WS_EX_TOOLWINDOW, wc.lpszClassName, L"Globulon test colour",
                                WS_POPUP | WS_VISIBLE, v[3], v[4], v[5], v[6], nullptr, nullptr,
                                wc.hInstance, nullptr);
    if (!hwnd) return 1;
    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) DispatchMessageW(&msg);
    return 0;
}
