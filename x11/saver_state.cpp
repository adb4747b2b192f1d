// The running saver on one X window; see saver_state.h.
#include "x11/saver_state.h"

#include <cmath>

#include "scene/random_source.h"
#include "scene/sphere_frame.h"
#include "x11/local_clock.h"

namespace globulon::x11 {

void InitSaver(SaverState& state, Display* display, const TargetWindow& target,
               const Options& options) {
    state.Connection = display;
    state.Target = target;
    SphereScene& scene = state.Scene;
    scene.Pi = 4.0 * std::atan(1.0);
    scene.RimMax = 13;
    scene.TwipsPerPixelX = TwipsPerPixel;
    scene.TwipsPerPixelY = TwipsPerPixel;
    scene.UseBlackScreen = true;
    scene.UseRandomColors = options.RandomColors;
    if (options.RandomColors) {
        // Red until the first change, due at once.
        ReseedRandom(LocalClockSeconds());
        scene.PenColor = MakeColor(255, 0, 0);
    } else {
        scene.PenColor = options.PenColor;
    }
    SetFullScreenParameters(scene);

    XWindowAttributes attributes = {};
    XGetWindowAttributes(display, target.Id, &attributes);
    const Colormap colormap = attributes.colormap
                                  ? attributes.colormap
                                  : DefaultColormap(display, DefaultScreen(display));
    state.Canvas.emplace(display, target.Id, colormap, scene.PenColor);
    ReshapeSaver(state, attributes.width, attributes.height);
}

void DrawSaver(SaverState& state) {
    SphereScene& scene = state.Scene;
    const float now = LocalClockSeconds();
    BuildRim(scene);
    DrawSphereFrame(scene, now, *state.Canvas);
    if (PickColorWhenDue(scene, state.LastColorChange, FullScreenColorIntervalFor(scene), now,
                         UniformRandom)) {
        state.Canvas->SetPen(scene.PenColor);
    }
    XFlush(state.Connection);
}

void ReshapeSaver(SaverState& state, int width, int height) {
    state.Width = width;
    state.Height = height;
    SetFullScreenCentre(state.Scene, width, height);
    state.Canvas->Resize(width, height);
    // What was drawn around the old centre would stay behind as a stray copy.
    state.Canvas->ClearPicture();
}

bool HandleSaverEvent(SaverState& state, const XEvent& event) {
    switch (event.type) {
        case ConfigureNotify:
            if (event.xconfigure.window == state.Target.Id &&
                (event.xconfigure.width != state.Width ||
                 event.xconfigure.height != state.Height)) {
                ReshapeSaver(state, event.xconfigure.width, event.xconfigure.height);
            }
            return true;
        case DestroyNotify:
            if (event.xdestroywindow.window != state.Target.Id) return true;
            state.Target.Owned = false;  // already gone: nothing left to destroy
            return false;
        case ClientMessage:
            return state.Target.DeleteWindow == None ||
                   static_cast<Atom>(event.xclient.data.l[0]) != state.Target.DeleteWindow;
        default:
            return true;
    }
}

void FreeSaver(SaverState& state) {
    state.Canvas.reset();
    XFlush(state.Connection);
}

}  // namespace globulon::x11
