// The colour rule: light random colours from six draws, and when a change is due.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "core/sphere/sphere_model.h"

namespace globulon {
namespace {

// Hands out the given draws in order and counts them.
class Draws {
  public:
    explicit Draws(std::vector<float> values) : values_(std::move(values)) {}
    float operator()() { return values_.at(taken_++); }
    std::size_t Taken() const { return taken_; }

  private:
    std::vector<float> values_;
    std::size_t taken_ = 0;
};

ColorValue PickFrom(Draws& draws) {
    return PickColor([&draws] { return draws(); });
}

// In 32-bit floats 100 * 0.5 + 255 * v is exactly 129.5 and 128.5 for these draws.
constexpr float kHalfAbove129 = 0x1.3f3f40p-2f;
constexpr float kHalfAbove128 = 0x1.3b3b3cp-2f;

TEST(PickColor, AllDrawsZeroGiveTheDarkestColour) {
    Draws draws({0, 0, 0, 0, 0, 0});
    EXPECT_EQ(PickFrom(draws), 7895160u);  // 0x787878: 120 in every channel
}

TEST(PickColor, TiesRoundToEvenBeforeTheLift) {
    ASSERT_EQ(100.0f * 0.5f + 255.0f * kHalfAbove129, 129.5f);
    ASSERT_EQ(100.0f * 0.5f + 255.0f * kHalfAbove128, 128.5f);
    // Red: 129.5 rounds to 130 and stays; green: 128.5 rounds to 128, lifted to 248.
    Draws draws({0.5f, kHalfAbove129, 0.5f, kHalfAbove128, 0, 0});
    EXPECT_EQ(PickFrom(draws), MakeColor(130, 248, 120));
}

TEST(PickColor, ChannelsTakeTheirDrawsInOrderRedGreenBlue) {
    // 100 * 0.25 + 255 * 0.5 = 152.5 -> 152; 0 + 255 * 0.75 = 191.25 -> 191; high sums cap at 255.
    Draws draws({0.25f, 0.5f, 0.0f, 0.75f, 0.99f, 0.99f});
    EXPECT_EQ(PickFrom(draws), MakeColor(152, 191, 255));
    EXPECT_EQ(draws.Taken(), 6u);
}

TEST(PickColor, EveryChannelStaysLight) {
    // Sweep the draws: every channel ends between 120 and 255.
    for (float u = 0.0f; u < 1.0f; u += 0.0625f) {
        for (float v = 0.0f; v < 1.0f; v += 0.03125f) {
            Draws draws({u, v, u, v, u, v});
            const ColorValue color = PickFrom(draws);
            const int red = static_cast<int>(color & 0xFF);
            EXPECT_GE(red, 120);
            EXPECT_LE(red, 255);
            EXPECT_EQ(color, MakeColor(red, red, red));
        }
    }
}

TEST(PickColor, DrawsOutsideZeroToOneKeepEachChannelLightAndToItself) {
    // Red sums to -1000, green to NaN, blue to 710.
    Draws draws({-10.0f, 0.0f, NAN, 0.5f, 2.0f, 2.0f});
    EXPECT_EQ(PickFrom(draws), MakeColor(120, 120, 255));
}

SphereScene RandomColourScene() {
    SphereScene scene;
    SetFullScreenParameters(scene);
    scene.UseRandomColors = true;
    return scene;
}

TEST(ColorInterval, QuickerOnlyDuringTheSlowShrink) {
    SphereScene scene = RandomColourScene();
    scene.Speed = -40;
    EXPECT_EQ(FullScreenColorIntervalFor(scene), 0.1);
    for (std::int16_t speed : {20, 400, 1200, -1200, -600, 40}) {
        scene.Speed = speed;
        EXPECT_EQ(FullScreenColorIntervalFor(scene), 0.5) << speed;
    }
}

TEST(ColorChangeDue, OnlyOnceTheClockIsPastTheInterval) {
    SphereScene scene = RandomColourScene();
    const float due = static_cast<float>(1000.0f + 0.1);  // the sum rounded to 32 bits
    EXPECT_FALSE(ColorChangeDue(scene, 1000.0f, 0.1, 1000.05f));
    EXPECT_FALSE(ColorChangeDue(scene, 1000.0f, 0.1, due));
    EXPECT_TRUE(ColorChangeDue(scene, 1000.0f, 0.1, std::nextafter(due, 2000.0f)));
    EXPECT_TRUE(ColorChangeDue(scene, 1000.0f, 0.5, 1000.6f));
    EXPECT_FALSE(ColorChangeDue(scene, 1000.0f, 0.5, 1000.4f));
}

TEST(ColorChangeDue, FirstChangeComesAtOnceExceptJustAfterMidnight) {
    SphereScene scene = RandomColourScene();
    EXPECT_TRUE(ColorChangeDue(scene, 0.0f, 0.5, 3600.0f));
    EXPECT_FALSE(ColorChangeDue(scene, 0.0f, 0.5, 0.3f));
}

TEST(ColorChangeDue, NeverWithAFixedColourOrDuringARest) {
    SphereScene scene = RandomColourScene();
    scene.UseRandomColors = false;
    EXPECT_FALSE(ColorChangeDue(scene, 0.0f, 0.1, 3600.0f));
    scene.UseRandomColors = true;
    scene.Pausing = true;
    EXPECT_FALSE(ColorChangeDue(scene, 0.0f, 0.1, 3600.0f));
}

TEST(ColorChangeDue, NeverOnAReadingOutsideTheDay) {
    SphereScene scene = RandomColourScene();
    for (float reading : {NAN, INFINITY, -1.0f, SecondsPerDay, 1e30f}) {
        EXPECT_FALSE(ColorChangeDue(scene, 0.0f, 0.5, reading)) << reading;
    }
}

TEST(ColorChangeDue, IntervalSpanningMidnightEndsOnTime) {
    SphereScene scene = RandomColourScene();
    EXPECT_FALSE(ColorChangeDue(scene, 86399.8f, 0.5, 0.2f));
    EXPECT_TRUE(ColorChangeDue(scene, 86399.8f, 0.5, 0.4f));
}

}  // namespace
}  // namespace globulon
