// The monitors a root window spans, as the X server reports them through Xinerama (which also
// reports RandR's monitors).
#pragma once

#include <X11/Xlib.h>

#include <vector>

#include "core/pixel_rect.h"

namespace globulon::x11 {

// Each monitor once, in root pixels; the whole root (width x height) when the server reports
// none.
std::vector<PixelRect> RootMonitors(Display* display, int width, int height);

}  // namespace globulon::x11
