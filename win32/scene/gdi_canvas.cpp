// The Windows canvas; see gdi_canvas.h.
#include "win32/scene/gdi_canvas.h"

#include "win32/host/desktop_copy.h"

namespace globulon {

void GdiCanvas::EnterArea(const PixelRect& area) {
    SetViewportOrgEx(layer_.Dc(), area.Left, area.Top, &previousOrigin_);
    IntersectClipRect(layer_.Dc(), 0, 0, area.Width, area.Height);
}

void GdiCanvas::LeaveArea() {
    SelectClipRgn(layer_.Dc(), nullptr);
    SetViewportOrgEx(layer_.Dc(), previousOrigin_.x, previousOrigin_.y, nullptr);
}

void GdiCanvas::SetPen(ColorValue color) {
    layer_.SetPen(color, 1);
}

void GdiCanvas::Disc(const PixelBox& box) {
    GfxEllipse(layer_.Dc(), box.Left, box.Top, box.Right, box.Bottom);
}

void GdiCanvas::FillArea(const PixelBox& area) {
    GfxFillRect(layer_.Dc(), layer_.Brush(), RECT{area.Left, area.Top, area.Right, area.Bottom});
}

void GdiCanvas::MoveDot(const PixelPoint& point, ColorValue color) {
    GfxMoveDot(layer_.Dc(), point.X, point.Y, color);
}

void GdiCanvas::LineTo(const PixelPoint& point) {
    GfxLineTo(layer_.Dc(), point.X, point.Y);
}

void GdiCanvas::ClearPicture() {
    if (target_ == FrameTarget::PreviewWindow) {
        if (blackScreen_) {
            RECT client = {0, 0, 0, 0};
            GetClientRect(hWnd_, &client);
            GfxFillRect(layer_.Dc(), layer_.Brush(), client);
        } else {
            CopyDesktopToWindow(hWnd_, layer_.Dc());
        }
    } else {
        // The saver window repaints its own background (black or the desktop picture) into the
        // layer's context.
        SendMessageW(hWnd_, WM_PAINT, reinterpret_cast<WPARAM>(layer_.Dc()), 0);
    }
}

}  // namespace globulon
