// The running saver on one X window; see saver_state.h.
#include "x11/saver_state.h"

#include <cmath>

#include "core/sphere/random_source.h"
#include "x11/local_clock.h"
#include "x11/monitors.h"
#include "x11/process_seed.h"

namespace globulon::x11 {

bool InitSaver(SaverState& state, Display* display, const TargetWindow& target,
               const Options& options, ColorValue penColor) {
    state.Connection = display;
    state.Target = target;
    SphereScene settings;
    settings.Pi = 4.0 * std::atan(1.0);
    settings.RimMax = 13;
    settings.TwipsPerPixelX = TwipsPerPixel;
    settings.TwipsPerPixelY = TwipsPerPixel;
    settings.UseBlackScreen = true;
    settings.UseRandomColors = options.RandomColors;
    if (options.RandomColors) {
        // Red until the first change, due at once. The seed's thousandths are the generator's.
        state.Random.Reseed(ProcessSeed());
        settings.PenColor = MakeColor(255, 0, 0);
    } else {
        settings.PenColor = penColor;
    }
    // What every sphere starts from; ReshapeSaver lays the spheres out over the window.
    state.Core =
        SaverCore({MonitorSphere{{}, settings}}, ColorPace::FullScreen, state.Random.Draws());

    XWindowAttributes attributes = {};
    if (!XGetWindowAttributes(display, target.Id, &attributes)) return false;
    const Colormap colormap = attributes.colormap
                                  ? attributes.colormap
                                  : DefaultColormap(display, DefaultScreen(display));
    state.Canvas.emplace(display, target.Id, colormap, settings.PenColor);
    ReshapeSaver(state, attributes.width, attributes.height);
    return true;
}

void DrawSaver(SaverState& state) {
    state.Core.Tick(LocalClockSeconds(), *state.Canvas);
    XFlush(state.Connection);
}

void ReshapeSaver(SaverState& state, int width, int height) {
    state.Width = width;
    state.Height = height;
    const std::vector<PixelRect> areas = state.Target.Id == DefaultRootWindow(state.Connection)
                                             ? RootMonitors(state.Connection, width, height)
                                             : std::vector<PixelRect>{{0, 0, width, height}};
    state.Core.LayOut(areas, 0, 0);
    // What was drawn around the old centres would stay behind as stray copies.
    state.Canvas->EnterArea({0, 0, width, height});
    state.Canvas->ClearPicture();
    state.Canvas->LeaveArea();
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
