// The drawing layer: one drawing context with the layer's own brush and pen selected, the few
// figures the sphere needs, and giving everything back as it was found.
#pragma once

#include <windows.h>

#include <cstdint>

#include "core/settings/setting_texts.h"
#include "win32/host/gdi_owners.h"

namespace globulon {

// The brush colour for Open and Select that means "no brush".
inline constexpr std::int32_t NoBrush = -1;

// The pen and brush the layer made, selected into one context at a time, and the objects they
// displaced. Owned by the run that draws and handed down to what draws. The destructor closes
// what is still open, so a layer must not outlive a context it was selected into; a layer
// opened on a window is best closed while that window exists.
class GraphicsLayer {
  public:
    GraphicsLayer() = default;
    ~GraphicsLayer() { Close(); }
    GraphicsLayer(const GraphicsLayer&) = delete;
    GraphicsLayer& operator=(const GraphicsLayer&) = delete;

    // Takes hWnd's drawing context and selects a solid brush of brushColor (none for NoBrush)
    // and a solid pen of penColor and penWidth into it. Returns the context.
    HDC Open(HWND hWnd, std::int32_t brushColor, ColorValue penColor, int penWidth);
    // The same on a context the caller owns (a memory context, say).
    void Select(HDC hDC, std::int32_t brushColor, ColorValue penColor, int penWidth);
    // Puts the context's own pen and brush back and deletes what the layer made; the layer
    // still names the context until Close.
    void Restore();
    // Restore, then the window's context is released, last. A caller's context is only
    // forgotten. Opening or selecting again closes first.
    void Close();

    // Swaps the layer's pen for a new one; the pen the context held before Open or Select stays
    // the one that Restore puts back.
    void SetPen(ColorValue color, int width);

    HDC Dc() const { return hDC_; }
    HPEN Pen() const { return pen_.Get(); }        // the pen the layer made last
    HBRUSH Brush() const { return brush_.Get(); }  // null when the layer was told to make none
    HGDIOBJ OldPen() const { return penSelected_.Previous(); }
    HGDIOBJ OldBrush() const { return brushSelected_.Previous(); }

  private:
    // Selects a new brush (unless NoBrush) and pen into hDC, which the layer names from now on.
    void SelectInto(HDC hDC, std::int32_t brushColor, ColorValue penColor, int penWidth);
    // A new pen of the colour, selected into the context in place of the context's own.
    void SelectNewPen(ColorValue color, int width);

    // Taken in this order, given back in reverse (Restore, then Close): the window's context,
    // the brush and its selection, the pen and its selection.
    WindowDc windowDc_;  // the context Open took; empty for a caller's context
    HDC hDC_ = nullptr;
    GdiObject<HBRUSH> brush_;
    SelectedObject brushSelected_;  // puts the context's own brush back
    GdiObject<HPEN> pen_;
    SelectedObject penSelected_;  // puts the context's own pen back
};

// Outline in the current pen, inside in the current brush; right and bottom excluded.
void GfxEllipse(HDC hDC, int left, int top, int right, int bottom);
// Moves the current position to (x, y) and sets that pixel.
void GfxMoveDot(HDC hDC, int x, int y, ColorValue color);
// A line in the current pen from the current position up to, not including, (x, y).
void GfxLineTo(HDC hDC, int x, int y);
void GfxFillRect(HDC hDC, HBRUSH brush, const RECT& rect);

}  // namespace globulon
