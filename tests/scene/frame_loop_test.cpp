// The full-screen loop on a real window: how many frames, the colour changes and the drawing
// layer given back.
#include "scene/frame_loop.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "host/clock.h"
#include "host/form_window.h"
#include "scene/graphics_layer.h"
#include "tests/scene/scene_window.h"
#include "tests/scene/test_scene.h"

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
    void TearDown() override {
        ResetGraphicsLayer();
        ActiveRun() = TestRun();
    }
};

// The sphere of the full-screen loop's one monitor.
SphereScene& LoopScene() {
    return ActiveRun().Spheres.front().Scene;
}

void CALLBACK QuitAfterThreeFrames(HWND, UINT, UINT_PTR, DWORD) {
    if (LoopScene().Radius >= 80) ActiveRun().QuitRequested = true;
}

// --- full screen ------------------------------------------------------------------------------

class FullScreenLoopTest : public FrameLoopTest {
  protected:
    void SetUp() override {
        FrameLoopTest::SetUp();
        // One monitor: the window's whole client area, as a single screen has it.
        ActiveRun().Spheres = SpheresForMonitors(ActiveRun().Scene, {{0, 0, 320, 200}}, 0, 0);
        ASSERT_TRUE(form_.CreateForm(L"saver test", WS_POPUP, 0, 320, 200));
    }
    FormWindow form_;
};

TEST_F(FullScreenLoopTest, DrawsOneFrameEvenWhenAskedToEndBeforehand) {
    ActiveRun().QuitRequested = true;
    HDC hDC = RunFullScreenFrames(ActiveRun().Spheres, form_.Hwnd(), ActiveRun().QuitRequested,
                                  ActiveRun().MonitorsChanged);
    ASSERT_NE(hDC, nullptr);
    const SphereScene& scene = LoopScene();
    EXPECT_EQ(scene.Radius, 40);  // one step of the radius rule
    EXPECT_EQ(scene.Rim.size(), 14u);
    // The layer is still open with its black brush and the fixed pen; the run closes it.
    EXPECT_NE(GraphicsLayer().hBrush, nullptr);
    EXPECT_EQ(GetCurrentObject(hDC, OBJ_PEN), GraphicsLayer().hPen);
    EXPECT_EQ(scene.PenColor, kRed);
    HGDIOBJ pen = GraphicsLayer().hPen;
    GfxClose(form_.Hwnd(), hDC);
    EXPECT_EQ(GetObjectType(pen), 0u);
}

TEST_F(FullScreenLoopTest, EndsAtTheEndOfThePassInWhichTheFlagWasSet) {
    // Input arrives only during the waits; here a timer asks for the end once three frames
    // are drawn (radius 20 + 3 x 20). No further frame follows.
    const UINT_PTR timer = SetTimer(nullptr, 0, 10, QuitAfterThreeFrames);
    ASSERT_NE(timer, 0u);
    HDC hDC = RunFullScreenFrames(ActiveRun().Spheres, form_.Hwnd(), ActiveRun().QuitRequested,
                                  ActiveRun().MonitorsChanged);
    KillTimer(nullptr, timer);
    EXPECT_EQ(LoopScene().Radius, 80);
    GfxClose(form_.Hwnd(), hDC);
}

TEST_F(FullScreenLoopTest, NewSpheresForTheMonitorsWhenTheLayoutChanged) {
    ActiveRun().QuitRequested = true;
    ActiveRun().MonitorsChanged = true;
    HDC hDC = RunFullScreenFrames(ActiveRun().Spheres, form_.Hwnd(), ActiveRun().QuitRequested,
                                  ActiveRun().MonitorsChanged);
    EXPECT_FALSE(ActiveRun().MonitorsChanged);
    // The test display has one monitor: the sphere is now sized from it, not from the window.
    ASSERT_EQ(ActiveRun().Spheres.size(), 1u);
    EXPECT_EQ(ActiveRun().Spheres.front().Area.Width, GetSystemMetrics(SM_CXSCREEN));
    EXPECT_EQ(LoopScene().CenterX, GetSystemMetrics(SM_CXSCREEN) * 15 / 2.0f);
    EXPECT_EQ(LoopScene().Radius, 20);  // a fresh cycle
    GfxClose(form_.Hwnd(), hDC);
}

TEST_F(FullScreenLoopTest, RandomColourChangesInTheFirstPass) {
    SphereScene& scene = LoopScene();
    scene.UseRandomColors = true;
    ActiveRun().QuitRequested = true;
    if (ClockSeconds() < 1.0f) GTEST_SKIP() << "just after midnight the first change waits";
    HDC hDC = RunFullScreenFrames(ActiveRun().Spheres, form_.Hwnd(), ActiveRun().QuitRequested,
                                  ActiveRun().MonitorsChanged);
    EXPECT_NE(scene.PenColor, kRed);
    EXPECT_TRUE(IsLight(scene.PenColor));
    // The new colour is in the context's pen.
    LOGPEN pen = {};
    ASSERT_NE(GetObjectW(GraphicsLayer().hPen, sizeof(pen), &pen), 0);
    EXPECT_EQ(pen.lopnColor, scene.PenColor);
    GfxClose(form_.Hwnd(), hDC);
}

TEST_F(FullScreenLoopTest, NoColourChangeDuringARest) {
    SphereScene& scene = LoopScene();
    scene.UseRandomColors = true;
    scene.Radius = 20;
    scene.Speed = 20;
    scene.Pausing = true;
    scene.PauseStart = ClockSeconds();
    ActiveRun().QuitRequested = true;
    HDC hDC = RunFullScreenFrames(ActiveRun().Spheres, form_.Hwnd(), ActiveRun().QuitRequested,
                                  ActiveRun().MonitorsChanged);
    EXPECT_TRUE(scene.Pausing);
    EXPECT_EQ(scene.PenColor, kRed);
    GfxClose(form_.Hwnd(), hDC);
}

// --- the colour change shared by both loops ----------------------------------------------------

TEST_F(FrameLoopTest, ColourChangesOnlyOnceTheIntervalHasPassed) {
    SphereScene& scene = ActiveRun().Scene;
    scene.UseRandomColors = true;
    const float now = ClockSeconds();
    if (now < 2.0f) GTEST_SKIP() << "too close to midnight for this clock arithmetic";
    float lastChange = now;
    ChangeColorWhenDue(ActiveRun().Scene, nullptr, lastChange, 0.5);
    EXPECT_EQ(scene.PenColor, kRed);
    EXPECT_EQ(lastChange, now);

    lastChange = now - 1.0f;
    ChangeColorWhenDue(ActiveRun().Scene, nullptr, lastChange, 0.5);
    EXPECT_NE(scene.PenColor, kRed);
    EXPECT_TRUE(IsLight(scene.PenColor));
    EXPECT_GE(lastChange, now);
}

TEST_F(FrameLoopTest, FixedColourNeverChanges) {
    float lastChange = 0;
    ChangeColorWhenDue(ActiveRun().Scene, nullptr, lastChange, 0.1);
    EXPECT_EQ(ActiveRun().Scene.PenColor, kRed);
    EXPECT_EQ(lastChange, 0.0f);
}

}  // namespace
}  // namespace globulon
