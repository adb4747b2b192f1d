// The monitors the desktop spans, in screen pixels: the virtual screen that covers them all, each
// monitor's own rectangle, and the monitor under the pointer.
#pragma once

#include <windows.h>

#include <vector>

#include "core/settings/twips.h"

namespace globulon {

// The rectangle covering every monitor; its corner is negative when a monitor lies left of or
// above the primary one.
PixelRect VirtualScreen();

// Every monitor's rectangle, the primary monitor first. Never empty: when the system lists none,
// the primary screen alone.
std::vector<PixelRect> MonitorRects();

// The monitor the pointer is on (the primary one when the pointer cannot be read).
PixelRect MonitorUnderPointer();

// The monitor the user looks at for a window's sake: the one most of owner lies on, else the
// pointer's.
PixelRect MonitorOfOwner(HWND owner);

}  // namespace globulon
