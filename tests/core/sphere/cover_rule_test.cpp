// When the disc covers the whole drawing area, so that a fill of the area gives the same pixels.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>

#include "core/sphere/sphere_model.h"

namespace globulon {
namespace {

constexpr std::int16_t kTwipsPerPixel = 15;

SphereScene FullScreenScene(int width, int height) {
    SphereScene scene;
    scene.TwipsPerPixelX = kTwipsPerPixel;
    scene.TwipsPerPixelY = kTwipsPerPixel;
    SetFullScreenParameters(scene);
    SetFullScreenCentre(scene, width, height);
    return scene;
}

// The smallest radius in twips (up to the turn-round radius) at which the disc covers the area;
// 0 when none does.
std::int32_t FirstCoveringRadius(SphereScene scene) {
    for (scene.Radius = 0; scene.Radius <= scene.RadiusLimit; ++scene.Radius) {
        if (DiscCoversArea(scene)) return scene.Radius;
    }
    return 0;
}

// Half the area's diagonal in pixels: the radius at which the ideal circle reaches the corners.
double HalfDiagonalPixels(int width, int height) {
    return std::hypot(width / 2.0, height / 2.0);
}

TEST(DiscCoversArea, BeginsJustPastTheCornersWithRoomForTheOutline) {
    for (const auto& [width, height] :
         {std::pair{1920, 1080}, {1024, 768}, {640, 480}, {152, 112}, {200, 160}, {201, 161}}) {
        SphereScene scene = FullScreenScene(width, height);
        const std::int32_t first = FirstCoveringRadius(scene);
        ASSERT_GT(first, 0) << width << "x" << height;
        const double firstPixels = static_cast<double>(first) / kTwipsPerPixel;
        // Never while the outline can still cross a corner pixel; never much later than needed.
        EXPECT_GT(firstPixels, HalfDiagonalPixels(width, height) + 1.5) << width << "x" << height;
        EXPECT_LT(firstPixels, HalfDiagonalPixels(width, height) + 4.0) << width << "x" << height;
        scene.Radius = first - 1;
        EXPECT_FALSE(DiscCoversArea(scene)) << width << "x" << height;
    }
}

TEST(DiscCoversArea, NotWhenThereIsNoArea) {
    // No centre set (a window of no size): nothing to fill, whatever the radius.
    SphereScene scene;
    scene.TwipsPerPixelX = kTwipsPerPixel;
    scene.TwipsPerPixelY = kTwipsPerPixel;
    scene.Radius = 100000;
    EXPECT_FALSE(DiscCoversArea(scene));
}

}  // namespace
}  // namespace globulon
