// The frame loops; see frame_loop.h.
#include "scene/frame_loop.h"

#include "host/clock.h"
#include "host/desktop_copy.h"
#include "host/monitors.h"
#include "host/timed_wait.h"
#include "scene/graphics_layer.h"
#include "scene/random_source.h"
#include "scene/sphere_frame.h"
#include "scene/sphere_model.h"

namespace globulon {
namespace {

// A rest has ended: the layered trace of the shrinking sphere goes, the background comes back.
void ClearPicture(const SphereScene& scene, FrameTarget target, HWND hWnd, HDC hDC) {
    if (target == FrameTarget::PreviewWindow) {
        if (scene.UseBlackScreen) {
            RECT client = {0, 0, 0, 0};
            GetClientRect(hWnd, &client);
            GfxFillRect(hDC, GfxBrush(), client);
        } else {
            CopyDesktopToWindow(hWnd, hDC);
        }
    } else {
        // The saver window repaints its own background (black or the desktop picture) into hDC.
        SendMessageW(hWnd, WM_PAINT, reinterpret_cast<WPARAM>(hDC), 0);
    }
}

// The frame's figures drawn through the drawing layer on the window's context.
class GdiCanvas final : public FrameCanvas {
  public:
    GdiCanvas(const SphereScene& scene, FrameTarget target, HWND hWnd, HDC hDC)
        : scene_(scene), target_(target), hWnd_(hWnd), hDC_(hDC) {}
    void Disc(const PixelBox& box) override {
        GfxEllipse(hDC_, box.Left, box.Top, box.Right, box.Bottom);
    }
    void FillArea(const PixelBox& area) override {
        GfxFillRect(hDC_, GfxBrush(), RECT{area.Left, area.Top, area.Right, area.Bottom});
    }
    void MoveDot(const PixelPoint& point, ColorValue color) override {
        GfxMoveDot(hDC_, point.X, point.Y, color);
    }
    void LineTo(const PixelPoint& point) override { GfxLineTo(hDC_, point.X, point.Y); }
    void ClearPicture() override { globulon::ClearPicture(scene_, target_, hWnd_, hDC_); }

  private:
    const SphereScene& scene_;
    FrameTarget target_;
    HWND hWnd_;
    HDC hDC_;
};

}  // namespace

void DrawFrame(SphereScene& scene, FrameTarget target, HWND hWnd, HDC hDC) {
    GdiCanvas canvas(scene, target, hWnd, hDC);
    DrawSphereFrame(scene, ClockSeconds(), canvas);
}

void ChangeColorWhenDue(SphereScene& scene, HDC hDC, float& lastColorChange, double interval) {
    if (!PickColorWhenDue(scene, lastColorChange, interval, ClockSeconds(), UniformRandom)) return;
    if (hDC) GfxSetPen(hDC, scene.PenColor, 1);
}

std::vector<MonitorSphere> SpheresForWindow(const SphereScene& settings, HWND saverWindow) {
    RECT frame = {0, 0, 0, 0};
    GetWindowRect(saverWindow, &frame);
    return SpheresForMonitors(settings, MonitorRects(), frame.left, frame.top);
}

void DrawMonitorFrame(MonitorSphere& sphere, HWND saverWindow, HDC hDC) {
    const PixelRect& area = sphere.Area;
    POINT previousOrigin = {0, 0};
    SetViewportOrgEx(hDC, area.Left, area.Top, &previousOrigin);
    IntersectClipRect(hDC, 0, 0, area.Width, area.Height);
    BuildRim(sphere.Scene);
    DrawFrame(sphere.Scene, FrameTarget::SaverWindow, saverWindow, hDC);
    SelectClipRgn(hDC, nullptr);
    SetViewportOrgEx(hDC, previousOrigin.x, previousOrigin.y, nullptr);
}

HDC RunFullScreenFrames(std::vector<MonitorSphere>& spheres, HWND saverWindow, bool& quitRequested,
                        bool& monitorsChanged) {
    if (spheres.empty()) return nullptr;
    HDC hDC = GfxOpen(saverWindow, 0, spheres.front().Scene.PenColor, 1);
    float lastColorChange = 0;
    do {
        for (MonitorSphere& sphere : spheres) DrawMonitorFrame(sphere, saverWindow, hDC);
        SphereScene& lead = spheres.front().Scene;
        ChangeColorWhenDue(lead, hDC, lastColorChange, FullScreenColorIntervalFor(lead));
        SharePenColor(spheres);
        // Input is handled during the wait and may ask the loop to end.
        WaitSeconds(FrameWaitSeconds, quitRequested);
        if (monitorsChanged) {
            monitorsChanged = false;
            spheres = SpheresForWindow(spheres.front().Scene, saverWindow);
        }
    } while (!quitRequested);
    return hDC;
}

}  // namespace globulon
