// The drawing layer; see graphics_layer.h.
#include "win32/scene/graphics_layer.h"

namespace globulon {
namespace {

GraphicsLayerState& State() {
    static GraphicsLayerState state;
    return state;
}

// A new pen of the colour, selected into hDC. The pen it displaces is returned.
HGDIOBJ SelectNewPen(HDC hDC, ColorValue color, int width) {
    GraphicsLayerState& state = State();
    state.hPen = CreatePen(PS_SOLID, width, static_cast<COLORREF>(color));
    return state.hPen ? SelectObject(hDC, state.hPen) : nullptr;
}

}  // namespace

const GraphicsLayerState& GraphicsLayer() {
    return State();
}

void ResetGraphicsLayer() {
    State() = GraphicsLayerState();
}

void GfxSelectObjects(HDC hDC, std::int32_t brushColor, ColorValue penColor, int penWidth) {
    GraphicsLayerState& state = State();
    if (brushColor != NoBrush) {
        state.hBrush = CreateSolidBrush(static_cast<COLORREF>(brushColor));
        if (state.hBrush) state.OldBrush = SelectObject(hDC, state.hBrush);
    }
    state.OldPen = SelectNewPen(hDC, penColor, penWidth);
}

void GfxRestoreObjects(HDC hDC) {
    GraphicsLayerState& state = State();
    // Both of the context's own objects go back in before either of ours is deleted: a selected
    // object must never be deleted.
    if (state.OldPen) SelectObject(hDC, state.OldPen);
    if (state.OldBrush) SelectObject(hDC, state.OldBrush);
    if (state.hPen) DeleteObject(state.hPen);
    if (state.hBrush) DeleteObject(state.hBrush);
    // Nothing is held any more; a later open starts afresh instead of meeting stale handles.
    state = GraphicsLayerState();
}

HDC GfxOpen(HWND hWnd, std::int32_t brushColor, ColorValue penColor, int penWidth) {
    HDC hDC = GetDC(hWnd);
    GfxSelectObjects(hDC, brushColor, penColor, penWidth);
    return hDC;
}

void GfxClose(HWND hWnd, HDC hDC) {
    GfxRestoreObjects(hDC);
    if (hDC) ReleaseDC(hWnd, hDC);
}

HBRUSH GfxBrush() {
    return State().hBrush;
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

void GfxSetPen(HDC hDC, ColorValue color, int width) {
    GraphicsLayerState& state = State();
    // The context's own pen goes back in first, so that the pen in use is no longer selected
    // when it is deleted. A pen that never got selected is deleted all the same.
    if (state.OldPen) SelectObject(hDC, state.OldPen);
    if (state.hPen) DeleteObject(state.hPen);
    state.hPen = nullptr;
    const HGDIOBJ displaced = SelectNewPen(hDC, color, width);
    // The new pen displaced the context's own pen again; if it could not be selected, the
    // context's pen is in and nothing needs restoring.
    state.OldPen = displaced;
}

}  // namespace globulon
