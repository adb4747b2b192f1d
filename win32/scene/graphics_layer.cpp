// The drawing layer; see graphics_layer.h.
#include "win32/scene/graphics_layer.h"

namespace globulon {

HGDIOBJ GraphicsLayer::SelectNewPen(ColorValue color, int width) {
    pen_ = CreatePen(PS_SOLID, width, static_cast<COLORREF>(color));
    return pen_ ? SelectObject(hDC_, pen_) : nullptr;
}

void GraphicsLayer::Select(HDC hDC, std::int32_t brushColor, ColorValue penColor, int penWidth) {
    Close();
    hDC_ = hDC;
    if (brushColor != NoBrush) {
        brush_ = CreateSolidBrush(static_cast<COLORREF>(brushColor));
        if (brush_) oldBrush_ = SelectObject(hDC_, brush_);
    }
    oldPen_ = SelectNewPen(penColor, penWidth);
}

HDC GraphicsLayer::Open(HWND hWnd, std::int32_t brushColor, ColorValue penColor, int penWidth) {
    Close();  // a context held before is given back before another is taken
    Select(GetDC(hWnd), brushColor, penColor, penWidth);
    window_ = hWnd;
    return hDC_;
}

void GraphicsLayer::Restore() {
    // Both of the context's own objects go back in before either of ours is deleted: a selected
    // object must never be deleted.
    if (oldPen_) SelectObject(hDC_, oldPen_);
    if (oldBrush_) SelectObject(hDC_, oldBrush_);
    if (pen_) DeleteObject(pen_);
    if (brush_) DeleteObject(brush_);
    // Nothing is held any more; a later Restore or Close meets no stale handles.
    pen_ = nullptr;
    brush_ = nullptr;
    oldPen_ = nullptr;
    oldBrush_ = nullptr;
}

void GraphicsLayer::Close() {
    Restore();
    if (window_ && hDC_) ReleaseDC(window_, hDC_);
    window_ = nullptr;
    hDC_ = nullptr;
}

void GraphicsLayer::SetPen(ColorValue color, int width) {
    // The context's own pen goes back in first, so that the pen in use is no longer selected
    // when it is deleted. A pen that never got selected is deleted all the same.
    if (oldPen_) SelectObject(hDC_, oldPen_);
    if (pen_) DeleteObject(pen_);
    pen_ = nullptr;
    // The new pen displaced the context's own pen again; if it could not be selected, the
    // context's pen is in and nothing needs restoring.
    oldPen_ = SelectNewPen(color, width);
}

void GfxEllipse(HDC hDC, int left, int top, int right, int bottom) {
    Ellipse(hDC, left, top, right, bottom);
}

void GfxMoveDot(HDC hDC, int x, int y, ColorValue color) {
    MoveToEx(hDC, x, y, nullptr);
    SetPixel(hDC, x, y, static_cast<COLORREF>(color));
}

void GfxLineTo(HDC hDC, int x, int y) {
    LineTo(hDC, x, y);
}

void GfxFillRect(HDC hDC, HBRUSH brush, const RECT& rect) {
    FillRect(hDC, &rect, brush);
}

}  // namespace globulon
