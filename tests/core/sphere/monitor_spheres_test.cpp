// One sphere per monitor: each set up exactly as a single screen of its size, in its own area.
#include "core/sphere/monitor_spheres.h"

#include <gtest/gtest.h>

#include "core/front_end.h"

namespace globulon {
namespace {

TEST(SpheresForMonitors, OneMonitorIsTheSingleScreenItAlwaysWas) {
    SphereScene single = StartUpScene({});
    SetFullScreenParameters(single);
    SetFullScreenCentre(single, 1920, 1080);
    const auto spheres = SpheresForMonitors(StartUpScene({}), {{0, 0, 1920, 1080}}, 0, 0);
    ASSERT_EQ(spheres.size(), 1u);
    const SphereScene& scene = spheres[0].Scene;
    EXPECT_EQ(scene.CenterX, single.CenterX);
    EXPECT_EQ(scene.CenterY, single.CenterY);
    EXPECT_EQ(scene.RadiusLimit, single.RadiusLimit);
    EXPECT_EQ(scene.Radius, single.Radius);
    EXPECT_EQ(scene.Speed, single.Speed);
    EXPECT_EQ(spheres[0].Area.Left, 0);
    EXPECT_EQ(spheres[0].Area.Width, 1920);
}

TEST(SpheresForMonitors, EachMonitorHasItsOwnCentreAndAreaInTheWindow) {
    SphereScene settings = StartUpScene({.RandomPen = false, .FixedPen = MakeColor(1, 2, 3)});
    settings.Pausing = true;  // a layout change in the middle of a rest
    // The primary 1024x768 at 0,0 and an 800x600 monitor left of it: the window starts at -800.
    const auto spheres =
        SpheresForMonitors(settings, {{0, 0, 1024, 768}, {-800, 0, 800, 600}}, -800, 0);
    ASSERT_EQ(spheres.size(), 2u);
    EXPECT_EQ(spheres[0].Area.Left, 800);
    EXPECT_EQ(spheres[1].Area.Left, 0);
    EXPECT_EQ(spheres[0].Scene.CenterX, 1024 * 15 / 2);
    EXPECT_EQ(spheres[1].Scene.CenterY, 600 * 15 / 2);
    EXPECT_GT(spheres[0].Scene.RadiusLimit, spheres[1].Scene.RadiusLimit);
    for (const MonitorSphere& sphere : spheres) {
        EXPECT_FALSE(sphere.Scene.Pausing);  // a fresh cycle
        EXPECT_EQ(sphere.Scene.PenColor, MakeColor(1, 2, 3));
    }
}

}  // namespace
}  // namespace globulon
