// A colour as every part of the program passes it: the pen, the settings, the canvas.
#pragma once

#include <cstdint>

namespace globulon {

// Red in the low byte, then green, then blue (the COLORREF layout).
using ColorValue = std::uint32_t;

inline constexpr ColorValue MakeColor(int red, int green, int blue) {
    return static_cast<ColorValue>(red) | (static_cast<ColorValue>(green) << 8) |
           (static_cast<ColorValue>(blue) << 16);
}

}  // namespace globulon
