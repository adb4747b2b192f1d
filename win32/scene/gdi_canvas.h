// The Windows canvas: the saver's frames drawn with GDI through the drawing layer.
#pragma once

#include <windows.h>

#include "core/front_end.h"
#include "win32/scene/graphics_layer.h"

namespace globulon {

// Where a frame is drawn: the saver window repaints its own background when the picture is
// cleared; the preview window is cleared to black or to the scaled desktop.
enum class FrameTarget { SaverWindow, PreviewWindow };

// The saver's figures drawn through the drawing layer into its context, which belongs to hWnd.
// A sphere's area moves the context's origin to the area's corner and clips its drawing to the
// area meanwhile.
class GdiCanvas final : public SaverCanvas {
  public:
    // blackScreen: the preview is cleared to black rather than to the desktop.
    GdiCanvas(FrameTarget target, bool blackScreen, HWND hWnd, GraphicsLayer& layer)
        : target_(target), blackScreen_(blackScreen), hWnd_(hWnd), layer_(layer) {}

    void EnterArea(const PixelRect& area) override;
    void LeaveArea() override;
    void SetPen(ColorValue color) override;
    void Disc(const PixelBox& box) override;
    void FillArea(const PixelBox& area) override;
    void MoveDot(const PixelPoint& point, ColorValue color) override;
    void LineTo(const PixelPoint& point) override;
    void ClearPicture() override;

  private:
    FrameTarget target_;
    bool blackScreen_;
    HWND hWnd_;
    GraphicsLayer& layer_;
    POINT previousOrigin_ = {0, 0};
};

}  // namespace globulon
