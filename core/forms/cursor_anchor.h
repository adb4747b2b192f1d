// When a mouse movement counts: the resting mouse jitters, so only a move of more than
// CursorJitterPixels from a reference position ends the saver.
#pragma once

#include <cstdint>

namespace globulon {

// A cursor position in screen pixels.
struct ScreenPoint {
    std::int32_t X = 0;
    std::int32_t Y = 0;
};

// Drift per axis, in pixels, that is still taken for a resting mouse (bounds inclusive).
inline constexpr std::int32_t CursorJitterPixels = 2;

// True when position lies within CursorJitterPixels of anchor in both axes.
bool WithinCursorJitter(ScreenPoint anchor, ScreenPoint position);

enum class CursorMove {
    AnchorTaken,  // no reference yet: position became the reference
    Jitter,       // within the jitter of the reference, which stays where it was
    RealMove,     // beyond it: the reference is dropped, the next move takes a new one
};

// Judges one mouse move at position against the reference (hasAnchor, anchor) and updates it.
// Ignored moves leave the reference alone, so slow creeping adds up until it counts.
CursorMove JudgeCursorMove(bool& hasAnchor, ScreenPoint& anchor, ScreenPoint position);

}  // namespace globulon
