// The contract a front end starts the core through: the start-up pen, the seed as the one source
// of colours, a sphere per monitor or one preview sphere, and the screen's scale.
#include "core/front_end.h"

#include <gtest/gtest.h>

#include <vector>

#include "core/sphere/random_source.h"
#include "tests/core/sphere/recording_canvas.h"

namespace globulon {
namespace {

using testing::RecordingCanvas;

constexpr ColorValue kRed = MakeColor(255, 0, 0);
constexpr ColorValue kGreen = MakeColor(0, 255, 0);

StartUp RandomPen(std::uint32_t seed) {
    StartUp startUp;
    startUp.Seed = seed;
    return startUp;
}

// The pens set over two seconds of full-screen frames, ten a second.
std::vector<ColorValue> PensOverTwoSeconds(const StartUp& startUp) {
    SaverCore core = StartFullScreen(startUp, {{0, 0, 640, 480}});
    RecordingCanvas canvas;
    for (int frame = 0; frame < 20; ++frame) core.Tick(1000.0f + 0.1f * frame, canvas);
    return canvas.pens;
}

// The centre of the disc last drawn in area k, to a pixel (the box's corners are rounded).
PixelPoint DiscCentre(const RecordingCanvas& canvas, std::size_t k) {
    const PixelBox& box = canvas.discs.at(k).back();
    return {(box.Left + box.Right) / 2, (box.Top + box.Bottom) / 2};
}

// --- the pen and the seed ----------------------------------------------------------------------

TEST(StartUpPen, ARandomPenDrawsTheFirstFrameRedAndChangesRightAfter) {
    SaverCore core = StartFullScreen(RandomPen(1), {{0, 0, 640, 480}});
    EXPECT_EQ(core.PenColor(), kRed);
    RecordingCanvas canvas;
    core.Tick(1000.0f, canvas);
    ASSERT_EQ(canvas.dotColors.size(), 1u);
    for (ColorValue dot : canvas.dotColors[0]) EXPECT_EQ(dot, kRed);
    ASSERT_EQ(canvas.pens.size(), 1u);
    EXPECT_NE(canvas.pens[0], kRed);
}

TEST(StartUpPen, AFixedPenIsTheOnlyPen) {
    StartUp startUp;
    startUp.RandomPen = false;
    startUp.FixedPen = kGreen;
    EXPECT_TRUE(PensOverTwoSeconds(startUp).empty());
    EXPECT_EQ(StartPreview(startUp, 152, 112).PenColor(), kGreen);
    EXPECT_FALSE(StartUpScene(startUp).UseRandomColors);
}

TEST(StartUpSeed, TheSeedAloneChoosesTheColours) {
    const std::vector<ColorValue> pens = PensOverTwoSeconds(RandomPen(43200125));
    ASSERT_EQ(pens.size(), 4u);  // at once, then every half second
    EXPECT_NE(PensOverTwoSeconds(RandomPen(43200126)), pens);
    // Each colour is the next pick from the seed's generator, as the Windows program has always
    // drawn them from its clock's milliseconds.
    RandomSource random(43200125);
    for (ColorValue pen : pens) EXPECT_EQ(pen, PickColor(random.Draws()));
}

// --- monitors and the preview ------------------------------------------------------------------

TEST(StartFullScreen, EachMonitorItsOwnSphereInTheDrawingAreasCoordinates) {
    // The primary 1024x768 at 0,0 and an 800x600 monitor left of it: the area starts at -800.
    SaverCore core =
        StartFullScreen(RandomPen(1), {{0, 0, 1024, 768}, {-800, 0, 800, 600}}, -800, 0);
    RecordingCanvas canvas;
    core.Tick(1000.0f, canvas);
    ASSERT_EQ(canvas.areas.size(), 2u);
    EXPECT_EQ(canvas.areas[0].Left, 800);
    EXPECT_EQ(canvas.areas[0].Width, 1024);
    EXPECT_EQ(canvas.areas[1].Left, 0);
    EXPECT_EQ(canvas.areas[1].Width, 800);
    EXPECT_NEAR(DiscCentre(canvas, 0).X, 512, 1);
    EXPECT_NEAR(DiscCentre(canvas, 0).Y, 384, 1);
    EXPECT_NEAR(DiscCentre(canvas, 1).X, 400, 1);
    EXPECT_NEAR(DiscCentre(canvas, 1).Y, 300, 1);
}

TEST(StartFullScreen, WithoutMonitorsNothingShowsUntilTheyAreLaidOut) {
    SaverCore core = StartFullScreen(RandomPen(1), {});
    RecordingCanvas canvas;
    core.Tick(1000.0f, canvas);
    for (const PixelRect& area : canvas.areas) EXPECT_EQ(area.Width * area.Height, 0);
    core.LayOut({{0, 0, 640, 480}}, 0, 0);
    core.Tick(1000.1f, canvas);
    EXPECT_EQ(canvas.areas.back().Width, 640);
    EXPECT_NEAR(DiscCentre(canvas, canvas.areas.size() - 1).X, 320, 1);
}

TEST(StartPreview, OneSmallerQuickerSphereCentredInTheClientArea) {
    SaverCore preview = StartPreview(RandomPen(1), 152, 112);
    SaverCore fullScreen = StartFullScreen(RandomPen(1), {{0, 0, 152, 112}});
    RecordingCanvas previewCanvas;
    RecordingCanvas fullScreenCanvas;
    for (float now = 1000.0f; now < 1000.55f; now += 0.125f) {
        preview.Tick(now, previewCanvas);
        fullScreen.Tick(now, fullScreenCanvas);
    }
    ASSERT_EQ(previewCanvas.areas.size(), 5u);
    EXPECT_EQ(previewCanvas.areas[0].Width, 152);
    EXPECT_NEAR(DiscCentre(previewCanvas, 0).X, 76, 1);
    EXPECT_NEAR(DiscCentre(previewCanvas, 0).Y, 56, 1);
    // Its first disc is smaller, and its colours change every tenth of a second.
    const PixelBox& previewDisc = previewCanvas.discs[0].back();
    const PixelBox& fullScreenDisc = fullScreenCanvas.discs[0].back();
    EXPECT_LT(previewDisc.Right - previewDisc.Left, fullScreenDisc.Right - fullScreenDisc.Left);
    EXPECT_EQ(previewCanvas.pens.size(), 5u);
    EXPECT_EQ(fullScreenCanvas.pens.size(), 1u);
}

// --- the screen's scale -----------------------------------------------------------------------

TEST(TwipsPerPixel, FromTheScreensDotsPerInch) {
    EXPECT_EQ(TwipsPerPixelForDpi(96), 15);
    EXPECT_EQ(TwipsPerPixelForDpi(120), 12);
    EXPECT_EQ(TwipsPerPixelForDpi(144), 10);
    EXPECT_EQ(TwipsPerPixelForDpi(100000), 1);  // never 0, which nothing can divide by
    for (int unknown : {0, -96}) EXPECT_EQ(TwipsPerPixelForDpi(unknown), TwipsPerPixelAt96Dpi);
}

TEST(TwipsPerPixel, AFinerScreenDrawsTheSphereOnMorePixels) {
    StartUp at96 = RandomPen(1);
    StartUp at144 = at96;
    at144.TwipsPerPixelX = TwipsPerPixelForDpi(144);
    at144.TwipsPerPixelY = TwipsPerPixelForDpi(144);
    RecordingCanvas canvas96;
    RecordingCanvas canvas144;
    SaverCore core96 = StartFullScreen(at96, {{0, 0, 1920, 1080}});
    SaverCore core144 = StartFullScreen(at144, {{0, 0, 1920, 1080}});
    for (int frame = 0; frame < 10; ++frame) {
        core96.Tick(1000.0f + 0.1f * frame, canvas96);
        core144.Tick(1000.0f + 0.1f * frame, canvas144);
    }
    const PixelBox& disc96 = canvas96.discs.back().back();
    const PixelBox& disc144 = canvas144.discs.back().back();
    EXPECT_GT(disc144.Right - disc144.Left, disc96.Right - disc96.Left);
}

}  // namespace
}  // namespace globulon
