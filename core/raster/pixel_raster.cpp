// Figures drawn into a picture in memory; see pixel_raster.h.
#include "core/raster/pixel_raster.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace globulon {
namespace {

// Division rounding towards minus infinity (C++ rounds towards zero).
std::int64_t FloorDiv(std::int64_t numerator, std::int64_t denominator) {
    const std::int64_t quotient = numerator / denominator;
    return (numerator % denominator != 0 && (numerator < 0) != (denominator < 0)) ? quotient - 1
                                                                                  : quotient;
}

// The ellipse's left edge on row y, or nothing when the row misses it. The centre and half
// axes are in pixel centres: the box's first and last pixels are the ellipse's extremes.
struct Ellipse {
    double CentreX, CentreY, HalfWidth, HalfHeight;
    std::int64_t MirrorSum;  // left + right of every row: the shape is symmetric

    bool Row(std::int64_t y, std::int64_t& left) const {
        const double dy = static_cast<double>(y) - CentreY;
        if (std::abs(dy) > HalfHeight) return false;
        const double ratio = HalfHeight > 0 ? dy / HalfHeight : 0.0;
        const double half = HalfWidth * std::sqrt(std::max(0.0, 1.0 - ratio * ratio));
        left = static_cast<std::int64_t>(std::floor(CentreX - half + 0.5));
        return true;
    }
};

}  // namespace

PixelBox UnionBox(const PixelBox& a, const PixelBox& b) {
    if (IsEmptyBox(a)) return b;
    if (IsEmptyBox(b)) return a;
    return {std::min(a.Left, b.Left), std::min(a.Top, b.Top), std::max(a.Right, b.Right),
            std::max(a.Bottom, b.Bottom)};
}

bool IsEmptyBox(const PixelBox& box) {
    return box.Left >= box.Right || box.Top >= box.Bottom;
}

PixelRaster::PixelRaster(std::uint32_t* pixels, std::int32_t width, std::int32_t height,
                         std::int32_t stride)
    : pixels_(pixels), width_(std::max(0, width)), height_(std::max(0, height)), stride_(stride) {}

void PixelRaster::Touch(std::int32_t left, std::int32_t top, std::int32_t right,
                        std::int32_t bottom) {
    changed_ = UnionBox(changed_, {left, top, right, bottom});
}

void PixelRaster::Span(std::int32_t y, std::int64_t left, std::int64_t right, std::uint32_t value) {
    const auto from = static_cast<std::int32_t>(std::max<std::int64_t>(left, 0));
    const auto to = static_cast<std::int32_t>(std::min<std::int64_t>(right, width_ - 1));
    if (y < 0 || y >= height_ || from > to) return;
    std::fill(pixels_ + static_cast<std::ptrdiff_t>(y) * stride_ + from,
              pixels_ + static_cast<std::ptrdiff_t>(y) * stride_ + to + 1, value);
    Touch(from, y, to + 1, y + 1);
}

void PixelRaster::FillBox(const PixelBox& box, std::uint32_t value) {
    const std::int32_t top = std::max(box.Top, 0);
    const std::int32_t bottom = std::min(box.Bottom, height_);
    for (std::int32_t y = top; y < bottom; ++y)
        Span(y, box.Left, std::int64_t{box.Right} - 1, value);
}

void PixelRaster::Dot(const PixelPoint& point, std::uint32_t value) {
    Span(point.Y, point.X, point.X, value);
}

void PixelRaster::Line(const PixelPoint& from, const PixelPoint& to, std::uint32_t value) {
    const std::int64_t dx = std::int64_t{to.X} - from.X;
    const std::int64_t dy = std::int64_t{to.Y} - from.Y;
    const bool alongX = std::llabs(dx) >= std::llabs(dy);
    const std::int64_t steps = alongX ? std::llabs(dx) : std::llabs(dy);
    if (steps == 0) return;
    // Step i lies at start + i on the long axis and start + round(i * slope) on the short one.
    const std::int64_t longStart = alongX ? from.X : from.Y;
    const std::int64_t shortStart = alongX ? from.Y : from.X;
    const std::int64_t longSign = (alongX ? dx : dy) > 0 ? 1 : -1;
    const std::int64_t shortDelta = alongX ? dy : dx;
    const std::int64_t longLimit = alongX ? width_ : height_;
    const std::int64_t shortLimit = alongX ? height_ : width_;
    // Only the steps whose long coordinate lies in the picture: at most a row's or column's worth.
    std::int64_t first = longSign > 0 ? -longStart : longStart - (longLimit - 1);
    std::int64_t last = longSign > 0 ? longLimit - 1 - longStart : longStart;
    first = std::max<std::int64_t>(first, 0);
    last = std::min(last, steps - 1);
    for (std::int64_t i = first; i <= last; ++i) {
        const std::int64_t along = longStart + i * longSign;
        const std::int64_t across = shortStart + FloorDiv(2 * i * shortDelta + steps, 2 * steps);
        if (across < 0 || across >= shortLimit) continue;
        const auto x = static_cast<std::int32_t>(alongX ? along : across);
        const auto y = static_cast<std::int32_t>(alongX ? across : along);
        pixels_[static_cast<std::ptrdiff_t>(y) * stride_ + x] = value;
        Touch(x, y, x + 1, y + 1);
    }
}

void PixelRaster::Disc(const PixelBox& box, std::uint32_t inside, std::uint32_t outline) {
    if (IsEmptyBox(box)) return;
    const std::int64_t lastX = std::int64_t{box.Right} - 1;
    const std::int64_t lastY = std::int64_t{box.Bottom} - 1;
    const Ellipse shape{(box.Left + lastX) / 2.0, (box.Top + lastY) / 2.0, (lastX - box.Left) / 2.0,
                        (lastY - box.Top) / 2.0, box.Left + lastX};
    const std::int64_t top = std::max<std::int64_t>(box.Top, 0);
    const std::int64_t bottom = std::min<std::int64_t>(lastY, height_ - 1);
    for (std::int64_t y = top; y <= bottom; ++y) {
        std::int64_t left = 0;
        if (!shape.Row(y, left)) continue;
        const std::int64_t right = shape.MirrorSum - left;
        // The outline runs on along this row until it meets the next row's edge, so that it
        // stays closed where the curve is flat; a row with no row beyond it is outline only.
        std::int64_t outlineEnd = left;
        for (const std::int64_t next : {y - 1, y + 1}) {
            std::int64_t nextLeft = 0;
            outlineEnd = std::max(outlineEnd, shape.Row(next, nextLeft) ? nextLeft - 1 : right);
        }
        outlineEnd = std::min(outlineEnd, right);
        const auto row = static_cast<std::int32_t>(y);
        const std::int64_t mirrorEnd = shape.MirrorSum - outlineEnd;
        Span(row, left, outlineEnd, outline);
        Span(row, mirrorEnd, right, outline);
        if (outlineEnd + 1 <= mirrorEnd - 1) Span(row, outlineEnd + 1, mirrorEnd - 1, inside);
    }
}

PixelBox PixelRaster::TakeChanged() {
    const PixelBox changed = changed_;
    changed_ = {};
    return changed;
}

}  // namespace globulon
