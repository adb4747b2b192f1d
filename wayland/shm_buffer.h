// One picture the compositor can show: a wl_buffer over shared memory, XRGB8888, and what it
// still lacks of the output's latest picture.
#pragma once

#include <wayland-client.h>

#include <cstdint>
#include <memory>

#include "core/color_value.h"
#include "core/sphere/sphere_model.h"

namespace globulon::wayland {

// A colour as an XRGB8888 pixel. The unused top byte is all ones, as if it were an opaque alpha:
// weston 10's screenshooter (pixman renderer) hands that byte back as the pixel's alpha, so a
// picture with 0 there reads back clear.
std::uint32_t XrgbPixel(ColorValue color);

class ShmBuffer {
  public:
    // A black picture of width x height pixels; null when the memory or the buffer cannot be had.
    static std::unique_ptr<ShmBuffer> Make(wl_shm* shm, std::int32_t width, std::int32_t height);
    ~ShmBuffer();
    ShmBuffer(const ShmBuffer&) = delete;
    ShmBuffer& operator=(const ShmBuffer&) = delete;

    wl_buffer* Handle() const { return buffer_; }
    std::uint32_t* Pixels() const { return pixels_; }
    std::int32_t Width() const { return width_; }
    std::int32_t Height() const { return height_; }

    // From the commit that shows it until the compositor releases it, it must not be drawn in.
    bool Busy = false;
    // The part where it differs from the newest picture: copied over before it is drawn in.
    PixelBox Missing;

    // Copies the box from another picture of the same size.
    void CopyFrom(const ShmBuffer& other, const PixelBox& box);

  private:
    ShmBuffer() = default;

    wl_buffer* buffer_ = nullptr;
    std::uint32_t* pixels_ = nullptr;
    std::size_t bytes_ = 0;
    std::int32_t width_ = 0;
    std::int32_t height_ = 0;
};

}  // namespace globulon::wayland
