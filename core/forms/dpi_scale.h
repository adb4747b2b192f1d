// Forms are designed in twips and points; a monitor shows them in pixels at its own DPI (dots
// per inch). These conversions take the DPI of the monitor a form is on.
#pragma once

#include <cstdint>

#include "core/settings/twips.h"

namespace globulon {

// The DPI of a screen at 100% scale; also what an unknown DPI (0 or less) counts as.
inline constexpr std::int32_t StandardDpi = 96;

// Twips (1/1440 inch) to pixels at dpi, truncating, as TwipsToPixels does at 15 twips a pixel.
std::int32_t TwipsToPixelsAtDpi(std::int32_t twips, std::int32_t dpi);
PixelRect TwipsToPixelsAtDpi(const TwipsRect& rect, std::int32_t dpi);

// A length drawn for 96 DPI (a system metric, a margin in pixels) at dpi, to the nearest pixel.
std::int32_t ScaleToDpi(std::int32_t pixelsAt96, std::int32_t dpi);

// The character height of a font of the given size at dpi, as a negative pixel count (what font
// requests take), rounded to the nearest pixel, halves to even.
std::int32_t FontHeightAtDpi(double points, std::int32_t dpi);

}  // namespace globulon
