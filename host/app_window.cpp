// Window lookup and placement; see app_window.h.
#include "host/app_window.h"

#include "host/form_window.h"

namespace globulon {

HWND FindAppWindow(const std::wstring& title, const std::wstring& className) {
    const std::wstring windowClass = className.empty() ? FormClassName : className;
    return FindWindowW(windowClass.c_str(), title.c_str());
}

HWND InputWindowFor(HWND hwnd) {
    if (IsWindowEnabled(hwnd)) return hwnd;
    // A disabled window waits for a modal box of its own program, made on the same thread.
    struct Search {
        HWND Disabled;
        HWND Found;
    } search = {hwnd, nullptr};
    EnumThreadWindows(
        GetWindowThreadProcessId(hwnd, nullptr),
        [](HWND candidate, LPARAM lParam) -> BOOL {
            auto* s = reinterpret_cast<Search*>(lParam);
            if (candidate == s->Disabled || !IsWindowVisible(candidate) ||
                !IsWindowEnabled(candidate)) {
                return TRUE;
            }
            s->Found = candidate;
            return FALSE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.Found ? search.Found : hwnd;
}

void RestoreAppWindow(HWND hwnd) {
    ShowWindow(hwnd, SW_RESTORE);
    // The keys go to the window that takes them: an open About box or colour picker, not the
    // dialog it disabled.
    SetForegroundWindow(InputWindowFor(hwnd));
}

void MakeTopMost(HWND hwnd) {
    SetWindowPos(hwnd, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
}

}  // namespace globulon
