// The running saver without a window; see saver_core.h.
#include "core/sphere/saver_core.h"

#include <utility>

namespace globulon {

SaverCore::SaverCore(std::vector<MonitorSphere> spheres, ColorPace pace,
                     std::function<float()> uniform)
    : spheres_(std::move(spheres)), pace_(pace), uniform_(std::move(uniform)) {
    if (!spheres_.empty()) penColor_ = spheres_.front().Scene.PenColor;
}

void SaverCore::Tick(float now, SaverCanvas& canvas) {
    if (spheres_.empty()) return;
    for (MonitorSphere& sphere : spheres_) {
        canvas.EnterArea(sphere.Area);
        BuildRim(sphere.Scene);
        DrawSphereFrame(sphere.Scene, now, penColor_, canvas);
        canvas.LeaveArea();
    }
    // The first sphere times the changes for all.
    const SphereScene& lead = spheres_.front().Scene;
    const double interval =
        pace_ == ColorPace::Preview ? PreviewColorInterval : FullScreenColorIntervalFor(lead);
    if (!ColorChangeDue(lead, lastColorChange_, interval, now)) return;
    penColor_ = PickColor(uniform_);
    lastColorChange_ = now;
    canvas.SetPen(penColor_);
}

void SaverCore::LayOut(const std::vector<PixelRect>& monitors, std::int32_t originX,
                       std::int32_t originY) {
    if (monitors.empty() || spheres_.empty()) return;
    spheres_ = SpheresForMonitors(spheres_.front().Scene, monitors, originX, originY);
}

}  // namespace globulon
