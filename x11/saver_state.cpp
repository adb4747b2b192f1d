// The running saver on one X window; see saver_state.h.
#include "x11/saver_state.h"

#include <vector>

#include "x11/local_clock.h"
#include "x11/monitors.h"
#include "x11/process_seed.h"

namespace globulon::x11 {
namespace {

// A sphere for each monitor on the root window, one on any other window.
std::vector<PixelRect> DrawingAreas(const SaverState& state, int width, int height) {
    if (state.Target.Id == DefaultRootWindow(state.Connection)) {
        return RootMonitors(state.Connection, width, height);
    }
    return {{0, 0, width, height}};
}

// What was drawn around old centres would stay behind as stray copies.
void ClearWindow(SaverState& state) {
    state.Canvas->EnterArea({0, 0, state.Width, state.Height});
    state.Canvas->ClearPicture();
    state.Canvas->LeaveArea();
}

}  // namespace

bool InitSaver(SaverState& state, Display* display, const TargetWindow& target,
               const Options& options, ColorValue penColor) {
    state.Connection = display;
    state.Target = target;
    XWindowAttributes attributes = {};
    if (!XGetWindowAttributes(display, target.Id, &attributes)) return false;
    state.Width = attributes.width;
    state.Height = attributes.height;

    StartUp startUp;  // black behind the sphere, a 96-dots-per-inch screen
    startUp.RandomPen = options.RandomColors;
    startUp.FixedPen = penColor;
    // Hosts start one process per monitor at once: each draws its own colours.
    startUp.Seed = ProcessSeed();
    state.Core = StartFullScreen(startUp, DrawingAreas(state, state.Width, state.Height));

    const Colormap colormap = attributes.colormap
                                  ? attributes.colormap
                                  : DefaultColormap(display, DefaultScreen(display));
    state.Canvas.emplace(display, target.Id, colormap, state.Core.PenColor());
    ClearWindow(state);
    return true;
}

void DrawSaver(SaverState& state) {
    state.Core.Tick(LocalClockSeconds(), *state.Canvas);
    XFlush(state.Connection);
}

void ReshapeSaver(SaverState& state, int width, int height) {
    state.Width = width;
    state.Height = height;
    state.Core.LayOut(DrawingAreas(state, width, height), 0, 0);
    ClearWindow(state);
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
