// Design-to-pixel conversions of the About box; see about_layout.h.
#include "about/about_layout.h"

#include "base/rounding.h"

namespace globulon {
namespace {

std::int32_t EffectiveTwipsPerPixel(std::int32_t twipsPerPixel) {
    // Start-up stores the screen's value; before that (or in a test) it is 0.
    return twipsPerPixel > 0 ? twipsPerPixel : DefaultTwipsPerPixel;
}

}  // namespace

std::int32_t FontPixelHeight(double points, std::int32_t twipsPerPixelY) {
    // A point is 20 twips.
    return -Rnd(points * 20.0 / EffectiveTwipsPerPixel(twipsPerPixelY));
}

std::int32_t LinkTopOnLine(std::int32_t textTop, std::int32_t lineHeight, int line,
                           std::int32_t textAscent, std::int32_t linkAscent) {
    return textTop + (line - 1) * lineHeight + (textAscent - linkAscent);
}

std::int32_t CentredOffset(std::int32_t outer, std::int32_t inner) {
    return (outer - inner) / 2;
}

}  // namespace globulon
