// Form lengths are designed in twips (1/1440 inch) and windows are made in pixels: the rectangles
// of both (the pixels' in core/pixel_rect.h, which front ends take without the twips).
#pragma once

#include <cstdint>

#include "core/pixel_rect.h"

namespace globulon {

// Left, top, width, height in twips.
struct TwipsRect {
    std::int32_t Left = 0, Top = 0, Width = 0, Height = 0;
};

}  // namespace globulon
