// Two canvases as one: every figure goes to the first, then to the second when there is one. A run
// draws on its window and lets a test record the same frames.
#pragma once

#include "core/sphere/saver_core.h"

namespace globulon {

class CanvasPair final : public SaverCanvas {
  public:
    // second may be null: the pair is then the first canvas alone.
    CanvasPair(SaverCanvas& first, SaverCanvas* second) : first_(first), second_(second) {}

    void EnterArea(const PixelRect& area) override {
        first_.EnterArea(area);
        if (second_) second_->EnterArea(area);
    }
    void LeaveArea() override {
        first_.LeaveArea();
        if (second_) second_->LeaveArea();
    }
    void SetPen(ColorValue color) override {
        first_.SetPen(color);
        if (second_) second_->SetPen(color);
    }
    void Disc(const PixelBox& box) override {
        first_.Disc(box);
        if (second_) second_->Disc(box);
    }
    void FillArea(const PixelBox& area) override {
        first_.FillArea(area);
        if (second_) second_->FillArea(area);
    }
    void MoveDot(const PixelPoint& point, ColorValue color) override {
        first_.MoveDot(point, color);
        if (second_) second_->MoveDot(point, color);
    }
    void LineTo(const PixelPoint& point) override {
        first_.LineTo(point);
        if (second_) second_->LineTo(point);
    }
    void ClearPicture() override {
        first_.ClearPicture();
        if (second_) second_->ClearPicture();
    }

  private:
    SaverCanvas& first_;
    SaverCanvas* second_;
};

}  // namespace globulon
