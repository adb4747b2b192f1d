// The full-screen loop on a real window: how many frames, the colour changes, new monitors and
// the drawing layer given back.
#include "win32/scene/frame_loop.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "core/sphere/random_source.h"
#include "tests/win32/scene/scene_window.h"
#include "tests/win32/scene/test_scene.h"
#include "win32/host/clock.h"
#include "win32/host/form_window.h"
#include "win32/scene/graphics_layer.h"

namespace globulon {
namespace {

using testing::ActiveRun;
using testing::TestRun;

constexpr ColorValue kRed = MakeColor(255, 0, 0);

bool IsLight(ColorValue color) {
    for (int shift : {0, 8, 16}) {
        const int channel = static_cast<int>((color >> shift) & 0xFF);
        if (channel < 120) return false;
    }
    return true;
}

class FrameLoopTest : public ::testing::Test {
  protected:
    void SetUp() override { testing::ResetTestScene(kRed).UseBlackScreen = true; }
    void TearDown() override { ActiveRun() = TestRun(); }
};

// The sphere of the full-screen loop's one monitor.
const SphereScene& LoopScene() {
    return ActiveRun().Saver.Spheres().front().Scene;
}

void CALLBACK QuitAfterThreeFrames(HWND, UINT, UINT_PTR, DWORD) {
    if (LoopScene().Radius >= 80) ActiveRun().QuitRequested = true;
}

// --- full screen ------------------------------------------------------------------------------

class FullScreenLoopTest : public FrameLoopTest {
  protected:
    void SetUp() override {
        FrameLoopTest::SetUp();
        testing::CentreFullScreenScene(ActiveRun().Scene, 320, 200);
        ASSERT_TRUE(form_.CreateForm(L"saver test", WS_POPUP, 0, 320, 200));
    }
    // The full-screen loop on one monitor, the window's whole client area, as a single screen
    // has it; scene is the sphere's state at the start.
    void RunLoop(const SphereScene& scene) {
        ActiveRun().Saver = SaverCore({MonitorSphere{{0, 0, 320, 200}, scene}},
                                      ColorPace::FullScreen, random_.Draws());
        RunFullScreenFrames(ActiveRun().Saver, form_.Hwnd(), layer_, ActiveRun().QuitRequested,
                            ActiveRun().MonitorsChanged);
    }
    RandomSource random_;
    FormWindow form_;
    GraphicsLayer layer_;  // opened on form_, so it goes first
};

TEST_F(FullScreenLoopTest, DrawsOneFrameEvenWhenAskedToEndBeforehand) {
    ActiveRun().QuitRequested = true;
    RunLoop(ActiveRun().Scene);
    const HDC hDC = layer_.Dc();
    ASSERT_NE(hDC, nullptr);
    const SphereScene& scene = LoopScene();
    EXPECT_EQ(scene.Radius, 40);  // one step of the radius rule
    EXPECT_EQ(scene.Rim.size(), 14u);
    // The layer is still open with its black brush and the fixed pen; the run closes it.
    EXPECT_NE(layer_.Brush(), nullptr);
    EXPECT_EQ(GetCurrentObject(hDC, OBJ_PEN), layer_.Pen());
    EXPECT_EQ(ActiveRun().Saver.PenColor(), kRed);
    HGDIOBJ pen = layer_.Pen();
    layer_.Close();
    EXPECT_EQ(GetObjectType(pen), 0u);
}

TEST_F(FullScreenLoopTest, EndsAtTheEndOfThePassInWhichTheFlagWasSet) {
    // Input arrives only during the waits; here a timer asks for the end once three frames
    // are drawn (radius 20 + 3 x 20). No further frame follows.
    const UINT_PTR timer = SetTimer(nullptr, 0, 10, QuitAfterThreeFrames);
    ASSERT_NE(timer, 0u);
    RunLoop(ActiveRun().Scene);
    KillTimer(nullptr, timer);
    EXPECT_EQ(LoopScene().Radius, 80);
}

TEST_F(FullScreenLoopTest, NewSpheresForTheMonitorsWhenTheLayoutChanged) {
    ActiveRun().QuitRequested = true;
    ActiveRun().MonitorsChanged = true;
    RunLoop(ActiveRun().Scene);
    EXPECT_FALSE(ActiveRun().MonitorsChanged);
    // The test display has one monitor: the sphere is now sized from it, not from the window.
    ASSERT_EQ(ActiveRun().Saver.Spheres().size(), 1u);
    EXPECT_EQ(ActiveRun().Saver.Spheres().front().Area.Width, GetSystemMetrics(SM_CXSCREEN));
    EXPECT_EQ(LoopScene().CenterX, GetSystemMetrics(SM_CXSCREEN) * 15 / 2.0f);
    EXPECT_EQ(LoopScene().Radius, 20);  // a fresh cycle
}

TEST_F(FullScreenLoopTest, RandomColourChangesInTheFirstPass) {
    ActiveRun().Scene.UseRandomColors = true;
    ActiveRun().QuitRequested = true;
    if (ClockSeconds() < 1.0f) GTEST_SKIP() << "just after midnight the first change waits";
    RunLoop(ActiveRun().Scene);
    const ColorValue color = ActiveRun().Saver.PenColor();
    EXPECT_NE(color, kRed);
    EXPECT_TRUE(IsLight(color));
    // The new colour is in the context's pen.
    LOGPEN pen = {};
    ASSERT_NE(GetObjectW(layer_.Pen(), sizeof(pen), &pen), 0);
    EXPECT_EQ(pen.lopnColor, color);
}

TEST_F(FullScreenLoopTest, NoColourChangeDuringARest) {
    SphereScene scene = ActiveRun().Scene;
    scene.UseRandomColors = true;
    scene.Radius = 20;
    scene.Speed = 20;
    scene.Pausing = true;
    scene.PauseStart = ClockSeconds();
    ActiveRun().QuitRequested = true;
    RunLoop(scene);
    EXPECT_TRUE(LoopScene().Pausing);
    EXPECT_EQ(ActiveRun().Saver.PenColor(), kRed);
}

}  // namespace
}  // namespace globulon
