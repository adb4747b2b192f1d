// The radius rule: speed zones, turn-round, the rest at the smallest size and the clearing after.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "core/sphere/sphere_model.h"

namespace globulon {
namespace {

SphereScene FullScreen1920By1080() {
    SphereScene scene;
    scene.TwipsPerPixelX = 15;
    scene.TwipsPerPixelY = 15;
    SetFullScreenParameters(scene);
    SetFullScreenCentre(scene, 1920, 1080);
    return scene;
}

// The full-screen sphere resting at its smallest size since the clock read pauseStart.
SphereScene RestingSince(float pauseStart) {
    SphereScene scene = FullScreen1920By1080();
    scene.Radius = 20;
    scene.Speed = 20;
    scene.Pausing = true;
    scene.PauseStart = pauseStart;
    return scene;
}

// A run of frames that moved the radius by the same step.
struct SpeedRun {
    int Step;
    int Frames;
    int RadiusAfter;
    bool operator==(const SpeedRun&) const = default;
};

void PrintTo(const SpeedRun& run, std::ostream* out) {
    *out << run.Frames << " x " << run.Step << " to " << run.RadiusAfter;
}

// Frames until the rest begins, as runs of equal speed; clock is left at the rest's start.
std::vector<SpeedRun> RunsUntilRest(SphereScene& scene, float& clock) {
    std::vector<SpeedRun> runs;
    for (int frame = 0; frame < 10000; ++frame) {
        ApplyRadiusRule(scene, clock);
        if (scene.Pausing) break;
        clock += 0.1f;
        if (runs.empty() || runs.back().Step != scene.Speed) runs.push_back({scene.Speed, 0, 0});
        ++runs.back().Frames;
        runs.back().RadiusAfter = scene.Radius;
    }
    return runs;
}

TEST(RadiusRule, FullScreenCycleOf1920By1080) {
    SphereScene scene = FullScreen1920By1080();
    float clock = 1000.0f;
    const std::vector<SpeedRun> expected = {
        {20, 405, 8120},    {400, 102, 48920}, {1200, 41, 98120},
        {-1200, 42, 47720}, {-600, 56, 14120}, {-40, 353, 20},  // 0 raised to RadiusMin
    };
    EXPECT_EQ(RunsUntilRest(scene, clock), expected);
}

TEST(RadiusRule, RestKeepsTheRadiusForThreeSecondsThenClears) {
    SphereScene scene = FullScreen1920By1080();
    float clock = 1000.0f;
    RunsUntilRest(scene, clock);
    // The frame that found the smallest radius started the rest, turning the speed forward.
    ASSERT_TRUE(scene.Pausing);
    EXPECT_EQ(scene.Speed, 40);
    EXPECT_EQ(scene.Radius, 20);
    const float restStart = scene.PauseStart;
    EXPECT_EQ(restStart, clock);

    // From the second frame on the growing branch gives the slow speed; the radius stays.
    EXPECT_FALSE(ApplyRadiusRule(scene, restStart + 0.1f));
    EXPECT_EQ(scene.Speed, 20);
    EXPECT_EQ(scene.Radius, 20);
    EXPECT_FALSE(ApplyRadiusRule(scene, restStart + 2.9f));
    EXPECT_TRUE(scene.Pausing);
    EXPECT_EQ(scene.Radius, 20);

    // Past three seconds: the picture is cleared and the radius moves on.
    EXPECT_TRUE(ApplyRadiusRule(scene, restStart + 3.1f));
    EXPECT_FALSE(scene.Pausing);
    EXPECT_EQ(scene.Radius, 40);
    EXPECT_EQ(scene.Speed, 20);
    EXPECT_FALSE(ApplyRadiusRule(scene, restStart + 3.2f));
    EXPECT_EQ(scene.Radius, 60);
}

TEST(RadiusRule, SecondCycleRepeatsTheFirst) {
    SphereScene scene = FullScreen1920By1080();
    float clock = 1000.0f;
    const std::vector<SpeedRun> first = RunsUntilRest(scene, clock);
    do {
        clock += 0.1f;
    } while (!ApplyRadiusRule(scene, clock));
    // After the clearing frame (radius 40) the cycle goes on from step one, one frame shorter.
    std::vector<SpeedRun> second = RunsUntilRest(scene, clock);
    ASSERT_FALSE(second.empty());
    EXPECT_EQ(second[0], (SpeedRun{20, 404, 8120}));
    second.erase(second.begin());
    EXPECT_EQ(second, std::vector<SpeedRun>(first.begin() + 1, first.end()));
}

TEST(RadiusRule, PreviewCycleEndsInARest) {
    SphereScene scene;
    scene.TwipsPerPixelX = 15;
    scene.TwipsPerPixelY = 15;
    SetPreviewParameters(scene);
    SetPreviewCentre(scene, 152, 112);
    float clock = 500.0f;
    const std::vector<SpeedRun> runs = RunsUntilRest(scene, clock);
    ASSERT_TRUE(scene.Pausing);
    ASSERT_GE(runs.size(), 4u);
    EXPECT_EQ(runs.front().Step, 20);
    EXPECT_EQ(runs.back().Step, -20);
    EXPECT_EQ(runs.back().RadiusAfter, 10);
    EXPECT_EQ(scene.Speed, 20);
}

TEST(RadiusRule, RestOfExactlyThreeSecondsGoesOn) {
    SphereScene scene = RestingSince(100.0f);
    EXPECT_FALSE(ApplyRadiusRule(scene, 103.0f));
    EXPECT_TRUE(scene.Pausing);
    EXPECT_EQ(scene.Radius, 20);
    EXPECT_TRUE(ApplyRadiusRule(scene, std::nextafter(103.0f, 200.0f)));
    EXPECT_FALSE(scene.Pausing);
}

TEST(RadiusRule, RestEndIsComparedAsAThirtyTwoBitFloat) {
    // 65534.99609375 + 3 rounds up to 65538 in 32 bits, so a reading of 65538 is still inside.
    SphereScene scene = RestingSince(65534.99609375f);
    EXPECT_EQ(scene.PauseStart + 3.0f, 65538.0f);
    EXPECT_FALSE(ApplyRadiusRule(scene, 65538.0f));
    EXPECT_TRUE(ApplyRadiusRule(scene, std::nextafter(65538.0f, 90000.0f)));
}

TEST(RadiusRule, RestSpanningMidnightEndsOnTime) {
    SphereScene scene = RestingSince(86399.0f);
    EXPECT_FALSE(ApplyRadiusRule(scene, 86399.5f));
    EXPECT_FALSE(ApplyRadiusRule(scene, 0.5f));  // midnight passed, 1.5 s into the rest
    EXPECT_FALSE(ApplyRadiusRule(scene, 2.0f));
    EXPECT_TRUE(ApplyRadiusRule(scene, 2.1f));
    EXPECT_EQ(scene.Radius, 40);
}

TEST(RadiusRule, ShrinkingAtExactlyCenterXKeepsTheSpeed) {
    SphereScene scene = FullScreen1920By1080();
    scene.Speed = -600;
    scene.Radius = 14400;
    EXPECT_FALSE(ApplyRadiusRule(scene, 0.0f));
    EXPECT_EQ(scene.Speed, -600);
    EXPECT_EQ(scene.Radius, 13800);
    EXPECT_FALSE(ApplyRadiusRule(scene, 0.0f));
    EXPECT_EQ(scene.Speed, -40);
}

TEST(RadiusRule, ZoneBoundaries) {
    SphereScene scene = FullScreen1920By1080();
    // Growing: CenterY and RadiusLimit / 2 still belong to the slower zone.
    scene.Speed = 20;
    scene.Radius = 8100;
    ApplyRadiusRule(scene, 0.0f);
    EXPECT_EQ(scene.Speed, 20);
    scene.Radius = 48600;
    ApplyRadiusRule(scene, 0.0f);
    EXPECT_EQ(scene.Speed, 400);
    // Exactly RadiusLimit grows on; one twip more turns round.
    scene.Radius = 97200;
    ApplyRadiusRule(scene, 0.0f);
    EXPECT_EQ(scene.Speed, 1200);
    scene.Radius = 97201;
    ApplyRadiusRule(scene, 0.0f);
    EXPECT_EQ(scene.Speed, -1200);
    EXPECT_EQ(scene.Radius, 96001);
    // Shrinking: RadiusLimit / 2 is still fast.
    scene.Radius = 48600;
    ApplyRadiusRule(scene, 0.0f);
    EXPECT_EQ(scene.Speed, -1200);
    scene.Radius = 48599;
    ApplyRadiusRule(scene, 0.0f);
    EXPECT_EQ(scene.Speed, -600);
}

TEST(RadiusRule, ShrinkingStepsBelowZeroLandOnRadiusMin) {
    SphereScene scene = FullScreen1920By1080();
    scene.Speed = -40;
    scene.Radius = 30;
    EXPECT_FALSE(ApplyRadiusRule(scene, 0.0f));
    EXPECT_EQ(scene.Radius, 20);
    EXPECT_FALSE(scene.Pausing);
    EXPECT_FALSE(ApplyRadiusRule(scene, 5.0f));
    EXPECT_TRUE(scene.Pausing);
    EXPECT_EQ(scene.PauseStart, 5.0f);
    EXPECT_EQ(scene.Speed, 40);
}

TEST(RadiusRule, ReadingsOutsideTheDayNeitherStartNorEndARest) {
    for (float reading : {NAN, INFINITY, -1.0f, SecondsPerDay, 1e30f}) {
        // The shrink reaches the smallest radius on such a reading; the next real one starts the
        // rest, which lasts its three seconds whatever comes in between.
        SphereScene scene = FullScreen1920By1080();
        scene.Speed = -40;
        scene.Radius = 20;
        EXPECT_FALSE(ApplyRadiusRule(scene, reading));
        EXPECT_FALSE(scene.Pausing) << reading;
        EXPECT_FALSE(ApplyRadiusRule(scene, 5.0f));
        EXPECT_TRUE(scene.Pausing) << reading;
        EXPECT_FALSE(ApplyRadiusRule(scene, reading));
        EXPECT_TRUE(scene.Pausing) << reading;
        EXPECT_TRUE(ApplyRadiusRule(scene, 8.1f)) << reading;
    }
}

TEST(ClockSince, AddsADayOnlyAfterMidnight) {
    EXPECT_EQ(ClockSince(100.0f, 200.0f), 200.0f);
    EXPECT_EQ(ClockSince(100.0f, 100.0f), 100.0f);
    EXPECT_EQ(ClockSince(86399.0f, 1.0f), 86401.0f);
    EXPECT_EQ(ClockSince(0.0f, 0.0f), 0.0f);
}

}  // namespace
}  // namespace globulon
