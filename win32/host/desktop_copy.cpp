// Desktop copies for the preview and the full-screen saver's background; see desktop_copy.h.
#include "win32/host/desktop_copy.h"

#include <utility>

#include "win32/host/gdi_owners.h"
#include "win32/host/user_desktop.h"

namespace globulon {

void CopyDesktopToWindow(HWND hwnd, HDC hdc) {
    RECT client;
    if (!GetClientRect(hwnd, &client)) return;
    if (!OnUsersDesktop()) {
        FillRect(hdc, &client, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
        return;
    }
    const WindowDc screen(nullptr);
    if (!screen) return;
    // The primary screen in pixels; the screen DC's origin is its top-left corner.
    const int screenWidth = GetSystemMetrics(SM_CXSCREEN);
    const int screenHeight = GetSystemMetrics(SM_CYSCREEN);
    // Averaging the pixels a scaled-down copy drops keeps the small preview readable.
    // The drawing layer's state of hdc is left as it was.
    const int previousMode = SetStretchBltMode(hdc, HALFTONE);
    POINT previousOrigin = {0, 0};
    SetBrushOrgEx(hdc, 0, 0, &previousOrigin);
    StretchBlt(hdc, 0, 0, client.right - client.left, client.bottom - client.top, screen.Get(), 0,
               0, screenWidth, screenHeight, SRCCOPY);
    SetBrushOrgEx(hdc, previousOrigin.x, previousOrigin.y, nullptr);
    if (previousMode) SetStretchBltMode(hdc, previousMode);
}

DesktopSnapshot::~DesktopSnapshot() {
    Clear();
}

void DesktopSnapshot::Clear() {
    bitmap_.Reset();
    width_ = 0;
    height_ = 0;
}

bool DesktopSnapshot::Capture(int widthPx, int heightPx, int left, int top) {
    Clear();
    if (widthPx <= 0 || heightPx <= 0) return false;
    const WindowDc screen(nullptr);
    if (!screen) return false;
    const MemoryDc memory(screen.Get());
    if (!memory) return false;
    GdiObject<HBITMAP> bitmap(CreateCompatibleBitmap(screen.Get(), widthPx, heightPx));
    {
        const SelectedObject selected(memory.Get(), bitmap.Get());
        if (!selected ||
            !BitBlt(memory.Get(), 0, 0, widthPx, heightPx, screen.Get(), left, top, SRCCOPY)) {
            return false;
        }
    }  // the bitmap leaves the memory context before the snapshot keeps it
    bitmap_ = std::move(bitmap);
    width_ = widthPx;
    height_ = heightPx;
    return true;
}

bool DesktopSnapshot::PaintTo(HDC hdc, const RECT& area) const {
    if (!bitmap_) return false;
    const RECT picture = {0, 0, width_, height_};
    RECT shown;
    if (!IntersectRect(&shown, &area, &picture) || !EqualRect(&shown, &area)) {
        // Where the window reaches past the picture there is nothing to show: black, as the
        // saver draws on black.
        FillRect(hdc, &area, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    }
    if (IsRectEmpty(&shown)) return true;
    const MemoryDc memory(hdc);
    const SelectedObject selected(memory.Get(), bitmap_.Get());
    return selected &&
           BitBlt(hdc, shown.left, shown.top, shown.right - shown.left, shown.bottom - shown.top,
                  memory.Get(), shown.left, shown.top, SRCCOPY) != 0;
}

bool SetDesktopBackdrop(HWND form, DesktopSnapshot& snapshot) {
    RECT frame;
    if (!OnUsersDesktop() || !GetWindowRect(form, &frame)) {
        snapshot.Clear();
        if (form) InvalidateRect(form, nullptr, TRUE);
        return false;
    }
    // The screen context's origin is the primary monitor's corner; others may lie left or above.
    const bool taken =
        snapshot.Capture(frame.right - frame.left, frame.bottom - frame.top, frame.left, frame.top);
    InvalidateRect(form, nullptr, TRUE);
    return taken;
}

}  // namespace globulon
