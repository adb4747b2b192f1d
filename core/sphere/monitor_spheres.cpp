// Spheres per monitor; see monitor_spheres.h.
#include "core/sphere/monitor_spheres.h"

namespace globulon {

std::vector<MonitorSphere> SpheresForMonitors(const SphereScene& settings,
                                              const std::vector<PixelRect>& monitors,
                                              std::int32_t originX, std::int32_t originY) {
    std::vector<MonitorSphere> spheres;
    for (const PixelRect& monitor : monitors) {
        MonitorSphere sphere{
            {monitor.Left - originX, monitor.Top - originY, monitor.Width, monitor.Height},
            settings};
        // Each starts a fresh cycle, also when the monitors change while the saver runs.
        sphere.Scene.Pausing = false;
        SetFullScreenParameters(sphere.Scene);
        SetFullScreenCentre(sphere.Scene, monitor.Width, monitor.Height);
        spheres.push_back(sphere);
    }
    return spheres;
}

}  // namespace globulon
