// The full-screen loop and the preview run on real windows: how many frames, the colour
// changes, the "ActiveSetup" record and the drawing layer given back.
#include "scene/frame_loop.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "host/clock.h"
#include "host/form_window.h"
#include "host/host_dialog_probe.h"
#include "scene/graphics_layer.h"
#include "scene/preview_run.h"
#include "startup/program_state.h"
#include "startup/settings_store.h"
#include "tests/scene/scene_window.h"
#include "tests/scene/test_scene.h"
#include "tests/support/fake_host_dialog.h"

namespace globulon {
namespace {

using testing::FakeHostDialog;

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
    void SetUp() override { testing::ResetTestScene(ModeNone, kRed).UseBlackScreen = true; }
    void TearDown() override {
        ResetGraphicsLayer();
        Program() = ProgramState();
    }
};

void CALLBACK QuitAfterThreeFrames(HWND, UINT, UINT_PTR, DWORD) {
    if (Program().Scene.Radius >= 80) Program().QuitRequested = true;
}

// --- full screen ------------------------------------------------------------------------------

class FullScreenLoopTest : public FrameLoopTest {
  protected:
    void SetUp() override {
        FrameLoopTest::SetUp();
        Program().RunMode = ModeSaver;
        testing::CentreFullScreenScene(Program().Scene, 320, 200);
        ASSERT_TRUE(form_.CreateForm(L"saver test", WS_POPUP, 0, 320, 200));
    }
    FormWindow form_;
};

TEST_F(FullScreenLoopTest, DrawsOneFrameEvenWhenAskedToEndBeforehand) {
    Program().QuitRequested = true;
    HDC hDC = RunFullScreenFrames(form_.Hwnd());
    ASSERT_NE(hDC, nullptr);
    const SphereScene& scene = Program().Scene;
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
    HDC hDC = RunFullScreenFrames(form_.Hwnd());
    KillTimer(nullptr, timer);
    EXPECT_EQ(Program().Scene.Radius, 80);
    GfxClose(form_.Hwnd(), hDC);
}

TEST_F(FullScreenLoopTest, RandomColourChangesInTheFirstPass) {
    SphereScene& scene = Program().Scene;
    scene.UseRandomColors = true;
    Program().QuitRequested = true;
    if (ClockSeconds() < 1.0f) GTEST_SKIP() << "just after midnight the first change waits";
    HDC hDC = RunFullScreenFrames(form_.Hwnd());
    EXPECT_NE(scene.PenColor, kRed);
    EXPECT_TRUE(IsLight(scene.PenColor));
    // The new colour is in the context's pen.
    LOGPEN pen = {};
    ASSERT_NE(GetObjectW(GraphicsLayer().hPen, sizeof(pen), &pen), 0);
    EXPECT_EQ(pen.lopnColor, scene.PenColor);
    GfxClose(form_.Hwnd(), hDC);
}

TEST_F(FullScreenLoopTest, NoColourChangeDuringARest) {
    SphereScene& scene = Program().Scene;
    scene.UseRandomColors = true;
    scene.Radius = 20;
    scene.Speed = 20;
    scene.Pausing = true;
    scene.PauseStart = ClockSeconds();
    Program().QuitRequested = true;
    HDC hDC = RunFullScreenFrames(form_.Hwnd());
    EXPECT_TRUE(scene.Pausing);
    EXPECT_EQ(scene.PenColor, kRed);
    GfxClose(form_.Hwnd(), hDC);
}

// --- the colour change shared by both loops ----------------------------------------------------

TEST_F(FrameLoopTest, ColourChangesOnlyOnceTheIntervalHasPassed) {
    SphereScene& scene = Program().Scene;
    scene.UseRandomColors = true;
    const float now = ClockSeconds();
    if (now < 2.0f) GTEST_SKIP() << "too close to midnight for this clock arithmetic";
    float lastChange = now;
    ChangeColorWhenDue(nullptr, lastChange, 0.5);
    EXPECT_EQ(scene.PenColor, kRed);
    EXPECT_EQ(lastChange, now);

    lastChange = now - 1.0f;
    ChangeColorWhenDue(nullptr, lastChange, 0.5);
    EXPECT_NE(scene.PenColor, kRed);
    EXPECT_TRUE(IsLight(scene.PenColor));
    EXPECT_GE(lastChange, now);
}

TEST_F(FrameLoopTest, FixedColourNeverChanges) {
    float lastChange = 0;
    ChangeColorWhenDue(nullptr, lastChange, 0.1);
    EXPECT_EQ(Program().Scene.PenColor, kRed);
    EXPECT_EQ(lastChange, 0.0f);
}

// --- preview ----------------------------------------------------------------------------------

class PreviewRunTest : public FrameLoopTest {
  protected:
    void SetUp() override {
        FrameLoopTest::SetUp();
        Program().RunMode = ModePreview;
        SaveProgramSetting(L"ActiveSetup", L"0");
    }
    void TearDown() override {
        SaveProgramSetting(L"ActiveSetup", L"0");
        FrameLoopTest::TearDown();
    }
    // Frames drawn so far, told by the radius (10, then 20 more per frame while growing).
    static int FramesDrawn() { return (Program().Scene.Radius - 10) / 20; }
};

// What the timers below saw while the preview ran.
struct Observed {
    std::wstring ActiveSetup;
    HWND ToDestroy = nullptr;
    HWND ListToClear = nullptr;
};
Observed observed;

void CALLBACK ReadActiveSetup(HWND, UINT, UINT_PTR timer, DWORD) {
    KillTimer(nullptr, timer);
    observed.ActiveSetup = GetProgramSetting(L"ActiveSetup", L"missing");
}

void CALLBACK DestroyPreview(HWND, UINT, UINT_PTR timer, DWORD) {
    KillTimer(nullptr, timer);
    DestroyWindow(observed.ToDestroy);
}

void CALLBACK ChooseAnotherSaver(HWND, UINT, UINT_PTR timer, DWORD) {
    KillTimer(nullptr, timer);
    SendMessageW(observed.ListToClear, CB_SETCURSEL, 0, 0);
}

TEST_F(PreviewRunTest, WithoutAWindowMakesOnePassAndDrawsNothing) {
    SaveProgramSetting(L"ActiveSetup", L"12345");
    RunPreview(nullptr, nullptr);
    EXPECT_EQ(GetProgramSetting(L"ActiveSetup", L"missing"), L"0");
    EXPECT_EQ(Program().Scene.Rim.size(), 14u);
    EXPECT_EQ(Program().Scene.Radius, 10);  // no frame, so the radius never moved
    EXPECT_EQ(GraphicsLayer().hPen, nullptr);
}

TEST_F(PreviewRunTest, RecordsTheWindowWhileRunningAndEndsWhenTheDialogLetsGo) {
    SceneWindow preview(152, 112);
    observed = Observed();
    SetTimer(nullptr, 0, 20, ReadActiveSetup);
    // No host dialog: this saver is not selected anywhere, so one pass only.
    RunPreview(preview.Hwnd(), nullptr);
    const std::wstring handle =
        std::to_wstring(static_cast<std::int32_t>(reinterpret_cast<std::intptr_t>(preview.Hwnd())));
    EXPECT_EQ(observed.ActiveSetup, handle);
    EXPECT_EQ(GetProgramSetting(L"ActiveSetup", L"missing"), L"0");
    EXPECT_EQ(FramesDrawn(), 1);
    EXPECT_EQ(Program().Scene.CenterX, 1140.0f);
    EXPECT_EQ(Program().Scene.CenterY, 840.0f);
    EXPECT_EQ(Program().Scene.RadiusLimit, 10080);
    EXPECT_EQ(GraphicsLayer().hPen, nullptr);  // closed
}

TEST_F(PreviewRunTest, RunsWhileSelectedAndStopsWhenTheWindowGoes) {
    FakeHostDialog dialog;
    FakeHostDialog::AddList(dialog.Hwnd(), {L"Blank", ProgramName()}, 1);
    ASSERT_TRUE(IsSaverSelected(dialog.Hwnd(), ProgramName()));
    SceneWindow preview(152, 112);
    observed = Observed();
    observed.ToDestroy = preview.Hwnd();
    Program().Scene.UseRandomColors = true;
    SetTimer(nullptr, 0, 450, DestroyPreview);
    RunPreview(preview.Hwnd(), dialog.Hwnd());
    EXPECT_FALSE(IsWindow(preview.Hwnd()));
    EXPECT_GE(FramesDrawn(), 2);
    EXPECT_LE(FramesDrawn(), 6);
    EXPECT_TRUE(IsLight(Program().Scene.PenColor));
    EXPECT_EQ(GetProgramSetting(L"ActiveSetup", L"missing"), L"0");
    EXPECT_EQ(GraphicsLayer().hPen, nullptr);
}

TEST_F(PreviewRunTest, StopsWhenTheDialogSelectsAnotherSaver) {
    FakeHostDialog dialog;
    HWND list = FakeHostDialog::AddList(dialog.Hwnd(), {L"Blank", ProgramName()}, 1);
    SceneWindow preview(152, 112);
    observed = Observed();
    observed.ListToClear = list;
    Program().Scene.UseBlackScreen = false;  // the first frame gets the desktop under it
    SetTimer(nullptr, 0, 250, ChooseAnotherSaver);
    RunPreview(preview.Hwnd(), dialog.Hwnd());
    EXPECT_TRUE(IsWindow(preview.Hwnd()));
    EXPECT_GE(FramesDrawn(), 2);
    EXPECT_LE(FramesDrawn(), 4);
    EXPECT_EQ(GetProgramSetting(L"ActiveSetup", L"missing"), L"0");
}

}  // namespace
}  // namespace globulon
