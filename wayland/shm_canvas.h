// The frame's figures drawn into the outputs' pictures: each sphere's area is one output, whose
// picture for this frame the core's raster draws in; the changed box goes with the picture.
#pragma once

#include <memory>
#include <optional>
#include <vector>

#include "core/raster/pixel_raster.h"
#include "core/sphere/saver_core.h"
#include "wayland/output_surface.h"

namespace globulon::wayland {

class ShmCanvas final : public SaverCanvas {
  public:
    ShmCanvas(std::vector<std::unique_ptr<OutputSurface>>& outputs, ColorValue penColor);

    void EnterArea(const PixelRect& area) override;
    void LeaveArea() override;
    void SetPen(ColorValue color) override;

    void Disc(const PixelBox& box) override;
    void FillArea(const PixelBox& area) override;
    void MoveDot(const PixelPoint& point, ColorValue color) override;
    void LineTo(const PixelPoint& point) override;
    void ClearPicture() override;

  private:
    std::vector<std::unique_ptr<OutputSurface>>& outputs_;
    std::uint32_t pen_;
    OutputSurface* output_ = nullptr;    // the area's output, while one is entered
    std::optional<PixelRaster> raster_;  // its picture, when there is one to draw in
    PixelPoint position_;
};

}  // namespace globulon::wayland
