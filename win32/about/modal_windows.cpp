// Disabling the other windows during a modal box; see modal_windows.h.
#include "win32/about/modal_windows.h"

namespace globulon {
namespace {

struct Search {
    HWND Box;
    std::vector<HWND>* Found;
};

BOOL CALLBACK CollectWindow(HWND hwnd, LPARAM lParam) {
    auto* search = reinterpret_cast<Search*>(lParam);
    if (hwnd != search->Box && IsWindowVisible(hwnd) && IsWindowEnabled(hwnd)) {
        search->Found->push_back(hwnd);
    }
    return TRUE;
}

}  // namespace

void ModalDisabledWindows::DisableOthers(HWND box) {
    std::vector<HWND> found;
    Search search = {box, &found};
    EnumThreadWindows(GetCurrentThreadId(), &CollectWindow, reinterpret_cast<LPARAM>(&search));
    for (HWND hwnd : found) {
        EnableWindow(hwnd, FALSE);
        disabled_.push_back(hwnd);
    }
}

void ModalDisabledWindows::EnableAgain() {
    while (!disabled_.empty()) {
        // A window may have been closed while the box was open.
        if (IsWindow(disabled_.back())) EnableWindow(disabled_.back(), TRUE);
        disabled_.pop_back();
    }
}

}  // namespace globulon
