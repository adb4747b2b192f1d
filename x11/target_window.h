// The window the saver draws on: the root, a window the host made, or one of its own, watched
// for resizes (and, for its own, for the close request).
#pragma once

#include <X11/Xlib.h>

#include <optional>
#include <string>

#include "x11/options.h"

namespace globulon::x11 {

struct TargetWindow {
    Window Id = 0;
    bool Owned = false;        // made here, destroyed by CloseTarget
    Atom DeleteWindow = None;  // WM_DELETE_WINDOW, on an own window only
    std::string Problem;       // why there is no window (Id is 0 then)
};

// Finds or makes the window the options ask for and selects its structure events. From then on
// errors about the window, or its colormap or GCs, that a host takes away while the saver draws
// do not end the program: they mark the window lost (TargetLost).
TargetWindow OpenTarget(Display* display, const Options& options);

// True once the X server said the window, its colormap or a GC on it is gone.
bool TargetLost();

// Destroys the window when it was made here.
void CloseTarget(Display* display, const TargetWindow& target);

}  // namespace globulon::x11
