// Test tool: plays the system's part when a window is moved to a monitor of another DPI. Finds the
// top-level window with the given title and sends it WM_DPICHANGED as Windows does: the new DPI
// in both words of wParam, and in lParam the suggested window rectangle, here the window's own
// rectangle with its corner kept and its size scaled from the window's DPI to the new one. The
// rectangle lives in the window's own process, as the system's does. Prints the window's DPI
// awareness ("awareness=<n>", 2 for per monitor) and the suggested rectangle. Exit code 1 when no
// such window exists, 2 on wrong arguments, 3 when the message could not be delivered.
#include <windows.h>

#include <cstdio>
#include <cwchar>

int wmain(int argc, wchar_t** argv) {
    if (argc < 3) return 2;
    const int newDpi = static_cast<int>(std::wcstol(argv[2], nullptr, 10));
    if (newDpi <= 0 || newDpi > 0xFFFF) return 2;
    HWND window = FindWindowW(nullptr, argv[1]);
    if (!window) return 1;

    std::printf("awareness=%d\n", static_cast<int>(GetAwarenessFromDpiAwarenessContext(
                                      GetWindowDpiAwarenessContext(window))));

    const int oldDpi = static_cast<int>(GetDpiForWindow(window));
    RECT place = {};
    GetWindowRect(window, &place);
    const RECT suggested = {place.left, place.top,
                            place.left + MulDiv(place.right - place.left, newDpi, oldDpi),
                            place.top + MulDiv(place.bottom - place.top, newDpi, oldDpi)};
    std::printf("suggested=%ld %ld %ld %ld\n", suggested.left, suggested.top, suggested.right,
                suggested.bottom);
    std::fflush(stdout);

    DWORD processId = 0;
    GetWindowThreadProcessId(window, &processId);
    HANDLE process = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_WRITE, FALSE, processId);
    if (!process) return 3;
    int code = 3;
    void* remote = VirtualAllocEx(process, nullptr, sizeof(suggested), MEM_COMMIT | MEM_RESERVE,
                                  PAGE_READWRITE);
    if (remote && WriteProcessMemory(process, remote, &suggested, sizeof(suggested), nullptr)) {
        DWORD_PTR result = 0;
        if (SendMessageTimeoutW(window, WM_DPICHANGED, MAKEWPARAM(newDpi, newDpi),
                                reinterpret_cast<LPARAM>(remote), SMTO_ABORTIFHUNG, 10000,
                                &result)) {
            code = 0;
        }
    }
    // The window has handled the message when the call returns: the rectangle may go.
    if (remote) VirtualFreeEx(process, remote, 0, MEM_RELEASE);
    CloseHandle(process);
    return code;
}
