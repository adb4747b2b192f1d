// Twips-to-pixel conversions; see twips.h.
#include "core/settings/twips.h"

namespace globulon {

std::int32_t TwipsToPixels(std::int32_t twips, std::int32_t twipsPerPixel) {
    return twips / (twipsPerPixel > 0 ? twipsPerPixel : DefaultTwipsPerPixel);
}

PixelRect TwipsToPixels(const TwipsRect& rect, std::int32_t twipsPerPixelX,
                        std::int32_t twipsPerPixelY) {
    return {TwipsToPixels(rect.Left, twipsPerPixelX), TwipsToPixels(rect.Top, twipsPerPixelY),
            TwipsToPixels(rect.Width, twipsPerPixelX), TwipsToPixels(rect.Height, twipsPerPixelY)};
}

}  // namespace globulon
