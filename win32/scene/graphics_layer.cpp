// The drawing layer; see graphics_layer.h.
#include "win32/scene/graphics_layer.h"

namespace globulon {

void GraphicsLayer::SelectNewPen(ColorValue color, int width) {
    pen_.Reset(CreatePen(PS_SOLID, width, static_cast<COLORREF>(color)));
    penSelected_ = SelectedObject(hDC_, pen_.Get());
}

void GraphicsLayer::SelectInto(HDC hDC, std::int32_t brushColor, ColorValue penColor,
                               int penWidth) {
    hDC_ = hDC;
    if (brushColor != NoBrush) {
        brush_.Reset(CreateSolidBrush(static_cast<COLORREF>(brushColor)));
        brushSelected_ = SelectedObject(hDC_, brush_.Get());
    }
    SelectNewPen(penColor, penWidth);
}

void GraphicsLayer::Select(HDC hDC, std::int32_t brushColor, ColorValue penColor, int penWidth) {
    Close();
    SelectInto(hDC, brushColor, penColor, penWidth);
}

HDC GraphicsLayer::Open(HWND hWnd, std::int32_t brushColor, ColorValue penColor, int penWidth) {
    Close();  // a context held before is given back before another is taken
    windowDc_ = WindowDc(hWnd);
    SelectInto(windowDc_.Get(), brushColor, penColor, penWidth);
    return hDC_;
}

void GraphicsLayer::Restore() {
    // Both of the context's own objects go back in before either of ours is deleted: a selected
    // object must never be deleted. Nothing is held afterwards, so a later Restore or Close meets
    // no stale handles.
    penSelected_.Reset();
    brushSelected_.Reset();
    pen_.Reset();
    brush_.Reset();
}

void GraphicsLayer::Close() {
    Restore();
    windowDc_.Reset();  // last
    hDC_ = nullptr;
}

void GraphicsLayer::SetPen(ColorValue color, int width) {
    // The context's own pen goes back in first, so that the pen in use is no longer selected
    // when it is deleted. A pen that never got selected is deleted all the same; if the new one
    // cannot be selected, the context's own pen stays in and nothing needs restoring.
    penSelected_.Reset();
    SelectNewPen(color, width);
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
