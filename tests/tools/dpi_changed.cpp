// Test tool: "dpi_changed <title> <dpi>" plays Windows' part when the top-level window with that
// title moves to a monitor of another DPI. As Windows does for a per-monitor aware window, it
// first asks the window its size at the new DPI (WM_GETDPISCALEDSIZE); then it sends
// WM_DPICHANGED with the new DPI in both words and the suggested rectangle: the corner kept, the
// answered size, or without an answer the size scaled by the new DPI over the window's. Both
// messages carry their structure in memory of the window's process, as the system's do.
// Prints the window's DPI awareness ("awareness=2": per monitor), "answered=1 WxH" or
// "answered=0", "before=X,Y,W,H" and "after=X,Y,W,H" (the client area on the screen before and
// after the move), "icons=BIG,SMALL" (the widths of the icons the window shows after it) and
// "metrics=BIG,SMALL" (the icon sizes the system gives for the new DPI). Exit
// code 1: no such window; 2: wrong arguments; 3: not sent.
#include <windows.h>

#include <cstdio>
#include <cwchar>

namespace {

// A structure written into another process, freed again when it goes.
class RemoteMemory {
  public:
    RemoteMemory(HANDLE process, SIZE_T size)
        : process_(process),
          address_(
              VirtualAllocEx(process, nullptr, size, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE)) {}
    RemoteMemory(const RemoteMemory&) = delete;
    RemoteMemory& operator=(const RemoteMemory&) = delete;
    ~RemoteMemory() {
        if (address_) VirtualFreeEx(process_, address_, 0, MEM_RELEASE);
    }
    template <typename T>
    bool Write(const T& value) {
        return address_ && WriteProcessMemory(process_, address_, &value, sizeof(T), nullptr);
    }
    template <typename T>
    bool Read(T& value) const {
        return address_ && ReadProcessMemory(process_, address_, &value, sizeof(T), nullptr);
    }
    LPARAM Param() const { return reinterpret_cast<LPARAM>(address_); }

  private:
    HANDLE process_;
    void* address_;
};

bool Send(HWND window, UINT message, WPARAM wParam, LPARAM lParam, DWORD_PTR& result) {
    return SendMessageTimeoutW(window, message, wParam, lParam, SMTO_ABORTIFHUNG, 10000, &result) !=
           0;
}

void PrintClient(const char* label, HWND window) {
    RECT client = {};
    GetClientRect(window, &client);
    POINT corner = {0, 0};
    ClientToScreen(window, &corner);
    std::printf("%s=%ld,%ld,%ld,%ld\n", label, corner.x, corner.y, client.right, client.bottom);
}

int IconWidth(HWND window, WPARAM which) {
    const LRESULT icon = SendMessageW(window, WM_GETICON, which, 0);
    if (!icon) return 0;
    ICONINFO info = {};
    if (!GetIconInfo(reinterpret_cast<HICON>(icon), &info)) return -1;
    BITMAP bitmap = {};
    GetObjectW(info.hbmColor ? info.hbmColor : info.hbmMask, sizeof(bitmap), &bitmap);
    if (info.hbmColor) DeleteObject(info.hbmColor);
    if (info.hbmMask) DeleteObject(info.hbmMask);
    return bitmap.bmWidth;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc < 3) return 2;
    const int newDpi = static_cast<int>(std::wcstol(argv[2], nullptr, 10));
    if (newDpi <= 0 || newDpi > 0xFFFF) return 2;
    HWND window = FindWindowW(nullptr, argv[1]);
    if (!window) return 1;

    std::printf("awareness=%d\n", static_cast<int>(GetAwarenessFromDpiAwarenessContext(
                                      GetWindowDpiAwarenessContext(window))));
    std::fflush(stdout);

    PrintClient("before", window);
    const int oldDpi = static_cast<int>(GetDpiForWindow(window));
    if (oldDpi <= 0) return 3;
    RECT place = {};
    GetWindowRect(window, &place);
    RECT suggested = {place.left, place.top,
                      place.left + MulDiv(place.right - place.left, newDpi, oldDpi),
                      place.top + MulDiv(place.bottom - place.top, newDpi, oldDpi)};

    DWORD processId = 0;
    GetWindowThreadProcessId(window, &processId);
    HANDLE process =
        OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, processId);
    if (!process) return 3;
    int code = 3;
    {
        // The window may answer with the size it wants; a window that does not is scaled.
        RemoteMemory size(process, sizeof(SIZE));
        SIZE answer = {suggested.right - suggested.left, suggested.bottom - suggested.top};
        DWORD_PTR answered = 0;
        if (size.Write(answer) &&
            Send(window, WM_GETDPISCALEDSIZE, static_cast<WPARAM>(newDpi), size.Param(),
                 answered) &&
            answered && size.Read(answer)) {
            suggested.right = suggested.left + answer.cx;
            suggested.bottom = suggested.top + answer.cy;
            std::printf("answered=1 %ldx%ld\n", answer.cx, answer.cy);
        } else {
            std::printf("answered=0\n");
        }
        RemoteMemory rect(process, sizeof(RECT));
        DWORD_PTR result = 0;
        if (rect.Write(suggested) &&
            Send(window, WM_DPICHANGED, MAKEWPARAM(newDpi, newDpi), rect.Param(), result)) {
            code = 0;
        }
        // The window has handled the message when the call returns: the rectangle may go.
    }
    CloseHandle(process);
    PrintClient("after", window);
    std::printf("icons=%d,%d\nmetrics=%d,%d\n", IconWidth(window, ICON_BIG),
                IconWidth(window, ICON_SMALL), GetSystemMetricsForDpi(SM_CXICON, newDpi),
                GetSystemMetricsForDpi(SM_CXSMICON, newDpi));
    return code;
}
