// Form lengths are designed in twips (1/1440 inch) and windows are made in pixels; the screen's
// twips per pixel converts one into the other.
#pragma once

#include <cstdint>

namespace globulon {

// Twips per pixel on a 96-dots-per-inch screen, used while the screen's own value is unknown.
inline constexpr std::int16_t DefaultTwipsPerPixel = 15;

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

// Twips to pixels, truncating; a twips-per-pixel value of 0 or less counts as the default.
std::int32_t TwipsToPixels(std::int32_t twips, std::int32_t twipsPerPixel);
PixelRect TwipsToPixels(const TwipsRect& rect, std::int32_t twipsPerPixelX,
                        std::int32_t twipsPerPixelY);

}  // namespace globulon
