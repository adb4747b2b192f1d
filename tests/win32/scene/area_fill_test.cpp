// The area fill that stands in for a disc covering the whole area: the very same pixels as the
// disc, frame by frame over a whole cycle and radius by radius across the point where it starts.
#include <gtest/gtest.h>
#include <windows.h>

#include "tests/win32/scene/scene_window.h"
#include "tests/win32/scene/test_canvas.h"
#include "tests/win32/scene/test_scene.h"
#include "win32/scene/gdi_canvas.h"
#include "win32/scene/graphics_layer.h"

namespace globulon {
namespace {

using testing::ActiveRun;
using testing::TestRun;

constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kPen = RGB(0, 255, 0);

// The frame as it was before the fill: the disc always drawn as an ellipse, in the context's
// own black brush and pen.
class EllipseOnlyCanvas final : public FrameCanvas {
  public:
    EllipseOnlyCanvas(const SphereScene& scene, HDC hDC) : scene_(scene), hDC_(hDC) {}
    void Disc(const PixelBox& box) override {
        GfxEllipse(hDC_, box.Left, box.Top, box.Right, box.Bottom);
    }
    void FillArea(const PixelBox&) override { Disc(DiscBox(scene_)); }
    void MoveDot(const PixelPoint& point, ColorValue color) override {
        GfxMoveDot(hDC_, point.X, point.Y, color);
    }
    void LineTo(const PixelPoint& point) override { GfxLineTo(hDC_, point.X, point.Y); }
    void ClearPicture() override {}  // the test window's repaint leaves the memory picture alone

  private:
    const SphereScene& scene_;
    HDC hDC_;
};

// Two pictures of the area: the real frame (with the fill) in one, the ellipse-only frame of an
// identical scene in the other.
class AreaFillTest : public ::testing::TestWithParam<std::pair<int, int>> {
  protected:
    void SetUp() override {
        SphereScene& scene = testing::ResetTestScene(kPen);
        testing::CentreFullScreenScene(scene, Width(), Height());
        ASSERT_TRUE(filled_.Ready() && drawn_.Ready());
        layer_.Select(filled_.Dc(), 0, kPen, 1);
        pen_ = CreatePen(PS_SOLID, 1, kPen);
        oldPen_ = SelectObject(drawn_.Dc(), pen_);
        oldBrush_ = SelectObject(drawn_.Dc(), GetStockObject(BLACK_BRUSH));
    }
    void TearDown() override {
        SelectObject(drawn_.Dc(), oldBrush_);
        SelectObject(drawn_.Dc(), oldPen_);
        DeleteObject(pen_);
        layer_.Restore();
        ActiveRun() = TestRun();
    }
    static int Width() { return GetParam().first; }
    static int Height() { return GetParam().second; }

    // One frame of the scene into both pictures, each from the same scene state.
    void DrawBoth(SphereScene& scene) {
        BuildRim(scene);
        SphereScene twin = scene;
        testing::DrawTestFrame(scene, FrameTarget::SaverWindow, window_.Hwnd(), layer_);
        EllipseOnlyCanvas canvas(twin, drawn_.Dc());
        DrawSphereFrame(twin, 1000.0f, twin.PenColor, canvas);
        ASSERT_EQ(scene.Radius, twin.Radius);
    }

    TestCanvas filled_{Width(), Height()};
    TestCanvas drawn_{Width(), Height()};
    SceneWindow window_{Width(), Height()};
    GraphicsLayer layer_;  // selected into filled_, so it goes first
    HPEN pen_ = nullptr;
    HGDIOBJ oldPen_ = nullptr;
    HGDIOBJ oldBrush_ = nullptr;
};

TEST_P(AreaFillTest, AWholeCycleLooksTheSameFrameByFrame) {
    SphereScene& scene = ActiveRun().Scene;
    int frames = 0, filledFrames = 0;
    // Growth, turn and shrink, into the rest: the fill's frames and the trace the shrinking
    // sphere leaves behind.
    while (!scene.Pausing) {
        filledFrames += DiscCoversArea(scene);
        DrawBoth(scene);
        ASSERT_EQ(filled_.Differences(drawn_), 0)
            << "frame " << frames << ", radius " << scene.Radius;
        ++frames;
        ASSERT_LT(frames, 5000) << "the cycle did not reach its rest";
    }
    EXPECT_GT(filledFrames, 20);  // the fill was used, not just the ellipse
    EXPECT_GT(filled_.Count(kPen), 0);
}

TEST_P(AreaFillTest, EveryRadiusAroundTheStartOfTheFillLooksTheSame) {
    // Radius by radius, in twips, from 8 pixels before to 8 pixels after the first filled one.
    SphereScene& scene = ActiveRun().Scene;
    int first = scene.Radius;
    while (!DiscCoversArea(scene)) scene.Radius = ++first;
    for (int radius = first - 8 * 15; radius <= first + 8 * 15; ++radius) {
        filled_.Fill(kWhite);
        drawn_.Fill(kWhite);
        // The frame's radius rule adds the step back: the fill starts in the middle growth zone.
        scene.Radius = radius - scene.GrowSpeed[1];
        scene.Speed = scene.GrowSpeed[1];
        DrawBoth(scene);
        ASSERT_EQ(scene.Radius, radius);
        ASSERT_EQ(filled_.Differences(drawn_), 0) << "radius " << radius;
    }
}

INSTANTIATE_TEST_SUITE_P(Sizes, AreaFillTest,
                         ::testing::Values(std::pair{152, 112}, std::pair{640, 480}));

}  // namespace
}  // namespace globulon
