// Frames drawn over the last one: the very same pixels as frames drawn whole, frame by frame
// over a whole cycle, on a monitor at the corner of the window and on one further in.
#include <gtest/gtest.h>
#include <windows.h>

#include "scene/frame_loop.h"
#include "scene/graphics_layer.h"
#include "tests/scene/scene_window.h"
#include "tests/scene/test_canvas.h"
#include "tests/scene/test_scene.h"

namespace globulon {
namespace {

using testing::ActiveRun;
using testing::TestRun;

constexpr COLORREF kPen = RGB(0, 255, 0);

struct Layout {
    int WindowWidth, WindowHeight;
    PixelRect Monitor;  // in window pixels
};

// Two pictures of the window: one sphere drawn over its last frame in one, its twin drawn whole
// every frame in the other.
class RedrawPixelsTest : public ::testing::TestWithParam<Layout> {
  protected:
    void SetUp() override {
        const Layout& layout = GetParam();
        SphereScene& scene = testing::ResetTestScene(kPen);
        testing::CentreFullScreenScene(scene, layout.Monitor.Width, layout.Monitor.Height);
        ASSERT_TRUE(reused_.Ready() && whole_.Ready());
        reusing_.Area = twin_.Area = layout.Monitor;
        reusing_.Scene = twin_.Scene = scene;
        GfxSelectObjects(reused_.Dc(), 0, kPen, 1);
        pen_ = CreatePen(PS_SOLID, 1, kPen);
        oldPen_ = SelectObject(whole_.Dc(), pen_);
        oldBrush_ = SelectObject(whole_.Dc(), GetStockObject(BLACK_BRUSH));
    }
    void TearDown() override {
        SelectObject(whole_.Dc(), oldBrush_);
        SelectObject(whole_.Dc(), oldPen_);
        DeleteObject(pen_);
        GfxRestoreObjects(reused_.Dc());
        ActiveRun() = TestRun();
    }

    MonitorSphere reusing_, twin_;
    TestCanvas reused_{GetParam().WindowWidth, GetParam().WindowHeight};
    TestCanvas whole_{GetParam().WindowWidth, GetParam().WindowHeight};
    SceneWindow window_{GetParam().WindowWidth, GetParam().WindowHeight};
    HPEN pen_ = nullptr;
    HGDIOBJ oldPen_ = nullptr;
    HGDIOBJ oldBrush_ = nullptr;
};

TEST_P(RedrawPixelsTest, AWholeCycleLooksTheSameFrameByFrame) {
    int frames = 0, coveringFrames = 0;
    // Growth, turn and shrink, into the rest: the covering frames and the trace the shrinking
    // sphere leaves behind, with the pen colour changing on the way.
    while (!reusing_.Scene.Pausing) {
        coveringFrames += DiscCoversArea(reusing_.Scene);
        DrawMonitorFrame(reusing_, window_.Hwnd(), reused_.Dc());
        twin_.Drawn.BlackButChords = false;
        DrawMonitorFrame(twin_, window_.Hwnd(), whole_.Dc());
        ASSERT_EQ(reusing_.Scene.Radius, twin_.Scene.Radius);
        ASSERT_EQ(reused_.Differences(whole_), 0)
            << "frame " << frames << ", radius " << reusing_.Scene.Radius;
        if (++frames % 50 == 0) {
            const COLORREF color = RGB(120 + frames % 100, 200, 255 - frames % 100);
            reusing_.Scene.PenColor = twin_.Scene.PenColor = color;
            GfxSetPen(reused_.Dc(), color, 1);
            const HPEN next = CreatePen(PS_SOLID, 1, color);
            SelectObject(whole_.Dc(), next);
            DeleteObject(pen_);
            pen_ = next;
        }
        ASSERT_LT(frames, 5000) << "the cycle did not reach its rest";
    }
    EXPECT_GT(coveringFrames, 20);  // the frames over a covering disc were among them
}

INSTANTIATE_TEST_SUITE_P(Layouts, RedrawPixelsTest,
                         ::testing::Values(Layout{152, 112, {0, 0, 152, 112}},
                                           Layout{700, 500, {40, 10, 640, 480}}));

}  // namespace
}  // namespace globulon
