// Lines cut to a box before they reach Xlib, whose protocol carries coordinates in 16 bits: the
// sphere's chords reach far past any window, and a coordinate beyond ±32767 would wrap round
// into a stray line. Window-free.
#pragma once

#include "core/sphere/sphere_model.h"

namespace globulon::x11 {

// Cuts the line from..to to the part inside box (edges included), rounding the new ends to
// whole pixels. False when no part of it lies inside; from and to then stay as they were. A
// line wholly inside is left exactly as it is.
bool ClipLine(PixelPoint& from, PixelPoint& to, const PixelBox& box);

}  // namespace globulon::x11
