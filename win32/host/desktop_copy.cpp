// Desktop copies for the preview and the full-screen saver's background; see desktop_copy.h.
#include "win32/host/desktop_copy.h"

namespace globulon {

bool OnUsersDesktop() {
    HDESK desktop = GetThreadDesktop(GetCurrentThreadId());
    if (!desktop) return true;
    wchar_t name[64] = {};
    DWORD needed = 0;
    if (GetUserObjectInformationW(desktop, UOI_NAME, name, sizeof(name), &needed)) {
        return CompareStringOrdinal(name, -1, L"Default", -1, TRUE) == CSTR_EQUAL;
    }
    // A name too long for the buffer is not "Default"; any other failure leaves it unknown.
    return GetLastError() != ERROR_INSUFFICIENT_BUFFER;
}

void CopyDesktopToWindow(HWND hwnd, HDC hdc) {
    RECT client;
    if (!GetClientRect(hwnd, &client)) return;
    if (!OnUsersDesktop()) {
        FillRect(hdc, &client, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
        return;
    }
    HDC screen = GetDC(nullptr);
    if (!screen) return;
    // The primary screen in pixels; the screen DC's origin is its top-left corner.
    const int screenWidth = GetSystemMetrics(SM_CXSCREEN);
    const int screenHeight = GetSystemMetrics(SM_CYSCREEN);
    // Averaging the pixels a scaled-down copy drops keeps the small preview readable.
    // The drawing layer's state of hdc is left as it was.
    const int previousMode = SetStretchBltMode(hdc, HALFTONE);
    POINT previousOrigin = {0, 0};
    SetBrushOrgEx(hdc, 0, 0, &previousOrigin);
    StretchBlt(hdc, 0, 0, client.right - client.left, client.bottom - client.top, screen, 0, 0,
               screenWidth, screenHeight, SRCCOPY);
    SetBrushOrgEx(hdc, previousOrigin.x, previousOrigin.y, nullptr);
    if (previousMode) SetStretchBltMode(hdc, previousMode);
    ReleaseDC(nullptr, screen);
}

DesktopSnapshot::~DesktopSnapshot() {
    Clear();
}

void DesktopSnapshot::Clear() {
    if (bitmap_) DeleteObject(bitmap_);
    bitmap_ = nullptr;
    width_ = 0;
    height_ = 0;
}

bool DesktopSnapshot::Capture(int widthPx, int heightPx, int left, int top) {
    Clear();
    if (widthPx <= 0 || heightPx <= 0) return false;
    HDC screen = GetDC(nullptr);
    if (!screen) return false;
    HBITMAP bitmap = nullptr;
    if (HDC memory = CreateCompatibleDC(screen)) {
        bitmap = CreateCompatibleBitmap(screen, widthPx, heightPx);
        if (bitmap) {
            HGDIOBJ previous = SelectObject(memory, bitmap);
            const bool copied =
                previous && BitBlt(memory, 0, 0, widthPx, heightPx, screen, left, top, SRCCOPY);
            if (previous) SelectObject(memory, previous);
            if (!copied) {
                DeleteObject(bitmap);
                bitmap = nullptr;
            }
        }
        DeleteDC(memory);
    }
    ReleaseDC(nullptr, screen);
    if (!bitmap) return false;
    bitmap_ = bitmap;
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
    HDC memory = CreateCompatibleDC(hdc);
    if (!memory) return false;
    HGDIOBJ previous = SelectObject(memory, bitmap_);
    bool drawn = false;
    if (previous) {
        drawn = BitBlt(hdc, shown.left, shown.top, shown.right - shown.left,
                       shown.bottom - shown.top, memory, shown.left, shown.top, SRCCOPY) != 0;
        SelectObject(memory, previous);
    }
    DeleteDC(memory);
    return drawn;
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
