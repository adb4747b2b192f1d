// The rim: how it turns each frame and the table of point directions it leaves behind.
#include <gtest/gtest.h>

#include <cmath>

#include "core/sphere/sphere_model.h"

namespace globulon {
namespace {

constexpr double kPi = 3.14159265358979323846;

SphereScene SceneWithRim() {
    SphereScene scene;
    scene.Pi = 4.0 * std::atan(1.0);
    scene.RimMax = 13;
    return scene;
}

TEST(MinOf, RoundsTheSmallerHalfToEven) {
    EXPECT_EQ(MinOf(5.5f, 7.0f), 6);
    EXPECT_EQ(MinOf(7.0f, 5.5f), 6);
    EXPECT_EQ(MinOf(2.5f, 9.0f), 2);
    EXPECT_EQ(MinOf(-2.5f, 1.0f), -2);
    EXPECT_EQ(MinOf(8100.4f, 14400.0f), 8100);
}

TEST(MinOf, EqualValuesGiveThatValueRounded) {
    EXPECT_EQ(MinOf(3.5f, 3.5f), 4);
    EXPECT_EQ(MinOf(4.5f, 4.5f), 4);
    EXPECT_EQ(MinOf(840.0f, 840.0f), 840);
}

TEST(BuildRim, FirstFrameTurnsByThreeDegreesAndFillsFourteenEntries) {
    SphereScene scene = SceneWithRim();
    BuildRim(scene);
    EXPECT_NEAR(scene.AngleStep, 0.483321946706122, 1e-15);
    EXPECT_DOUBLE_EQ(scene.Phase, kPi / 60);
    ASSERT_EQ(scene.Rim.size(), 14u);
    const double first = kPi / 60 + 2 * kPi / 13;
    EXPECT_NEAR(scene.Rim[0].X, std::cos(first), 1e-12);
    EXPECT_NEAR(scene.Rim[0].Y, std::sin(first), 1e-12);
    EXPECT_NEAR(scene.Rim[1].X, std::cos(first + 2 * kPi / 13), 1e-12);
    // The last entry lies a full turn past the first: 13 distinct points on the rim.
    EXPECT_NEAR(scene.Rim[13].X, scene.Rim[0].X, 1e-12);
    EXPECT_NEAR(scene.Rim[13].Y, scene.Rim[0].Y, 1e-12);
    for (const RimPoint& point : scene.Rim) {
        EXPECT_NEAR(point.X * point.X + point.Y * point.Y, 1.0, 1e-12);
    }
}

TEST(BuildRim, RebuildingKeepsFourteenEntries) {
    SphereScene scene = SceneWithRim();
    for (int frame = 0; frame < 5; ++frame) BuildRim(scene);
    EXPECT_EQ(scene.Rim.size(), 14u);
    EXPECT_NEAR(scene.Phase, 5 * kPi / 60, 1e-12);
}

TEST(BuildRim, TurnsWithTheDirectionOfTheLastSpeed) {
    SphereScene scene = SceneWithRim();
    scene.Speed = 0;  // a speed of zero counts as growing
    BuildRim(scene);
    EXPECT_DOUBLE_EQ(scene.Phase, kPi / 60);
    scene.Speed = -40;
    BuildRim(scene);
    BuildRim(scene);
    EXPECT_NEAR(scene.Phase, -kPi / 60, 1e-15);
}

TEST(BuildRim, PhasePastOneStepIsReducedOnceInTheSameCall) {
    SphereScene scene = SceneWithRim();
    const double step = 2 * kPi / 13;
    scene.Phase = step - kPi / 120;
    BuildRim(scene);
    EXPECT_NEAR(scene.Phase, kPi / 120, 1e-12);
    // A phase far above is reduced by one step only.
    scene.Phase = 3 * step;
    BuildRim(scene);
    EXPECT_NEAR(scene.Phase, 2 * step + kPi / 60, 1e-12);
}

TEST(BuildRim, FallingPhaseIsNeverRaised) {
    SphereScene scene = SceneWithRim();
    scene.Speed = -600;
    scene.Phase = -50.0;
    BuildRim(scene);
    EXPECT_NEAR(scene.Phase, -50.0 - kPi / 60, 1e-12);
    // The points still lie where the phase says.
    EXPECT_NEAR(scene.Rim[0].X, std::cos(scene.Phase + 2 * kPi / 13), 1e-12);
}

TEST(BuildRim, SceneWithoutRimCountLeavesAnEmptyTable) {
    SphereScene scene;  // nothing set up: no division by a zero rim count
    BuildRim(scene);
    EXPECT_TRUE(scene.Rim.empty());
}

}  // namespace
}  // namespace globulon
