// The frame's figures drawn into the outputs' pictures; see shm_canvas.h.
#include "wayland/shm_canvas.h"

#include "wayland/shm_buffer.h"

namespace globulon::wayland {
namespace {

const std::uint32_t BlackPixel = XrgbPixel(MakeColor(0, 0, 0));

}  // namespace

ShmCanvas::ShmCanvas(std::vector<std::unique_ptr<OutputSurface>>& outputs, ColorValue penColor)
    : outputs_(outputs), pen_(XrgbPixel(penColor)) {}

void ShmCanvas::EnterArea(const PixelRect& area) {
    output_ = nullptr;
    raster_.reset();
    for (const std::unique_ptr<OutputSurface>& output : outputs_) {
        if (output->Area.Left == area.Left && output->Area.Width == area.Width &&
            output->Area.Height == area.Height && output->HasPicture()) {
            output_ = output.get();
        }
    }
    if (!output_) return;
    if (std::uint32_t* pixels = output_->BeginFrame()) {
        raster_.emplace(pixels, output_->Width(), output_->Height(), output_->Width());
    }
}

void ShmCanvas::LeaveArea() {
    if (output_ && raster_) output_->EndFrame(raster_->TakeChanged());
    raster_.reset();
    output_ = nullptr;
}

void ShmCanvas::SetPen(ColorValue color) {
    pen_ = XrgbPixel(color);
}

void ShmCanvas::Disc(const PixelBox& box) {
    if (raster_) raster_->Disc(box, BlackPixel, pen_);
}

void ShmCanvas::FillArea(const PixelBox& area) {
    if (raster_) raster_->FillBox(area, BlackPixel);
}

void ShmCanvas::MoveDot(const PixelPoint& point, ColorValue color) {
    // The dots are drawn in the pen's colour: the frame gives both the same.
    SetPen(color);
    position_ = point;
    if (raster_) raster_->Dot(point, pen_);
}

void ShmCanvas::LineTo(const PixelPoint& point) {
    if (raster_) raster_->Line(position_, point, pen_);
    position_ = point;
}

void ShmCanvas::ClearPicture() {
    if (raster_) raster_->FillBox({0, 0, output_->Width(), output_->Height()}, BlackPixel);
}

}  // namespace globulon::wayland
