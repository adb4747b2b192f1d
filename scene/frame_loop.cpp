// The frame loops; see frame_loop.h.
#include "scene/frame_loop.h"

#include <algorithm>

#include "host/clock.h"
#include "host/desktop_copy.h"
#include "host/timed_wait.h"
#include "scene/graphics_layer.h"
#include "scene/random_source.h"
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

}  // namespace

void DrawFrame(SphereScene& scene, FrameTarget target, HWND hWnd, HDC hDC) {
    if (ApplyRadiusRule(scene, ClockSeconds())) ClearPicture(scene, target, hWnd, hDC);

    // The black disc wipes everything inside it, the previous frame's chords included.
    const PixelBox disc = DiscBox(scene);
    GfxEllipse(hDC, disc.Left, disc.Top, disc.Right, disc.Bottom);

    // Every rim point joined to every later one. The last entry coincides with the first, so
    // (0, last) is a dot alone and each (k, last) repeats the chord (k, 0). A rim not yet built
    // has no entries to join.
    const int last = std::min<int>(scene.RimMax, static_cast<int>(scene.Rim.size()) - 1);
    for (int i = 0; i <= last; ++i) {
        for (int j = i + 1; j <= last; ++j) {
            const PixelPoint from = RimPointPixel(scene, i);
            GfxMoveDot(hDC, from.X, from.Y, scene.PenColor);
            const PixelPoint to = RimPointPixel(scene, j);
            GfxLineTo(hDC, to.X, to.Y);
        }
    }
}

void ChangeColorWhenDue(SphereScene& scene, HDC hDC, float& lastColorChange, double interval) {
    const float now = ClockSeconds();
    if (!ColorChangeDue(scene, lastColorChange, interval, now)) return;
    scene.PenColor = PickColor(UniformRandom);
    if (hDC) GfxSetPen(hDC, scene.PenColor, 1);
    lastColorChange = now;
}

HDC RunFullScreenFrames(SphereScene& scene, HWND saverWindow, bool& quitRequested) {
    HDC hDC = GfxOpen(saverWindow, 0, scene.PenColor, 1);
    float lastColorChange = 0;
    do {
        BuildRim(scene);
        DrawFrame(scene, FrameTarget::SaverWindow, saverWindow, hDC);
        ChangeColorWhenDue(scene, hDC, lastColorChange, FullScreenColorIntervalFor(scene));
        // Input is handled during the wait and may ask the loop to end.
        WaitSeconds(FrameWaitSeconds, quitRequested);
    } while (!quitRequested);
    return hDC;
}

}  // namespace globulon
