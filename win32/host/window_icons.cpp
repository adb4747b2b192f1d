// A window's icons at its DPI; see window_icons.h.
#include "win32/host/window_icons.h"

#include <utility>

#include "win32/host/form_window.h"
#include "win32/host/resource_ids.h"
#include "win32/host/window_dpi.h"

namespace globulon {
namespace {

// The icon at the given size, drawn from the resource's nearest image.
HICON LoadProgramIcon(int size) {
    return static_cast<HICON>(LoadImageW(ProgramInstance(), MAKEINTRESOURCEW(ProgramIconId),
                                         IMAGE_ICON, size, size, LR_DEFAULTCOLOR));
}

// Gives the window the icon (when it was loaded) and returns the one to destroy afterwards.
HICON Swap(HWND window, WPARAM which, HICON& held, HICON loaded) {
    if (!loaded) return nullptr;
    SendMessageW(window, WM_SETICON, which, reinterpret_cast<LPARAM>(loaded));
    return std::exchange(held, loaded);
}

}  // namespace

void WindowIcons::Apply(HWND window, int dpi) {
    if (!window) return;
    HICON oldBig = Swap(window, ICON_BIG, big_, LoadProgramIcon(SystemMetricAtDpi(SM_CXICON, dpi)));
    HICON oldSmall =
        Swap(window, ICON_SMALL, small_, LoadProgramIcon(SystemMetricAtDpi(SM_CXSMICON, dpi)));
    if (oldBig) DestroyIcon(oldBig);
    if (oldSmall) DestroyIcon(oldSmall);
}

void WindowIcons::Clear() {
    if (big_) DestroyIcon(big_);
    if (small_) DestroyIcon(small_);
    big_ = nullptr;
    small_ = nullptr;
}

}  // namespace globulon
