// One frame drawn with real GDI: the disc and its chords in the pen colour, centred, and the
// clearing of the picture at the end of a rest.
#include <gtest/gtest.h>
#include <windows.h>

#include "tests/win32/scene/scene_window.h"
#include "tests/win32/scene/test_canvas.h"
#include "tests/win32/scene/test_scene.h"
#include "win32/host/clock.h"
#include "win32/scene/gdi_canvas.h"
#include "win32/scene/graphics_layer.h"

namespace globulon {
namespace {

using testing::ActiveRun;
using testing::TestRun;

constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kPen = RGB(0, 255, 0);
constexpr int kWidth = 200;
constexpr int kHeight = 160;

// A 200 x 160 pixel area at 15 twips per pixel, the sphere 40 pixels across.
class FrameDrawingTest : public ::testing::Test {
  protected:
    void SetUp() override {
        SphereScene& scene = testing::ResetTestScene(kPen);
        testing::CentreFullScreenScene(scene, kWidth, kHeight);
        scene.Radius = 580;  // the frame grows it by 20 to 600 twips: 40 pixels
        layer_.Select(canvas_.Dc(), 0, kPen, 1);
    }
    void TearDown() override {
        layer_.Restore();
        ActiveRun() = TestRun();
    }

    // Puts the sphere into its rest, which has run for longer than three seconds.
    static void RestOver() {
        SphereScene& scene = ActiveRun().Scene;
        scene.Radius = 20;
        scene.Speed = 20;
        scene.Pausing = true;
        scene.PauseStart = ClockSeconds() - 10.0f;
    }

    TestCanvas canvas_{kWidth, kHeight};
    SceneWindow window_{kWidth, kHeight};
    GraphicsLayer layer_;  // selected into canvas_, so it goes first
};

TEST_F(FrameDrawingTest, DiscIsOutlinedInThePenColourAroundTheCentre) {
    SphereScene& scene = ActiveRun().Scene;
    BuildRim(scene);
    testing::DrawTestFrame(ActiveRun().Scene, FrameTarget::SaverWindow, window_.Hwnd(), layer_);
    EXPECT_EQ(scene.Radius, 600);
    const PixelBox box = DiscBox(scene);
    ASSERT_EQ(box.Left, 60);
    ASSERT_EQ(box.Right, 140);
    ASSERT_EQ(box.Top, 40);
    ASSERT_EQ(box.Bottom, 120);
    // The outline reaches the box on all four sides, at the middle of each.
    EXPECT_EQ(canvas_.At(60, 80), kPen);
    EXPECT_EQ(canvas_.At(139, 80), kPen);
    EXPECT_EQ(canvas_.At(100, 40), kPen);
    EXPECT_EQ(canvas_.At(100, 119), kPen);
    // Nothing outside the box; inside only black and the pen.
    for (int y = 0; y < kHeight; ++y) {
        for (int x = 0; x < kWidth; ++x) {
            const bool inBox = x >= 60 && x < 140 && y >= 40 && y < 120;
            const COLORREF color = canvas_.At(x, y);
            if (!inBox) {
                ASSERT_EQ(color, kWhite) << x << "," << y;
            } else {
                ASSERT_TRUE(color == kWhite || color == kBlack || color == kPen) << x << "," << y;
            }
        }
    }
    // Every rim point carries its dot, and chords fill a good part of the disc.
    for (int k = 0; k <= scene.RimMax; ++k) {
        const PixelPoint point = RimPointPixel(scene, k);
        EXPECT_EQ(canvas_.At(point.X, point.Y), kPen) << k;
    }
    EXPECT_GT(canvas_.Count(kPen), 1000);
    EXPECT_GT(canvas_.Count(kBlack), 1000);
}

TEST_F(FrameDrawingTest, GrowingFrameCoversEveryEarlierOne) {
    SphereScene& scene = ActiveRun().Scene;
    for (int frame = 0; frame < 5; ++frame) {
        BuildRim(scene);
        testing::DrawTestFrame(ActiveRun().Scene, FrameTarget::SaverWindow, window_.Hwnd(), layer_);
    }
    // The same last frame drawn alone on a blank picture looks exactly the same: the growing
    // disc wiped all that the turning chords drew before.
    BuildRim(scene);
    const SphereScene beforeLast = scene;
    testing::DrawTestFrame(ActiveRun().Scene, FrameTarget::SaverWindow, window_.Hwnd(), layer_);
    TestCanvas alone(kWidth, kHeight);
    layer_.Restore();
    layer_.Select(alone.Dc(), 0, kPen, 1);
    scene = beforeLast;
    testing::DrawTestFrame(ActiveRun().Scene, FrameTarget::SaverWindow, window_.Hwnd(), layer_);
    layer_.Restore();
    layer_.Select(canvas_.Dc(), 0, kPen, 1);
    int differing = 0;
    for (int y = 0; y < kHeight; ++y) {
        for (int x = 0; x < kWidth; ++x) differing += canvas_.At(x, y) != alone.At(x, y);
    }
    EXPECT_EQ(differing, 0);
}

TEST_F(FrameDrawingTest, FullScreenAsksTheWindowToRepaintWhenTheRestEnds) {
    BuildRim(ActiveRun().Scene);
    testing::DrawTestFrame(ActiveRun().Scene, FrameTarget::SaverWindow, window_.Hwnd(), layer_);
    EXPECT_EQ(window_.PaintRequests(), 0);
    RestOver();
    testing::DrawTestFrame(ActiveRun().Scene, FrameTarget::SaverWindow, window_.Hwnd(), layer_);
    EXPECT_EQ(window_.PaintRequests(), 1);
    EXPECT_EQ(window_.LastPaintWParam(), reinterpret_cast<WPARAM>(canvas_.Dc()));
    EXPECT_FALSE(ActiveRun().Scene.Pausing);
    EXPECT_EQ(ActiveRun().Scene.Radius, 40);
}

TEST_F(FrameDrawingTest, RestingFramesDoNotClear) {
    SphereScene& scene = ActiveRun().Scene;
    scene.Radius = 20;
    scene.Speed = 20;
    scene.Pausing = true;
    scene.PauseStart = ClockSeconds();
    BuildRim(scene);
    testing::DrawTestFrame(ActiveRun().Scene, FrameTarget::SaverWindow, window_.Hwnd(), layer_);
    EXPECT_EQ(window_.PaintRequests(), 0);
    EXPECT_TRUE(scene.Pausing);
    EXPECT_EQ(canvas_.At(0, 0), kWhite);
}

TEST_F(FrameDrawingTest, BlackPreviewIsFilledBlackWhenTheRestEnds) {
    ActiveRun().Scene.UseBlackScreen = true;
    RestOver();
    BuildRim(ActiveRun().Scene);
    testing::DrawTestFrame(ActiveRun().Scene, FrameTarget::PreviewWindow, window_.Hwnd(), layer_);
    EXPECT_EQ(window_.PaintRequests(), 0);
    // The whole client area is black, then the small new disc is drawn on it.
    EXPECT_EQ(canvas_.Count(kWhite), 0);
    EXPECT_EQ(canvas_.At(0, 0), kBlack);
    EXPECT_EQ(canvas_.At(kWidth - 1, kHeight - 1), kBlack);
    EXPECT_GT(canvas_.Count(kPen), 0);
}

TEST_F(FrameDrawingTest, FrameWithoutRimDrawsTheDiscAlone) {
    // No rim built yet: the disc, and no chords from an empty table.
    testing::DrawTestFrame(ActiveRun().Scene, FrameTarget::SaverWindow, window_.Hwnd(), layer_);
    EXPECT_EQ(canvas_.At(60, 80), kPen);
    EXPECT_EQ(canvas_.At(100, 80), kBlack);
}

}  // namespace
}  // namespace globulon
