// The parameter sets and the centre and turn-round radius of the full screen and the preview.
#include <gtest/gtest.h>

#include <vector>

#include "core/sphere/sphere_model.h"

namespace globulon {
namespace {

SphereScene SceneAt15TwipsPerPixel() {
    SphereScene scene;
    scene.TwipsPerPixelX = 15;
    scene.TwipsPerPixelY = 15;
    return scene;
}

// RadiusMin, Radius, Speed, then the three growing and the three shrinking speeds.
std::vector<int> ParameterSet(const SphereScene& scene) {
    return {scene.RadiusMin,      scene.Radius,         scene.Speed,
            scene.GrowSpeed[0],   scene.GrowSpeed[1],   scene.GrowSpeed[2],
            scene.ShrinkSpeed[0], scene.ShrinkSpeed[1], scene.ShrinkSpeed[2]};
}

TEST(ParameterSets, FullScreenAndPreview) {
    SphereScene scene;
    SetFullScreenParameters(scene);
    EXPECT_EQ(ParameterSet(scene), (std::vector<int>{20, 20, 20, 20, 400, 1200, 40, 600, 1200}));
    SetPreviewParameters(scene);
    EXPECT_EQ(ParameterSet(scene), (std::vector<int>{10, 10, 10, 20, 200, 400, 20, 200, 400}));
}

TEST(Centre, FullScreen1920By1080) {
    SphereScene scene = SceneAt15TwipsPerPixel();
    SetFullScreenCentre(scene, 1920, 1080);
    EXPECT_EQ(scene.CenterX, 14400.0f);
    EXPECT_EQ(scene.CenterY, 8100.0f);
    EXPECT_EQ(scene.RadiusLimit, 97200);
}

TEST(Centre, OddScreenSizeKeepsTheHalfTwip) {
    SphereScene scene;
    scene.TwipsPerPixelX = 15;
    scene.TwipsPerPixelY = 12;
    SetFullScreenCentre(scene, 1025, 769);
    EXPECT_EQ(scene.CenterX, 7687.5f);
    EXPECT_EQ(scene.CenterY, 4614.0f);
    EXPECT_EQ(scene.RadiusLimit, 12 * 4614);
}

TEST(Centre, Preview152By112) {
    SphereScene scene = SceneAt15TwipsPerPixel();
    SetPreviewCentre(scene, 152, 112);
    EXPECT_EQ(scene.CenterX, 1140.0f);
    EXPECT_EQ(scene.CenterY, 840.0f);
    EXPECT_EQ(scene.RadiusLimit, 10080);
}

TEST(Centre, PreviewOfOddWidthAndNoArea) {
    SphereScene scene = SceneAt15TwipsPerPixel();
    SetPreviewCentre(scene, 151, 0);
    EXPECT_EQ(scene.CenterX, 1132.5f);
    EXPECT_EQ(scene.CenterY, 0.0f);
    EXPECT_EQ(scene.RadiusLimit, 0);
}

TEST(Centre, PreviewTooLargeForThirtyTwoBitTwipsKeepsTheOldCentre) {
    SphereScene scene = SceneAt15TwipsPerPixel();
    SetPreviewCentre(scene, 152, 112);
    SetPreviewCentre(scene, 200000000, 112);
    EXPECT_EQ(scene.CenterX, 1140.0f);
    EXPECT_EQ(scene.CenterY, 840.0f);
    EXPECT_EQ(scene.RadiusLimit, 10080);
}

}  // namespace
}  // namespace globulon
