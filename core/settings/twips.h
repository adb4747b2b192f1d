// Form lengths are designed in twips (1/1440 inch) and windows are made in pixels: the rectangles
// of both.
#pragma once

#include <cstdint>

namespace globulon {

// Left, top, width, height in twips.
struct TwipsRect {
    std::int32_t Left = 0, Top = 0, Width = 0, Height = 0;
};
// Left, top, width, height in pixels.
struct PixelRect {
    std::int32_t Left = 0, Top = 0, Width = 0, Height = 0;
    std::int32_t Right() const { return Left + Width; }
    std::int32_t Bottom() const { return Top + Height; }
};

}  // namespace globulon
