// The frame loops' Windows half: the canvas that draws the saver's frames through the drawing
// layer, and the full-screen loop on the saver window. The saver core and the end flag they use
// are handed in by the run that owns them.
#pragma once

#include <windows.h>

#include "core/sphere/saver_core.h"
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

// A sphere for each monitor the saver window covers (see SaverCore::LayOut), in the window's
// client coordinates.
void LayOutForWindow(SaverCore& core, HWND saverWindow);

// The full-screen frame loop on the shown saver window: opens layer on it and lets the core draw
// a frame per pass, until quitRequested is set, at least one pass. When monitorsChanged is set
// (the window has followed a new monitor layout), the spheres are laid out anew for the new
// monitors. The layer is left open; the saver run closes it once its window procedure is gone.
void RunFullScreenFrames(SaverCore& core, HWND saverWindow, GraphicsLayer& layer,
                         bool& quitRequested, bool& monitorsChanged);

}  // namespace globulon
