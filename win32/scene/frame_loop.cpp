// The frame loops' Windows half; see frame_loop.h.
#include "win32/scene/frame_loop.h"

#include "win32/host/clock.h"
#include "win32/host/desktop_copy.h"
#include "win32/host/monitors.h"
#include "win32/host/timed_wait.h"
#include "win32/scene/graphics_layer.h"

namespace globulon {

void GdiCanvas::EnterArea(const PixelRect& area) {
    SetViewportOrgEx(hDC_, area.Left, area.Top, &previousOrigin_);
    IntersectClipRect(hDC_, 0, 0, area.Width, area.Height);
}

void GdiCanvas::LeaveArea() {
    SelectClipRgn(hDC_, nullptr);
    SetViewportOrgEx(hDC_, previousOrigin_.x, previousOrigin_.y, nullptr);
}

void GdiCanvas::SetPen(ColorValue color) {
    GfxSetPen(hDC_, color, 1);
}

void GdiCanvas::Disc(const PixelBox& box) {
    GfxEllipse(hDC_, box.Left, box.Top, box.Right, box.Bottom);
}

void GdiCanvas::FillArea(const PixelBox& area) {
    GfxFillRect(hDC_, GfxBrush(), RECT{area.Left, area.Top, area.Right, area.Bottom});
}

void GdiCanvas::MoveDot(const PixelPoint& point, ColorValue color) {
    GfxMoveDot(hDC_, point.X, point.Y, color);
}

void GdiCanvas::LineTo(const PixelPoint& point) {
    GfxLineTo(hDC_, point.X, point.Y);
}

void GdiCanvas::ClearPicture() {
    if (target_ == FrameTarget::PreviewWindow) {
        if (blackScreen_) {
            RECT client = {0, 0, 0, 0};
            GetClientRect(hWnd_, &client);
            GfxFillRect(hDC_, GfxBrush(), client);
        } else {
            CopyDesktopToWindow(hWnd_, hDC_);
        }
    } else {
        // The saver window repaints its own background (black or the desktop picture) into hDC.
        SendMessageW(hWnd_, WM_PAINT, reinterpret_cast<WPARAM>(hDC_), 0);
    }
}

void LayOutForWindow(SaverCore& core, HWND saverWindow) {
    RECT frame = {0, 0, 0, 0};
    GetWindowRect(saverWindow, &frame);
    core.LayOut(MonitorRects(), frame.left, frame.top);
}

HDC RunFullScreenFrames(SaverCore& core, HWND saverWindow, bool& quitRequested,
                        bool& monitorsChanged) {
    if (core.Spheres().empty()) return nullptr;
    HDC hDC = GfxOpen(saverWindow, 0, core.PenColor(), 1);
    GdiCanvas canvas(FrameTarget::SaverWindow, core.Spheres().front().Scene.UseBlackScreen,
                     saverWindow, hDC);
    do {
        core.Tick(ClockSeconds(), canvas);
        // Input is handled during the wait and may ask the loop to end.
        WaitSeconds(FrameWaitSeconds, quitRequested);
        if (monitorsChanged) {
            monitorsChanged = false;
            LayOutForWindow(core, saverWindow);
        }
    } while (!quitRequested);
    return hDC;
}

}  // namespace globulon
