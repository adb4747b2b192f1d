// Window lookup and placement; see app_window.h.
#include "host/app_window.h"

#include "host/form_window.h"

namespace globulon {

HWND FindAppWindow(const std::wstring& title, const std::wstring& className) {
    const std::wstring windowClass = className.empty() ? FormClassName : className;
    return FindWindowW(windowClass.c_str(), title.c_str());
}

void RestoreAppWindow(HWND hwnd) {
    ShowWindow(hwnd, SW_RESTORE);
    SetForegroundWindow(hwnd);
}

void MakeTopMost(HWND hwnd) {
    SetWindowPos(hwnd, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
}

}  // namespace globulon
