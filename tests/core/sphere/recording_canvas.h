// A saver canvas that notes what the core draws on it: the areas entered, the pens set, and per
// area the discs and the colour of every dot. Tests of the core and of the runs watch the frames
// through it. Window-free.
#pragma once

#include <gtest/gtest.h>

#include <vector>

#include "core/front_end.h"

namespace globulon::testing {

class RecordingCanvas final : public SaverCanvas {
  public:
    void EnterArea(const PixelRect& area) override {
        EXPECT_FALSE(inArea_);
        inArea_ = true;
        areas.push_back(area);
        discs.emplace_back();
        dotColors.emplace_back();
    }
    void LeaveArea() override {
        EXPECT_TRUE(inArea_);
        inArea_ = false;
    }
    void SetPen(ColorValue color) override {
        EXPECT_FALSE(inArea_);
        pens.push_back(color);
    }
    void Disc(const PixelBox& box) override {
        EXPECT_TRUE(inArea_);
        if (inArea_) discs.back().push_back(box);
    }
    void FillArea(const PixelBox&) override { EXPECT_TRUE(inArea_); }
    void MoveDot(const PixelPoint&, ColorValue color) override {
        EXPECT_TRUE(inArea_);
        if (inArea_) dotColors.back().push_back(color);
    }
    void LineTo(const PixelPoint&) override { EXPECT_TRUE(inArea_); }
    void ClearPicture() override { EXPECT_TRUE(inArea_); }

    // Areas entered so far: with one sphere, the frames drawn.
    int AreasEntered() const { return static_cast<int>(areas.size()); }

    std::vector<PixelRect> areas;
    std::vector<ColorValue> pens;
    std::vector<std::vector<PixelBox>> discs;        // per area entered
    std::vector<std::vector<ColorValue>> dotColors;  // per area entered

  private:
    bool inArea_ = false;
};

}  // namespace globulon::testing
