// The frame's figures drawn with Xlib on one window, each sphere's into its own area of it: a pen
// GC and a black GC, and the pen's colour cell. Owns the GCs and colour cells it made.
#pragma once

#include <X11/Xlib.h>

#include "core/front_end.h"
#include "core/pixel_rect.h"

namespace globulon::x11 {

class XlibCanvas final : public SaverCanvas {
  public:
    // colormap: the window's own, in which the pen and black are allocated.
    XlibCanvas(Display* display, Window window, Colormap colormap, ColorValue penColor);
    ~XlibCanvas() override;
    XlibCanvas(const XlibCanvas&) = delete;
    XlibCanvas& operator=(const XlibCanvas&) = delete;

    // A monitor's part of the root, or the whole window. The area stays until the next one.
    void EnterArea(const PixelRect& area) override;
    void LeaveArea() override {}
    void SetPen(ColorValue color) override;

    void Disc(const PixelBox& box) override;
    void FillArea(const PixelBox& area) override;
    void MoveDot(const PixelPoint& point, ColorValue color) override;
    void LineTo(const PixelPoint& point) override;
    void ClearPicture() override;

  private:
    unsigned long AllocatePixel(ColorValue color);
    void FreePixel(unsigned long pixel);
    PixelPoint InWindow(const PixelPoint& point) const;

    Display* display_;
    Window window_;
    Colormap colormap_;
    unsigned long black_;
    unsigned long penPixel_ = 0;
    ColorValue penColor_ = 0;
    GC blackGc_ = nullptr;
    GC penGc_ = nullptr;
    PixelPoint position_;
    PixelRect area_;
};

}  // namespace globulon::x11
