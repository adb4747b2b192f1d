// Window lookup and placement; see app_window.h.
#include "win32/host/app_window.h"

#include "win32/host/form_window.h"

namespace globulon {

HWND FindAppWindow(const std::wstring& title, const std::wstring& className) {
    const std::wstring windowClass = className.empty() ? FormClassName : className;
    return FindWindowW(windowClass.c_str(), title.c_str());
}

namespace {

// What the search for a disabled window's modal box looks for, and what it found.
struct ModalSearch {
    HWND Disabled;
    HWND Found;
};

// A named callback, not a lambda: 32-bit Windows calls it with the stdcall convention, to which
// a lambda does not convert.
BOOL CALLBACK NoteEnabledWindow(HWND candidate, LPARAM lParam) {
    auto* search = reinterpret_cast<ModalSearch*>(lParam);
    if (candidate == search->Disabled || !IsWindowVisible(candidate) ||
        !IsWindowEnabled(candidate)) {
        return TRUE;
    }
    search->Found = candidate;
    return FALSE;
}

}  // namespace

HWND InputWindowFor(HWND hwnd) {
    if (IsWindowEnabled(hwnd)) return hwnd;
    // A disabled window waits for a modal box of its own program, made on the same thread.
    ModalSearch search = {hwnd, nullptr};
    EnumThreadWindows(GetWindowThreadProcessId(hwnd, nullptr), NoteEnabledWindow,
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
