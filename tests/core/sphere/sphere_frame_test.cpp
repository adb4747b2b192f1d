// One frame on a recording canvas: which figures, in which order, and when the picture clears.
#include "core/sphere/sphere_frame.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/front_end.h"

namespace globulon {
namespace {

// One canvas call: its kind and its points (the disc's box as two corners).
struct Call {
    char Kind;  // 'D' disc, 'F' area fill, 'M' move and dot, 'L' line, 'C' clear
    PixelPoint A;
    PixelPoint B;
    ColorValue Color = 0;
};

class RecordingCanvas final : public FrameCanvas {
  public:
    void Disc(const PixelBox& box) override {
        calls.push_back({'D', {box.Left, box.Top}, {box.Right, box.Bottom}});
    }
    void FillArea(const PixelBox& area) override {
        calls.push_back({'F', {area.Left, area.Top}, {area.Right, area.Bottom}});
    }
    void MoveDot(const PixelPoint& point, ColorValue color) override {
        calls.push_back({'M', point, {}, color});
    }
    void LineTo(const PixelPoint& point) override { calls.push_back({'L', point, {}}); }
    void ClearPicture() override { calls.push_back({'C', {}, {}}); }

    std::string Kinds() const {
        std::string kinds;
        for (const Call& call : calls) kinds += call.Kind;
        return kinds;
    }
    std::vector<Call> calls;
};

constexpr ColorValue kPen = MakeColor(0, 255, 0);

// The full-screen sphere on a 200 x 160 pixel area at 15 twips per pixel, thirteen rim points.
SphereScene SmallScreenScene() {
    SphereScene scene = StartUpScene({.RandomPen = false, .FixedPen = kPen});
    SetFullScreenParameters(scene);
    SetFullScreenCentre(scene, 200, 160);
    return scene;
}

bool operator==(const PixelPoint& a, const PixelPoint& b) {
    return a.X == b.X && a.Y == b.Y;
}

// --- what one frame draws ------------------------------------------------------------------

TEST(DrawSphereFrame, DiscThenEveryRimPointJoinedToEveryLaterOne) {
    SphereScene scene = SmallScreenScene();
    BuildRim(scene);
    RecordingCanvas canvas;
    DrawSphereFrame(scene, 1000.0f, kPen, canvas);

    // 14 rim entries give 14 * 13 / 2 = 91 chords, each a dot and a line.
    ASSERT_EQ(canvas.calls.size(), 1u + 2u * 91u);
    EXPECT_EQ(canvas.Kinds().substr(0, 5), "DMLML");
    std::size_t next = 1;
    for (int i = 0; i <= 13; ++i) {
        for (int j = i + 1; j <= 13; ++j) {
            const Call& dot = canvas.calls[next++];
            const Call& line = canvas.calls[next++];
            ASSERT_EQ(dot.Kind, 'M');
            ASSERT_EQ(line.Kind, 'L');
            EXPECT_TRUE(dot.A == RimPointPixel(scene, i)) << i << "," << j;
            EXPECT_TRUE(line.A == RimPointPixel(scene, j)) << i << "," << j;
            EXPECT_EQ(dot.Color, kPen);
        }
    }
    // The last entry coincides with the first: the chord (0, 13) is a dot alone.
    EXPECT_TRUE(canvas.calls[2 * 13 - 1].A == canvas.calls[2 * 13].A);
}

TEST(DrawSphereFrame, DiscCoveringTheAreaBecomesAFillOfTheArea) {
    SphereScene scene = SmallScreenScene();
    scene.Radius = 3000;  // 200 pixels: far past the corners of the 200 x 160 area
    scene.Speed = 1200;
    BuildRim(scene);
    RecordingCanvas canvas;
    DrawSphereFrame(scene, 1000.0f, kPen, canvas);
    ASSERT_TRUE(DiscCoversArea(scene));
    EXPECT_EQ(canvas.Kinds().substr(0, 3), "FML");
    EXPECT_EQ(canvas.calls.size(), 1u + 2u * 91u);
    EXPECT_TRUE(canvas.calls.front().A == (PixelPoint{0, 0}));
    EXPECT_TRUE(canvas.calls.front().B == (PixelPoint{200, 160}));
}

// --- clearing after the rest ---------------------------------------------------------------

TEST(DrawSphereFrame, ClearsBeforeTheDiscOnceTheRestHasEndedNeverDuringIt) {
    SphereScene scene = SmallScreenScene();
    scene.Radius = 20;
    scene.Speed = 20;
    scene.Pausing = true;
    scene.PauseStart = 1000.0f;
    BuildRim(scene);
    RecordingCanvas resting;
    DrawSphereFrame(scene, 1002.9f, kPen, resting);
    EXPECT_EQ(resting.Kinds().find('C'), std::string::npos);
    RecordingCanvas rested;
    DrawSphereFrame(scene, 1003.5f, kPen, rested);
    EXPECT_EQ(rested.Kinds().substr(0, 2), "CD");
    EXPECT_FALSE(scene.Pausing);
}

}  // namespace
}  // namespace globulon
