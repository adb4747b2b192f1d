// A long run without waiting: 100,000 frames, each with a new pen colour, must leave the drawing
// layer holding one pen and one brush, with every earlier pen deleted, and the context as found.
#include <gtest/gtest.h>
#include <windows.h>

#include "core/sphere/random_source.h"
#include "core/sphere/sphere_model.h"
#include "tests/win32/scene/scene_window.h"
#include "tests/win32/scene/test_canvas.h"
#include "tests/win32/scene/test_scene.h"
#include "win32/scene/gdi_canvas.h"
#include "win32/scene/graphics_layer.h"

namespace globulon {
namespace {

using testing::ActiveRun;
using testing::TestRun;

constexpr int kFrames = 100000;

TEST(GdiSoak, HundredThousandFramesHoldNoMoreObjectsThanTheFirst) {
    SphereScene& scene = testing::ResetTestScene();
    testing::CentreFullScreenScene(scene, 320, 240);

    TestCanvas canvas(320, 240);
    SceneWindow window(320, 240);
    ASSERT_TRUE(canvas.Ready());
    const HGDIOBJ originalPen = GetCurrentObject(canvas.Dc(), OBJ_PEN);
    const HGDIOBJ originalBrush = GetCurrentObject(canvas.Dc(), OBJ_BRUSH);

    GraphicsLayer layer;
    layer.Select(canvas.Dc(), 0, MakeColor(255, 0, 0), 1);
    const HBRUSH brush = layer.Brush();
    RandomSource random;
    int leakedPens = 0;
    for (int frame = 0; frame < kFrames; ++frame) {
        BuildRim(scene);
        testing::DrawTestFrame(ActiveRun().Scene, FrameTarget::SaverWindow, window.Hwnd(), layer);
        const HPEN previousPen = layer.Pen();
        layer.SetPen(PickColor(random.Draws()), 1);
        // A deleted handle's value may be handed out again at once; any other must be gone.
        if (layer.Pen() != previousPen && GetObjectType(previousPen) != 0) ++leakedPens;
    }
    EXPECT_EQ(leakedPens, 0);
    EXPECT_EQ(layer.Brush(), brush) << "the brush is made once";
    EXPECT_EQ(GetCurrentObject(canvas.Dc(), OBJ_PEN), layer.Pen());

    const HPEN lastPen = layer.Pen();
    layer.Restore();
    EXPECT_EQ(GetObjectType(lastPen), 0u);
    EXPECT_EQ(GetObjectType(brush), 0u);
    EXPECT_EQ(GetCurrentObject(canvas.Dc(), OBJ_PEN), originalPen);
    EXPECT_EQ(GetCurrentObject(canvas.Dc(), OBJ_BRUSH), originalBrush);
    ActiveRun() = TestRun();
}

}  // namespace
}  // namespace globulon
