// Design-to-pixel conversions at a monitor's DPI; see dpi_scale.h.
#include "core/forms/dpi_scale.h"

#include <algorithm>
#include <limits>

#include "core/settings/rounding.h"

namespace globulon {
namespace {

constexpr std::int64_t TwipsPerInch = 1440;
constexpr double PointsPerInch = 72.0;

std::int64_t EffectiveDpi(std::int32_t dpi) {
    return dpi > 0 ? dpi : StandardDpi;
}

std::int32_t Saturated(std::int64_t value) {
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(
        value, std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max()));
}

}  // namespace

std::int32_t TwipsToPixelsAtDpi(std::int32_t twips, std::int32_t dpi) {
    // Whole products first: 96 DPI gives exactly twips / 15, 120 twips / 12, 144 twips / 10.
    return Saturated(twips * EffectiveDpi(dpi) / TwipsPerInch);
}

PixelRect TwipsToPixelsAtDpi(const TwipsRect& rect, std::int32_t dpi) {
    return {TwipsToPixelsAtDpi(rect.Left, dpi), TwipsToPixelsAtDpi(rect.Top, dpi),
            TwipsToPixelsAtDpi(rect.Width, dpi), TwipsToPixelsAtDpi(rect.Height, dpi)};
}

std::int32_t ScaleToDpi(std::int32_t pixelsAt96, std::int32_t dpi) {
    return Rnd(static_cast<double>(pixelsAt96) * static_cast<double>(EffectiveDpi(dpi)) /
               StandardDpi);
}

std::int32_t FontHeightAtDpi(double points, std::int32_t dpi) {
    return -Rnd(points * static_cast<double>(EffectiveDpi(dpi)) / PointsPerInch);
}

}  // namespace globulon
