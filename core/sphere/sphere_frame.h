// What one frame of the sphere draws, in which order, onto any canvas: the window-free half of the
// frame loops, shared by the Windows program and the X11 program.
#pragma once

#include "core/sphere/sphere_model.h"

namespace globulon {

// Each pass of a frame loop ends with this wait: at most ten frames a second.
inline constexpr float FrameWaitSeconds = 0.1f;

// The few figures a frame needs; each platform draws them with its own calls.
class FrameCanvas {
  public:
    virtual ~FrameCanvas() = default;
    // The disc: inside filled black, outline in the pen; right and bottom excluded.
    virtual void Disc(const PixelBox& box) = 0;
    // The drawing area filled black, right and bottom excluded: what the disc draws when it
    // covers the whole area. (0, 0) is the area's own corner.
    virtual void FillArea(const PixelBox& area) = 0;
    // Moves the current position to point and sets that pixel to color.
    virtual void MoveDot(const PixelPoint& point, ColorValue color) = 0;
    // A line in the pen from the current position up to, not including, point.
    virtual void LineTo(const PixelPoint& point) = 0;
    // A rest has ended: the layered trace of the shrinking sphere goes, the background comes back.
    virtual void ClearPicture() = 0;
};

// Applies the radius rule with the clock reading now, clears the picture when a rest has just
// ended, then draws the disc and its chords, each with a dot of penColor at its start.
void DrawSphereFrame(SphereScene& scene, float now, ColorValue penColor, FrameCanvas& canvas);

}  // namespace globulon
