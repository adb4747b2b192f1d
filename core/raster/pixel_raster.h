// The frame's figures drawn straight into a picture of 32-bit pixels in memory, for a front end
// with no drawing calls of its own (Wayland's shared-memory buffers): 1-pixel lines without their
// last pixel, the outlined disc and black fills, unsmoothed, as the X server and GDI draw them,
// each cut to the picture however far past it the figure reaches. It keeps the box of pixels it
// changed, which is all a compositor needs to be sent again. Window-free.
#pragma once

#include <cstdint>

#include "core/sphere/sphere_model.h"

namespace globulon {

class PixelRaster {
  public:
    // pixels: width x height values, rows stride values apart; the caller owns them.
    PixelRaster(std::uint32_t* pixels, std::int32_t width, std::int32_t height,
                std::int32_t stride);

    // Every pixel of box (right and bottom excluded) that lies in the picture.
    void FillBox(const PixelBox& box, std::uint32_t value);
    void Dot(const PixelPoint& point, std::uint32_t value);
    // The line from..to without its last pixel (nothing when from is to): each pixel the one
    // nearest the true line along the longer axis, the same pixels wherever the picture cuts it.
    void Line(const PixelPoint& from, const PixelPoint& to, std::uint32_t value);
    // The ellipse inscribed in box (right and bottom excluded): a closed 1-pixel outline, the
    // inside filled.
    void Disc(const PixelBox& box, std::uint32_t inside, std::uint32_t outline);

    // The box round every pixel written since the last call (Left == Right when none), and
    // starts a new one.
    PixelBox TakeChanged();

  private:
    void Touch(std::int32_t left, std::int32_t top, std::int32_t right, std::int32_t bottom);
    void Span(std::int32_t y, std::int64_t left, std::int64_t right, std::uint32_t value);

    std::uint32_t* pixels_;
    std::int32_t width_;
    std::int32_t height_;
    std::int32_t stride_;
    PixelBox changed_;
};

// The union of two boxes; an empty box (Left >= Right or Top >= Bottom) adds nothing.
PixelBox UnionBox(const PixelBox& a, const PixelBox& b);
bool IsEmptyBox(const PixelBox& box);

}  // namespace globulon
