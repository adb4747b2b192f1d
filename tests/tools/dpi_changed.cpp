// Test tool: "dpi_changed <title> <dpi>" plays Windows' part when the top-level window with that
// title moves to a monitor of another DPI: it sends WM_DPICHANGED with the new DPI in both words
// and, in memory of the window's process as the system's is, the suggested rectangle (the corner
// kept, the size scaled by the new DPI over the window's). Prints the window's DPI awareness
// ("awareness=2": per monitor). Exit code 1: no such window; 2: wrong arguments; 3: not sent.
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
    std::fflush(stdout);

    const int oldDpi = static_cast<int>(GetDpiForWindow(window));
    if (oldDpi <= 0) return 3;
    RECT place = {};
    GetWindowRect(window, &place);
    const RECT suggested = {place.left, place.top,
                            place.left + MulDiv(place.right - place.left, newDpi, oldDpi),
                            place.top + MulDiv(place.bottom - place.top, newDpi, oldDpi)};

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
