// One sphere per monitor: each monitor gets a sphere of its own, centred on it and sized from it
// exactly as a single screen of that size would be, running its own cycle. Window-free.
#pragma once

#include <cstdint>
#include <vector>

#include "core/pixel_rect.h"
#include "core/sphere/sphere_model.h"

namespace globulon {

struct MonitorSphere {
    PixelRect Area;     // the monitor, in pixels of the drawing area (the saver window's client)
    SphereScene Scene;  // the sphere, in the monitor's own coordinates
};

// A sphere for each monitor (screen pixels), the first monitor's first. settings carries what
// every sphere shares (pi, rim points, twips per pixel, colours, background); origin is the
// drawing area's top-left corner in screen pixels.
std::vector<MonitorSphere> SpheresForMonitors(const SphereScene& settings,
                                              const std::vector<PixelRect>& monitors,
                                              std::int32_t originX, std::int32_t originY);

}  // namespace globulon
