// The running saver without a window: a sphere per monitor, the one pen colour they all draw
// with and when it last changed, and the step every frame loop takes. Window-free.
#pragma once

#include <cstdint>
#include <functional>
#include <vector>

#include "core/pixel_rect.h"
#include "core/sphere/monitor_spheres.h"
#include "core/sphere/sphere_frame.h"

namespace globulon {

// Where the core draws: the frame's figures, each sphere's in its own area, and the pen.
class SaverCanvas : public FrameCanvas {
  public:
    // The next figures are the sphere's of this area, with the area's corner as (0, 0), and go
    // nowhere else until LeaveArea.
    virtual void EnterArea(const PixelRect& area) = 0;
    virtual void LeaveArea() = 0;
    // The pen has a new colour: the chords from now on are drawn in it.
    virtual void SetPen(ColorValue color) = 0;
};

// How often random colours change: the full-screen pace (quicker during the final slow shrink)
// or the preview's.
enum class ColorPace { FullScreen, Preview };

// The pen is the core's alone: a sphere's own PenColor is only the setting it was made from.
class SaverCore {
  public:
    SaverCore() = default;
    // The pen starts as the first sphere's colour. uniform: the random source of the colours.
    SaverCore(std::vector<MonitorSphere> spheres, ColorPace pace, std::function<float()> uniform);

    // One frame at clock reading now (seconds since midnight): each sphere's rim turns and its
    // frame is drawn in its area, then a due colour change is made and the canvas told of it.
    void Tick(float now, SaverCanvas& canvas);

    // The monitors have changed: a sphere for each, starting a fresh cycle from the first
    // sphere's state (see SpheresForMonitors). An empty list leaves the spheres as they are.
    void LayOut(const std::vector<PixelRect>& monitors, std::int32_t originX, std::int32_t originY);

    const std::vector<MonitorSphere>& Spheres() const { return spheres_; }
    ColorValue PenColor() const { return penColor_; }

  private:
    std::vector<MonitorSphere> spheres_;
    ColorPace pace_ = ColorPace::FullScreen;
    std::function<float()> uniform_;
    ColorValue penColor_ = 0;
    // The first change is due at once: the clock is past 0 + interval.
    float lastColorChange_ = 0;
};

}  // namespace globulon
