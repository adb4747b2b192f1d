// The running saver on one X window, in the way of an XScreenSaver hack: one state struct and
// init, draw, reshape, event and free over it. The spheres themselves are the window-free model.
#pragma once

#include <X11/Xlib.h>

#include <optional>

#include "core/front_end.h"
#include "x11/options.h"
#include "x11/target_window.h"
#include "x11/xlib_canvas.h"

namespace globulon::x11 {

struct SaverState {
    Display* Connection = nullptr;
    TargetWindow Target;
    int Width = 0;
    int Height = 0;
    // One sphere per monitor on the root, one on any other window, and their pen.
    SaverCore Core;
    std::optional<XlibCanvas> Canvas;
};

// Sets up the spheres for the window's size and the pen (penColor unless the options ask for
// random colours, seeded from this process), makes the canvas and clears the window. False when
// the window is gone already.
bool InitSaver(SaverState& state, Display* display, const TargetWindow& target,
               const Options& options, ColorValue penColor);
// One frame: the rims turn, the frames are drawn, and a due colour change is made.
void DrawSaver(SaverState& state);
// The window has a new size: the spheres are laid out afresh and the picture starts again.
void ReshapeSaver(SaverState& state, int width, int height);
// Handles one event; false when the saver must end (its window closed or gone).
bool HandleSaverEvent(SaverState& state, const XEvent& event);
// Gives back what InitSaver made.
void FreeSaver(SaverState& state);

}  // namespace globulon::x11
