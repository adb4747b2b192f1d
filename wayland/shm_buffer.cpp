// A picture in shared memory; see shm_buffer.h.
#include "wayland/shm_buffer.h"

#include <sys/mman.h>
#include <unistd.h>

#include <algorithm>
#include <cstring>

#include "core/raster/pixel_raster.h"

namespace globulon::wayland {
namespace {

void OnRelease(void* data, wl_buffer*) {
    static_cast<ShmBuffer*>(data)->Busy = false;
}
constexpr wl_buffer_listener ReleaseListener = {OnRelease};

}  // namespace

std::uint32_t XrgbPixel(ColorValue color) {
    return 0xFF000000 | ((color & 0xFF) << 16) | (color & 0xFF00) | ((color >> 16) & 0xFF);
}

std::unique_ptr<ShmBuffer> ShmBuffer::Make(wl_shm* shm, std::int32_t width, std::int32_t height) {
    if (width <= 0 || height <= 0 || width > 32768 || height > 32768) return nullptr;
    std::unique_ptr<ShmBuffer> made(new ShmBuffer);
    made->width_ = width;
    made->height_ = height;
    made->bytes_ = static_cast<std::size_t>(width) * static_cast<std::size_t>(height) * 4;
    const int file = memfd_create("globulon-picture", MFD_CLOEXEC);
    if (file < 0) return nullptr;
    void* mapped = MAP_FAILED;
    if (ftruncate(file, static_cast<off_t>(made->bytes_)) == 0) {
        mapped = mmap(nullptr, made->bytes_, PROT_READ | PROT_WRITE, MAP_SHARED, file, 0);
    }
    if (mapped == MAP_FAILED) {
        close(file);
        return nullptr;
    }
    made->pixels_ = static_cast<std::uint32_t*>(mapped);
    std::fill_n(made->pixels_, made->bytes_ / 4, XrgbPixel(MakeColor(0, 0, 0)));
    wl_shm_pool* pool = wl_shm_create_pool(shm, file, static_cast<std::int32_t>(made->bytes_));
    made->buffer_ =
        wl_shm_pool_create_buffer(pool, 0, width, height, width * 4, WL_SHM_FORMAT_XRGB8888);
    wl_shm_pool_destroy(pool);
    close(file);
    if (!made->buffer_) return nullptr;
    wl_buffer_add_listener(made->buffer_, &ReleaseListener, made.get());
    return made;
}

ShmBuffer::~ShmBuffer() {
    if (buffer_) wl_buffer_destroy(buffer_);
    if (pixels_) munmap(pixels_, bytes_);
}

void ShmBuffer::CopyFrom(const ShmBuffer& other, const PixelBox& box) {
    const std::int32_t left = std::max(box.Left, 0);
    const std::int32_t right = std::min({box.Right, width_, other.width_});
    const std::int32_t top = std::max(box.Top, 0);
    const std::int32_t bottom = std::min({box.Bottom, height_, other.height_});
    if (left >= right) return;
    for (std::int32_t y = top; y < bottom; ++y) {
        std::memcpy(pixels_ + static_cast<std::ptrdiff_t>(y) * width_ + left,
                    other.pixels_ + static_cast<std::ptrdiff_t>(y) * other.width_ + left,
                    static_cast<std::size_t>(right - left) * 4);
    }
}

}  // namespace globulon::wayland
