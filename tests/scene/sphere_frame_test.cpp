// One frame on a recording canvas: which figures, in which order, when the picture clears, and
// what a frame drawn over the last one takes back.
#include "scene/sphere_frame.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/scene/scene_settings.h"

namespace globulon {
namespace {

// One canvas call: its kind and its points (the disc's box as two corners).
struct Call {
    char Kind;  // 'D' disc, 'F' area fill, 'M' move and dot, 'L' line, 'C' clear,
                // 'X' chord erased
    PixelPoint A;
    PixelPoint B;
    ColorValue Color = 0;
};

class RecordingCanvas final : public ReusingCanvas {
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
    void EraseChord(const PixelPoint& from, const PixelPoint& to) override {
        calls.push_back({'X', from, to});
    }

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
    SphereScene scene = testing::StartUpScene(kPen);
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
    DrawSphereFrame(scene, 1000.0f, canvas);

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
    DrawSphereFrame(scene, 1000.0f, canvas);
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
    DrawSphereFrame(scene, 1002.9f, resting);
    EXPECT_EQ(resting.Kinds().find('C'), std::string::npos);
    RecordingCanvas rested;
    DrawSphereFrame(scene, 1003.5f, rested);
    EXPECT_EQ(rested.Kinds().substr(0, 2), "CD");
    EXPECT_FALSE(scene.Pausing);
}

// --- drawing over the last frame -------------------------------------------------------------

TEST(RedrawSphereFrame, OverACoveringFrameTakesItsChordsBackInsteadOfFilling) {
    SphereScene scene = SmallScreenScene();
    scene.Radius = 3000;  // far past the corners of the 200 x 160 area, and growing
    scene.Speed = 30;
    DrawnFrame last;
    BuildRim(scene);
    RecordingCanvas first;
    RedrawSphereFrame(scene, 1000.0f, first, last);
    EXPECT_EQ(first.Kinds().substr(0, 3), "FML");  // nothing to build on yet
    ASSERT_TRUE(last.BlackButChords);
    ASSERT_EQ(last.Rim.size(), 14u);
    EXPECT_TRUE(last.Rim[5] == RimPointPixel(scene, 5));

    const DrawnFrame before = last;
    BuildRim(scene);
    RecordingCanvas second;
    RedrawSphereFrame(scene, 1000.0f, second, last);
    const std::string kinds = second.Kinds();
    EXPECT_EQ(kinds, std::string(91, 'X') + first.Kinds().substr(1));
    // The erased chords are the last frame's, in its order.
    EXPECT_TRUE(second.calls[0].A == before.Rim[0] && second.calls[0].B == before.Rim[1]);
    EXPECT_TRUE(second.calls[90].A == before.Rim[12] && second.calls[90].B == before.Rim[13]);
}

TEST(RedrawSphereFrame, TheWholeDiscOrFillWhenTheLastFrameCannotBeBuiltOn) {
    SphereScene scene = SmallScreenScene();
    scene.Radius = 900;  // 60 pixels: the disc ends inside the area
    scene.Speed = 30;
    DrawnFrame last;
    BuildRim(scene);
    RecordingCanvas inside;
    RedrawSphereFrame(scene, 1000.0f, inside, last);
    RedrawSphereFrame(scene, 1000.0f, inside, last);
    EXPECT_EQ(inside.Kinds().find('X'), std::string::npos);
    EXPECT_FALSE(last.BlackButChords);

    // Covering, but the picture was painted over since (the loop says so).
    scene.Radius = 3000;
    RecordingCanvas covering;
    RedrawSphereFrame(scene, 1000.0f, covering, last);
    last.BlackButChords = false;
    RedrawSphereFrame(scene, 1000.0f, covering, last);
    EXPECT_EQ(covering.Kinds().find('X'), std::string::npos);

    // The rest has ended: the clear took the picture.
    ASSERT_TRUE(last.BlackButChords);
    scene.Pausing = true;
    scene.PauseStart = 1000.0f;
    RecordingCanvas rested;
    RedrawSphereFrame(scene, 1003.5f, rested, last);
    EXPECT_EQ(rested.Kinds().substr(0, 3), "CFM");
}

}  // namespace
}  // namespace globulon
