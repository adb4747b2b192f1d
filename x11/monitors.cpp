// The monitors of the root window; see monitors.h.
#include "x11/monitors.h"

#include <X11/extensions/Xinerama.h>

#include <algorithm>

namespace globulon::x11 {

std::vector<PixelRect> RootMonitors(Display* display, int width, int height) {
    std::vector<PixelRect> monitors;
    int count = 0;
    XineramaScreenInfo* screens =
        XineramaIsActive(display) ? XineramaQueryScreens(display, &count) : nullptr;
    for (int index = 0; index < count; ++index) {
        const PixelRect monitor = {screens[index].x_org, screens[index].y_org, screens[index].width,
                                   screens[index].height};
        // A mirrored monitor shows the same part of the root: one sphere there is enough.
        const bool seen = std::ranges::any_of(monitors, [&](const PixelRect& other) {
            return other.Left == monitor.Left && other.Top == monitor.Top &&
                   other.Width == monitor.Width && other.Height == monitor.Height;
        });
        if (!seen && monitor.Width > 0 && monitor.Height > 0) monitors.push_back(monitor);
    }
    if (screens) XFree(screens);
    if (monitors.empty()) monitors.push_back({0, 0, width, height});
    return monitors;
}

}  // namespace globulon::x11
