// The one frame loop on a real window, watched through a recording canvas beside the GDI one: how
// many frames, when the run's steps are taken, the pace, the pen in the context, and the
// full-screen run's spheres on the monitors.
#include "win32/scene/frame_loop.h"

#include <gtest/gtest.h>
#include <windows.h>

#include "core/sphere/canvas_pair.h"
#include "tests/core/sphere/recording_canvas.h"
#include "win32/host/clock.h"
#include "win32/host/form_window.h"
#include "win32/scene/gdi_canvas.h"
#include "win32/scene/graphics_layer.h"

namespace globulon {
namespace {

using testing::RecordingCanvas;

constexpr ColorValue kRed = MakeColor(255, 0, 0);
constexpr int kWidth = 320;
constexpr int kHeight = 200;

bool IsLight(ColorValue color) {
    for (int shift : {0, 8, 16}) {
        const int channel = static_cast<int>((color >> shift) & 0xFF);
        if (channel < 120) return false;
    }
    return true;
}

// What the timer below reaches: the frames seen so far and the loop's end flag.
struct TimerView {
    const RecordingCanvas* Frames = nullptr;
    bool* QuitRequested = nullptr;
};
TimerView timerView;

void CALLBACK QuitAfterThreeFrames(HWND, UINT, UINT_PTR, DWORD) {
    if (timerView.Frames->AreasEntered() >= 3) *timerView.QuitRequested = true;
}

class FrameLoopTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(form_.CreateForm(L"saver test", WS_POPUP, 0, kWidth, kHeight));
        startUp_.RandomPen = false;
        startUp_.FixedPen = kRed;
    }
    // The full-screen saver on one monitor, the window's whole client area, drawn through the
    // layer and recorded.
    void Run(const FrameSteps& steps) {
        SaverCore core = StartFullScreen(startUp_, {{0, 0, kWidth, kHeight}});
        layer_.Open(form_.Hwnd(), 0, core.PenColor(), 1);
        GdiCanvas gdi(FrameTarget::SaverWindow, true, form_.Hwnd(), layer_);
        CanvasPair canvas(gdi, &frames_);
        RunFrames(core, canvas, quitRequested_, steps);
    }

    StartUp startUp_;
    bool quitRequested_ = false;
    RecordingCanvas frames_;
    FormWindow form_;
    GraphicsLayer layer_;  // opened on form_, so it goes first
};

// --- how many frames -----------------------------------------------------------------------------

TEST_F(FrameLoopTest, OneFrameEvenWhenAskedToEndBeforehand) {
    quitRequested_ = true;
    Run({});
    EXPECT_EQ(frames_.AreasEntered(), 1);
    EXPECT_TRUE(frames_.pens.empty());
    // The fixed pen is the context's; the run that opened the layer closes it.
    EXPECT_EQ(GetCurrentObject(layer_.Dc(), OBJ_PEN), layer_.Pen());
}

TEST_F(FrameLoopTest, EndsAtTheEndOfThePassInWhichTheFlagWasSet) {
    // Input arrives only during the waits; here a timer asks for the end once three frames are
    // drawn. No further frame follows.
    timerView = {&frames_, &quitRequested_};
    const UINT_PTR timer = SetTimer(nullptr, 0, 10, QuitAfterThreeFrames);
    ASSERT_NE(timer, 0u);
    Run({});
    KillTimer(nullptr, timer);
    EXPECT_EQ(frames_.AreasEntered(), 3);
}

TEST_F(FrameLoopTest, TheFirstFrameStepOnceAndTheGoOnTestAfterEveryWaitAtTenFramesASecond) {
    int firstFrameSteps = 0;
    int framesAtFirstStep = 0;
    int goOnTests = 0;
    FrameSteps steps;
    steps.AfterFirstFrame = [&] {
        ++firstFrameSteps;
        framesAtFirstStep = frames_.AreasEntered();
    };
    steps.GoOn = [&] { return ++goOnTests < 4; };
    const ULONGLONG start = GetTickCount64();
    Run(steps);
    const ULONGLONG elapsed = GetTickCount64() - start;
    EXPECT_EQ(firstFrameSteps, 1);
    EXPECT_EQ(framesAtFirstStep, 1);
    EXPECT_EQ(goOnTests, 4);
    EXPECT_EQ(frames_.AreasEntered(), 4);
    // Each pass waits at least a tenth of a second (less a tick of the coarse clock).
    EXPECT_GE(elapsed, 4u * 100u - 16u);
}

TEST_F(FrameLoopTest, ARandomPenChangesInTheFirstPassAndTheContextTakesIt) {
    if (ClockSeconds() < 1.0f) GTEST_SKIP() << "just after midnight the first change waits";
    startUp_.RandomPen = true;
    startUp_.Seed = 12345;
    quitRequested_ = true;
    Run({});
    ASSERT_EQ(frames_.pens.size(), 1u);
    const ColorValue color = frames_.pens[0];
    EXPECT_NE(color, kRed);
    EXPECT_TRUE(IsLight(color));
    LOGPEN pen = {};
    ASSERT_NE(GetObjectW(layer_.Pen(), sizeof(pen), &pen), 0);
    EXPECT_EQ(pen.lopnColor, color);
}

// --- the full-screen run's spheres -------------------------------------------------------------

TEST_F(FrameLoopTest, TheFullScreenSpheresFollowTheMonitorsOfTheWindow) {
    // The test display has one monitor: its sphere is sized from it, not from the window.
    const int screenWidth = GetSystemMetrics(SM_CXSCREEN);
    SaverCore core = StartOnWindow(startUp_, form_.Hwnd());
    core.Tick(ClockSeconds(), frames_);
    ASSERT_EQ(frames_.AreasEntered(), 1);
    EXPECT_EQ(frames_.areas[0].Width, screenWidth);

    // Until the window follows a new layout the spheres stay as they are.
    core = StartFullScreen(startUp_, {{0, 0, kWidth, kHeight}});
    bool monitorsChanged = false;
    EXPECT_TRUE(FullScreenGoesOn(core, form_.Hwnd(), false, monitorsChanged));
    core.Tick(ClockSeconds(), frames_);
    EXPECT_EQ(frames_.areas.back().Width, kWidth);

    monitorsChanged = true;
    EXPECT_FALSE(FullScreenGoesOn(core, form_.Hwnd(), true, monitorsChanged));
    EXPECT_FALSE(monitorsChanged);
    core.Tick(ClockSeconds(), frames_);
    EXPECT_EQ(frames_.areas.back().Width, screenWidth);
}

}  // namespace
}  // namespace globulon
