// Test tool: prints where the controls of the top-level window with the given title sit on the
// screen, so that black-box tests can click them as a user would. One line per control:
// "<id> <left> <top> <right> <bottom>"; and while a drop-down list is open, its list:
// "list <left> <top> <right> <bottom> <item height> <top index>"; the control with the keyboard
// focus, while the window's thread has it on one: "focus <id>"; and while a menu is open: "menu".
// Exit code 1 when no such window exists.
#include <windows.h>

#include <cstdio>

namespace {

// The open list of a drop-down list is a top-level window of its own, class "ComboLBox".
void PrintOpenList() {
    for (HWND list = FindWindowExW(nullptr, nullptr, L"ComboLBox", nullptr); list;
         list = FindWindowExW(nullptr, list, L"ComboLBox", nullptr)) {
        if (!IsWindowVisible(list)) continue;
        RECT rect;
        GetWindowRect(list, &rect);
        const LRESULT itemHeight = SendMessageW(list, LB_GETITEMHEIGHT, 0, 0);
        const LRESULT topIndex = SendMessageW(list, LB_GETTOPINDEX, 0, 0);
        std::printf("list %ld %ld %ld %ld %ld %ld\n", rect.left, rect.top, rect.right, rect.bottom,
                    static_cast<long>(itemHeight), static_cast<long>(topIndex));
    }
}

// A menu that is open (the system menu, say) is a top-level window of class "#32768".
void PrintOpenMenu() {
    for (HWND menu = FindWindowExW(nullptr, nullptr, L"#32768", nullptr); menu;
         menu = FindWindowExW(nullptr, menu, L"#32768", nullptr)) {
        if (IsWindowVisible(menu)) {
            std::printf("menu\n");
            return;
        }
    }
}

// The focus belongs to the window's thread, which is another process's.
void PrintFocus(HWND window) {
    GUITHREADINFO info = {};
    info.cbSize = sizeof info;
    if (!GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info)) return;
    if (info.hwndFocus && IsChild(window, info.hwndFocus)) {
        std::printf("focus %d\n", GetDlgCtrlID(info.hwndFocus));
    }
}

BOOL CALLBACK PrintControl(HWND child, LPARAM) {
    const int id = GetDlgCtrlID(child);
    RECT rect;
    GetWindowRect(child, &rect);
    std::printf("%d %ld %ld %ld %ld\n", id, rect.left, rect.top, rect.right, rect.bottom);
    return TRUE;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc < 2) return 2;
    HWND window = FindWindowW(nullptr, argv[1]);
    if (!window) return 1;
    EnumChildWindows(window, PrintControl, 0);
    PrintOpenList();
    PrintOpenMenu();
    PrintFocus(window);
    return 0;
}
