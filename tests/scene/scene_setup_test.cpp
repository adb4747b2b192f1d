// The parameter sets and the centre and turn-round radius of the full screen and the preview.
#include <gtest/gtest.h>

#include "scene/sphere_model.h"

namespace globulon {
namespace {

SphereScene SceneAt15TwipsPerPixel() {
    SphereScene scene;
    scene.TwipsPerPixelX = 15;
    scene.TwipsPerPixelY = 15;
    return scene;
}

TEST(ParameterSets, FullScreen) {
    SphereScene scene;
    SetFullScreenParameters(scene);
    EXPECT_EQ(scene.RadiusMin, 20);
    EXPECT_EQ(scene.Radius, 20);
    EXPECT_EQ(scene.Speed, 20);
    EXPECT_EQ(scene.GrowSpeed[0], 20);
    EXPECT_EQ(scene.GrowSpeed[1], 400);
    EXPECT_EQ(scene.GrowSpeed[2], 1200);
    EXPECT_EQ(scene.ShrinkSpeed[0], 40);
    EXPECT_EQ(scene.ShrinkSpeed[1], 600);
    EXPECT_EQ(scene.ShrinkSpeed[2], 1200);
}

TEST(ParameterSets, Preview) {
    SphereScene scene;
    SetPreviewParameters(scene);
    EXPECT_EQ(scene.RadiusMin, 10);
    EXPECT_EQ(scene.Radius, 10);
    EXPECT_EQ(scene.Speed, 10);
    EXPECT_EQ(scene.GrowSpeed[0], 20);
    EXPECT_EQ(scene.GrowSpeed[1], 200);
    EXPECT_EQ(scene.GrowSpeed[2], 400);
    EXPECT_EQ(scene.ShrinkSpeed[0], 20);
    EXPECT_EQ(scene.ShrinkSpeed[1], 200);
    EXPECT_EQ(scene.ShrinkSpeed[2], 400);
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
