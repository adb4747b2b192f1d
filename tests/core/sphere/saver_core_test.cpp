// The saver core on a recording canvas: one pen for every sphere, when it changes with the clock
// held still, and the spheres laid out again for new monitors.
#include "core/sphere/saver_core.h"

#include <gtest/gtest.h>

#include <vector>

#include "tests/core/sphere/recording_canvas.h"

namespace globulon {
namespace {

using testing::RecordingCanvas;

constexpr ColorValue kRed = MakeColor(255, 0, 0);

// A replayable random source: 0.0, 0.1, ... 0.9, then round again; counts its draws.
struct Draws {
    int taken = 0;
    float operator()() { return static_cast<float>(taken++ % 10) / 10.0f; }
};

// The full-screen core on two monitors side by side, pen red.
SaverCore TwoMonitorCore(Draws& draws, bool randomColors = true) {
    SphereScene settings = StartUpScene({.RandomPen = false, .FixedPen = kRed});
    settings.UseRandomColors = randomColors;
    SaverCore core({MonitorSphere{{}, settings}}, ColorPace::FullScreen,
                   [&draws] { return draws(); });
    core.LayOut({{0, 0, 640, 480}, {640, 0, 800, 600}}, 0, 0);
    return core;
}

// --- one pen for all spheres -------------------------------------------------------------------

TEST(SaverCorePen, EverySphereDrawsInTheOnePenAndTheCanvasHearsOfEachChange) {
    Draws draws;
    SaverCore core = TwoMonitorCore(draws);
    RecordingCanvas canvas;
    core.Tick(1000.0f, canvas);  // the first change is due at once, after the frame
    ASSERT_EQ(canvas.areas.size(), 2u);
    EXPECT_EQ(canvas.areas[1].Left, 640);
    ASSERT_EQ(canvas.pens.size(), 1u);
    const ColorValue changed = canvas.pens[0];
    EXPECT_NE(changed, kRed);
    EXPECT_EQ(core.PenColor(), changed);
    EXPECT_EQ(draws.taken, 6);  // one colour, six draws, for both spheres

    core.Tick(1000.1f, canvas);
    ASSERT_EQ(canvas.dotColors.size(), 4u);
    for (std::size_t frame = 0; frame < canvas.dotColors.size(); ++frame) {
        ASSERT_FALSE(canvas.dotColors[frame].empty());
        for (ColorValue color : canvas.dotColors[frame]) {
            EXPECT_EQ(color, frame < 2 ? kRed : changed) << "area " << frame;
        }
    }
}

TEST(SaverCorePen, TheSameDrawsGiveTheSameColours) {
    Draws first;
    Draws second;
    SaverCore a = TwoMonitorCore(first);
    SaverCore b = TwoMonitorCore(second);
    RecordingCanvas canvasA;
    RecordingCanvas canvasB;
    for (float now = 1000.0f; now < 1003.0f; now += 0.25f) {
        a.Tick(now, canvasA);
        b.Tick(now, canvasB);
    }
    EXPECT_GT(canvasA.pens.size(), 2u);
    EXPECT_EQ(canvasA.pens, canvasB.pens);
}

// --- when the colour changes -------------------------------------------------------------------

TEST(SaverCoreTiming, FullScreenChangesOnlyOnceHalfASecondHasPassed) {
    Draws draws;
    SaverCore core = TwoMonitorCore(draws);
    RecordingCanvas canvas;
    core.Tick(1000.0f, canvas);
    core.Tick(1000.0f, canvas);  // a clock held still: no second change
    core.Tick(1000.5f, canvas);  // exactly the interval: not yet
    EXPECT_EQ(canvas.pens.size(), 1u);
    core.Tick(1000.625f, canvas);
    EXPECT_EQ(canvas.pens.size(), 2u);
}

TEST(SaverCoreTiming, PreviewChangesAfterATenthOfASecond) {
    Draws draws;
    SphereScene scene = StartUpScene({.RandomPen = false, .FixedPen = kRed});
    scene.UseRandomColors = true;
    SetPreviewParameters(scene);
    SetPreviewCentre(scene, 152, 112);
    SaverCore core({MonitorSphere{{0, 0, 152, 112}, scene}}, ColorPace::Preview,
                   [&draws] { return draws(); });
    RecordingCanvas canvas;
    core.Tick(1000.0f, canvas);
    core.Tick(1000.0625f, canvas);
    EXPECT_EQ(canvas.pens.size(), 1u);
    core.Tick(1000.125f, canvas);
    EXPECT_EQ(canvas.pens.size(), 2u);
    ASSERT_EQ(canvas.areas.size(), 3u);
    EXPECT_EQ(canvas.areas[0].Width, 152);
}

TEST(SaverCoreTiming, NoChangeForAFixedColourNorDuringARestNorOnAFalseClock) {
    Draws draws;
    SaverCore fixed = TwoMonitorCore(draws, false);
    RecordingCanvas canvas;
    fixed.Tick(1000.0f, canvas);
    EXPECT_TRUE(canvas.pens.empty());
    EXPECT_EQ(fixed.PenColor(), kRed);

    SphereScene resting = StartUpScene({.RandomPen = false, .FixedPen = kRed});
    resting.UseRandomColors = true;
    SetFullScreenParameters(resting);
    SetFullScreenCentre(resting, 640, 480);
    resting.Radius = 20;
    resting.Speed = 20;
    resting.Pausing = true;
    resting.PauseStart = 999.0f;
    SaverCore core({MonitorSphere{{0, 0, 640, 480}, resting}}, ColorPace::FullScreen,
                   [&draws] { return draws(); });
    core.Tick(1000.0f, canvas);
    EXPECT_TRUE(canvas.pens.empty());

    SaverCore unclocked = TwoMonitorCore(draws);
    unclocked.Tick(-1.0f, canvas);
    EXPECT_TRUE(canvas.pens.empty());
    EXPECT_EQ(draws.taken, 0);
}

// --- new monitors --------------------------------------------------------------------------------

TEST(SaverCoreLayOut, NewMonitorsGetFreshSpheresAndKeepThePen) {
    Draws draws;
    SaverCore core = TwoMonitorCore(draws);
    RecordingCanvas canvas;
    for (float now = 1000.0f; now < 1001.0f; now += 0.1f) core.Tick(now, canvas);
    const ColorValue pen = core.PenColor();
    ASSERT_GT(core.Spheres().front().Scene.Radius, 20);

    // One monitor left: the window now starts at its corner.
    core.LayOut({{100, 50, 1024, 768}}, 100, 50);
    ASSERT_EQ(core.Spheres().size(), 1u);
    const MonitorSphere& sphere = core.Spheres().front();
    EXPECT_EQ(sphere.Area.Left, 0);
    EXPECT_EQ(sphere.Area.Width, 1024);
    EXPECT_EQ(sphere.Scene.Radius, 20);  // a fresh cycle
    EXPECT_EQ(sphere.Scene.CenterX, 1024 * 15 / 2);
    EXPECT_EQ(core.PenColor(), pen);

    // No monitors listed: the spheres stay rather than vanish.
    core.LayOut({}, 0, 0);
    EXPECT_EQ(core.Spheres().size(), 1u);
}

TEST(SaverCoreLayOut, ACoreWithoutSpheresDrawsNothing) {
    SaverCore core;
    RecordingCanvas canvas;
    core.Tick(1000.0f, canvas);
    core.LayOut({{0, 0, 640, 480}}, 0, 0);
    EXPECT_TRUE(core.Spheres().empty());
    EXPECT_TRUE(canvas.areas.empty());
    EXPECT_TRUE(canvas.pens.empty());
}

}  // namespace
}  // namespace globulon
