// The drawing layer: one window's drawing context with the layer's own brush and pen selected,
// the few figures the sphere needs, and giving everything back as it was found.
#pragma once

#include <windows.h>

#include <cstdint>

#include "core/settings/setting_texts.h"

namespace globulon {

// The objects the layer made and the ones they displaced; all null while no context is open.
// One context at a time is open through the layer.
struct GraphicsLayerState {
    HPEN hPen = nullptr;         // the pen the layer made last
    HBRUSH hBrush = nullptr;     // the layer's brush; null when it was told to make none
    HGDIOBJ OldBrush = nullptr;  // the brush the context held before hBrush
    HGDIOBJ OldPen = nullptr;    // the pen the context held before the layer's first pen
};

// The layer's state, to be read by tests; ResetGraphicsLayer forgets it (tests only: it neither
// deselects nor deletes).
const GraphicsLayerState& GraphicsLayer();
void ResetGraphicsLayer();

// GfxOpen's brush colour that means "no brush".
inline constexpr std::int32_t NoBrush = -1;

// Takes hWnd's drawing context and selects a solid brush of brushColor (none for NoBrush) and a
// solid pen of penColor and penWidth into it.
HDC GfxOpen(HWND hWnd, std::int32_t brushColor, ColorValue penColor, int penWidth);
// Restores the context's own pen and brush, deletes what the layer made and releases the
// context of hWnd, last.
void GfxClose(HWND hWnd, HDC hDC);

// The same two steps on a context the caller owns (a memory context, say): select the layer's
// objects into it, and restore and delete them, leaving the context as it was found.
void GfxSelectObjects(HDC hDC, std::int32_t brushColor, ColorValue penColor, int penWidth);
void GfxRestoreObjects(HDC hDC);

// The layer's brush (black in both frame loops), for clearing the preview.
HBRUSH GfxBrush();

// Outline in the current pen, inside in the current brush; right and bottom excluded.
void GfxEllipse(HDC hDC, int left, int top, int right, int bottom);
// Moves the current position to (x, y) and sets that pixel.
void GfxMoveDot(HDC hDC, int x, int y, ColorValue color);
// A line in the current pen from the current position up to, not including, (x, y).
void GfxLineTo(HDC hDC, int x, int y);
void GfxFillRect(HDC hDC, HBRUSH brush, const RECT& rect);
// Swaps the layer's pen for a new one; the pen the context held before GfxOpen stays the one
// that GfxClose restores.
void GfxSetPen(HDC hDC, ColorValue color, int width);

}  // namespace globulon
