// Lines cut to a box; see line_clip.h.
#include "x11/line_clip.h"

#include <algorithm>
#include <cmath>

namespace globulon::x11 {
namespace {

bool Inside(const PixelPoint& point, const PixelBox& box) {
    return point.X >= box.Left && point.X <= box.Right && point.Y >= box.Top &&
           point.Y <= box.Bottom;
}

}  // namespace

bool ClipLine(PixelPoint& from, PixelPoint& to, const PixelBox& box) {
    if (Inside(from, box) && Inside(to, box)) return true;
    // Liang-Barsky: the line is from + t * (to - from) for t in [0, 1]; each edge narrows the
    // range of t that lies inside.
    const double dx = static_cast<double>(to.X) - from.X;
    const double dy = static_cast<double>(to.Y) - from.Y;
    double enter = 0.0;
    double leave = 1.0;
    const double steps[4] = {-dx, dx, -dy, dy};
    const double room[4] = {
        static_cast<double>(from.X) - box.Left, static_cast<double>(box.Right) - from.X,
        static_cast<double>(from.Y) - box.Top, static_cast<double>(box.Bottom) - from.Y};
    for (int edge = 0; edge < 4; ++edge) {
        if (steps[edge] == 0.0) {
            if (room[edge] < 0.0) return false;  // parallel to this edge and outside it
            continue;
        }
        const double t = room[edge] / steps[edge];
        if (steps[edge] < 0.0) {
            enter = std::max(enter, t);
        } else {
            leave = std::min(leave, t);
        }
    }
    if (enter > leave) return false;
    // Rounding keeps the ends inside: the box's edges are whole pixels.
    const auto at = [&](double t) {
        return PixelPoint{static_cast<std::int32_t>(std::lround(from.X + t * dx)),
                          static_cast<std::int32_t>(std::lround(from.Y + t * dy))};
    };
    const PixelPoint clippedFrom = at(enter);
    to = at(leave);
    from = clippedFrom;
    return true;
}

}  // namespace globulon::x11
