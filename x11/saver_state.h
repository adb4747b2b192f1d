// The running saver on one X window, in the way of an XScreenSaver hack: one state struct and
// init, draw, reshape, event and free over it. The sphere itself is the window-free model.
#pragma once

#include <X11/Xlib.h>

#include <optional>

#include "scene/sphere_model.h"
#include "x11/options.h"
#include "x11/target_window.h"
#include "x11/xlib_canvas.h"

namespace globulon::x11 {

// Twips per pixel of a 96-dots-per-inch screen, as the Windows program counts: the sphere then
// has the same size in pixels as there.
inline constexpr std::int16_t TwipsPerPixel = 15;

struct SaverState {
    Display* Connection = nullptr;
    TargetWindow Target;
    int Width = 0;
    int Height = 0;
    SphereScene Scene;
    float LastColorChange = 0;
    std::optional<XlibCanvas> Canvas;
};

// Sets up the scene for the window's size and the pen, makes the canvas and clears the window.
void InitSaver(SaverState& state, Display* display, const TargetWindow& target,
               const Options& options);
// One frame: the rim turns, the frame is drawn, and a due colour change is made.
void DrawSaver(SaverState& state);
// The window has a new size: the centre moves there and the picture starts afresh.
void ReshapeSaver(SaverState& state, int width, int height);
// Handles one event; false when the saver must end (its window closed or gone).
bool HandleSaverEvent(SaverState& state, const XEvent& event);
// Gives back what InitSaver made.
void FreeSaver(SaverState& state);

}  // namespace globulon::x11
