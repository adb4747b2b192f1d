// The mouse-movement rule of the full-screen saver; see cursor_anchor.h.
#include "core/forms/cursor_anchor.h"

namespace globulon {
namespace {

// Distance along one axis, in 64 bits so that positions near the ends of the range cannot
// overflow.
std::int64_t AxisDistance(std::int32_t from, std::int32_t to) {
    const std::int64_t d = static_cast<std::int64_t>(to) - static_cast<std::int64_t>(from);
    return d < 0 ? -d : d;
}

}  // namespace

bool WithinCursorJitter(ScreenPoint anchor, ScreenPoint position) {
    return AxisDistance(anchor.X, position.X) <= CursorJitterPixels &&
           AxisDistance(anchor.Y, position.Y) <= CursorJitterPixels;
}

CursorMove JudgeCursorMove(bool& hasAnchor, ScreenPoint& anchor, ScreenPoint position) {
    if (!hasAnchor) {
        anchor = position;
        hasAnchor = true;
        return CursorMove::AnchorTaken;
    }
    if (WithinCursorJitter(anchor, position)) return CursorMove::Jitter;
    // The anchor keeps its value; the next move overwrites it.
    hasAnchor = false;
    return CursorMove::RealMove;
}

}  // namespace globulon
