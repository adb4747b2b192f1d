// Pixel positions of the rim points and of the disc's bounding box.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "core/sphere/sphere_model.h"

namespace globulon {
namespace {

SphereScene SceneAt(float centerX, float centerY, std::int32_t radius, std::int16_t twipsPerPixel) {
    SphereScene scene;
    scene.CenterX = centerX;
    scene.CenterY = centerY;
    scene.Radius = radius;
    scene.TwipsPerPixelX = twipsPerPixel;
    scene.TwipsPerPixelY = twipsPerPixel;
    return scene;
}

TEST(RimPointPixel, TwipsAreRoundedThenDividedTruncating) {
    SphereScene scene = SceneAt(14400.0f, 8100.0f, 1000, 15);
    scene.Rim = {{1.0, 0.0}, {0.0, 1.0}, {-1.0, 0.0}, {0.6, -0.8}};
    EXPECT_EQ(RimPointPixel(scene, 0).X, 1026);  // 15400 / 15 = 1026.67
    EXPECT_EQ(RimPointPixel(scene, 0).Y, 540);
    EXPECT_EQ(RimPointPixel(scene, 1).X, 960);
    EXPECT_EQ(RimPointPixel(scene, 1).Y, 606);  // 9100 / 15 = 606.67
    EXPECT_EQ(RimPointPixel(scene, 2).X, 893);  // 13400 / 15 = 893.33
    EXPECT_EQ(RimPointPixel(scene, 3).X, 1000);
    EXPECT_EQ(RimPointPixel(scene, 3).Y, 486);  // 7300 / 15 = 486.67
}

TEST(RimPointPixel, HalvesRoundToEvenInBothSteps) {
    SphereScene scene = SceneAt(100.5f, 101.5f, 5, 1);
    scene.Rim = {{0.5, 0.5}, {0.7, 0.3}};
    // rnd(5 * 0.5) = 2; rnd(100.5 + 2) = 102, rnd(101.5 + 2) = 104.
    EXPECT_EQ(RimPointPixel(scene, 0).X, 102);
    EXPECT_EQ(RimPointPixel(scene, 0).Y, 104);
    // rnd(3.5) = 4, rnd(1.5) = 2; rnd(104.5) = 104, rnd(103.5) = 104.
    EXPECT_EQ(RimPointPixel(scene, 1).X, 104);
    EXPECT_EQ(RimPointPixel(scene, 1).Y, 104);
}

TEST(RimPointPixel, NegativeTwipsTruncateTowardZero) {
    SphereScene scene = SceneAt(0.0f, 0.0f, 20, 15);
    scene.Rim = {{-1.0, -1.0}};
    EXPECT_EQ(RimPointPixel(scene, 0).X, -1);  // -20 / 15, not -2
    EXPECT_EQ(RimPointPixel(scene, 0).Y, -1);
}

TEST(RimPointPixel, RadiusAtTheEndOfTheRangeStaysOnItsSide) {
    SphereScene scene = SceneAt(0.0f, 0.0f, std::numeric_limits<std::int32_t>::min(), 1);
    scene.Rim = {{-1.0, 1.0}};
    EXPECT_EQ(RimPointPixel(scene, 0).X, std::numeric_limits<std::int32_t>::max());
    EXPECT_EQ(RimPointPixel(scene, 0).Y, std::numeric_limits<std::int32_t>::min());
}

TEST(RimPointPixel, RimPointNotANumberLiesOnTheCentre) {
    SphereScene scene = SceneAt(150.0f, 300.0f, 1000, 15);
    scene.Rim = {{NAN, NAN}};
    EXPECT_EQ(RimPointPixel(scene, 0).X, 10);
    EXPECT_EQ(RimPointPixel(scene, 0).Y, 20);
}

TEST(DiscBox, PreviewDiscOfTheSmallestRadius) {
    const PixelBox box = DiscBox(SceneAt(1140.0f, 840.0f, 10, 15));
    EXPECT_EQ(box.Left, 75);    // 1130 / 15
    EXPECT_EQ(box.Top, 55);     // 830 / 15
    EXPECT_EQ(box.Right, 76);   // 1150 / 15
    EXPECT_EQ(box.Bottom, 56);  // 850 / 15
}

TEST(DiscBox, FarOutsideTheScreen) {
    const PixelBox box = DiscBox(SceneAt(14400.0f, 8100.0f, 98120, 15));
    EXPECT_EQ(box.Left, -5581);   // -83720 / 15 = -5581.33
    EXPECT_EQ(box.Top, -6001);    // -90020 / 15 = -6001.33
    EXPECT_EQ(box.Right, 7501);   // 112520 / 15 = 7501.33
    EXPECT_EQ(box.Bottom, 7081);  // 106220 / 15 = 7081.33
}

TEST(DiscBox, HalfTwipCentreRoundsToEven) {
    const PixelBox box = DiscBox(SceneAt(7687.5f, 4614.5f, 0, 1));
    EXPECT_EQ(box.Left, 7688);
    EXPECT_EQ(box.Right, 7688);
    EXPECT_EQ(box.Top, 4614);
    EXPECT_EQ(box.Bottom, 4614);
}

TEST(DiscBox, UnknownScreenScaleCountsOneTwipPerPixel) {
    const PixelBox box = DiscBox(SceneAt(100.0f, 50.0f, 10, 0));  // no division by zero
    EXPECT_EQ(box.Left, 90);
    EXPECT_EQ(box.Bottom, 60);
}

}  // namespace
}  // namespace globulon
