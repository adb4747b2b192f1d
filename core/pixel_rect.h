// A rectangle in pixels: a monitor, a window's client area, a sphere's drawing area.
#pragma once

#include <cstdint>

namespace globulon {

// Left, top, width, height in pixels.
struct PixelRect {
    std::int32_t Left = 0, Top = 0, Width = 0, Height = 0;
    std::int32_t Right() const { return Left + Width; }
    std::int32_t Bottom() const { return Top + Height; }
};

}  // namespace globulon
