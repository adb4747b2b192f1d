// Fuzzes the sphere model: a scene with any parameters and sizes runs frames on any clock
// readings and random draws, as the frame loops run it.
#include <fuzzer/FuzzedDataProvider.h>

#include <cmath>

#include "core/sphere/random_source.h"
#include "core/sphere/sphere_model.h"
#include "tests/fuzz/fuzz_input.h"

using namespace globulon;

namespace {

std::int16_t ConsumeInt16(FuzzedDataProvider& input) {
    return input.ConsumeIntegral<std::int16_t>();
}

// Pi is mostly right, as the program sets it, but may be anything.
double ConsumePi(FuzzedDataProvider& input) {
    return input.ConsumeBool() ? 4.0 * std::atan(1.0) : fuzz::ConsumeAnyDouble(input);
}

SphereScene ConsumeScene(FuzzedDataProvider& input) {
    SphereScene scene;
    scene.Pi = ConsumePi(input);
    // Up to 64 rim points keep each run quick; the program draws 13.
    scene.RimMax = input.ConsumeIntegralInRange<std::int16_t>(-2, 64);
    scene.Phase = fuzz::ConsumeAnyDouble(input);
    scene.TwipsPerPixelX = ConsumeInt16(input);
    scene.TwipsPerPixelY = ConsumeInt16(input);
    if (input.ConsumeBool()) {
        SetFullScreenParameters(scene);
        SetFullScreenCentre(scene, input.ConsumeIntegral<std::int32_t>(),
                            input.ConsumeIntegral<std::int32_t>());
    } else {
        SetPreviewParameters(scene);
        SetPreviewCentre(scene, input.ConsumeIntegral<std::int32_t>(),
                         input.ConsumeIntegral<std::int32_t>());
    }
    if (input.ConsumeBool()) {
        scene.Radius = input.ConsumeIntegral<std::int32_t>();
        scene.RadiusMin = ConsumeInt16(input);
        scene.Speed = ConsumeInt16(input);
        for (int zone = 0; zone < 3; ++zone) {
            scene.GrowSpeed[zone] = ConsumeInt16(input);
            scene.ShrinkSpeed[zone] = ConsumeInt16(input);
        }
    }
    scene.UseRandomColors = input.ConsumeBool();
    return scene;
}

// A clock reading: mostly a step on from the last one, as a real clock gives, but any float too.
float NextReading(FuzzedDataProvider& input, float last) {
    if (input.ConsumeBool()) return fuzz::ConsumeAnyFloat(input);
    const float next = last + input.ConsumeIntegralInRange(0, 2000) / 1000.0f;
    return next >= SecondsPerDay ? next - SecondsPerDay : next;
}

// The reading a real clock gives seconds after start, past midnight if need be.
float ReadingAfter(float start, float seconds) {
    return std::fmod(start + seconds, SecondsPerDay);
}

void CheckColour(ColorValue color) {
    for (int shift = 0; shift < 24; shift += 8) {
        const auto channel = (color >> shift) & 0xFF;
        fuzz::Require(channel >= 120 && channel <= 255, "every channel is light");
    }
    fuzz::Require(color <= 0xFFFFFF, "no channel spills past blue");
}

void DrawFrame(const SphereScene& scene) {
    for (int k = 0; k < static_cast<int>(scene.Rim.size()); ++k) RimPointPixel(scene, k);
    DiscBox(scene);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    RandomSource random(SeedFromClockSeconds(fuzz::ConsumeAnyDouble(input)));
    const float draw = random.Uniform();
    fuzz::Require(draw >= 0.0f && draw < 1.0f, "a draw lies in [0, 1)");

    SphereScene scene = ConsumeScene(input);
    float clock = 0;
    float lastColorChange = 0;
    for (int frame = 0; frame < 64 && input.remaining_bytes() > 0; ++frame) {
        clock = NextReading(input, clock);
        BuildRim(scene);
        ApplyRadiusRule(scene, clock);
        DrawFrame(scene);
        const double interval = FullScreenColorIntervalFor(scene);
        if (ColorChangeDue(scene, lastColorChange, interval, clock)) {
            scene.PenColor = PickColor([&input] { return fuzz::ConsumeAnyFloat(input); });
            CheckColour(scene.PenColor);
            lastColorChange = clock;
        }
        // A rest under way ends once a real clock is past its three seconds, and colour
        // changes come again once it is past the interval.
        if (scene.Pausing) {
            SphereScene resting = scene;
            fuzz::Require(ApplyRadiusRule(resting, ReadingAfter(scene.PauseStart, 3.5f)),
                          "a rest ends after three seconds");
        } else if (scene.UseRandomColors) {
            fuzz::Require(ColorChangeDue(scene, lastColorChange, interval,
                                         ReadingAfter(lastColorChange, 1.0f)),
                          "colour changes go on");
        }
    }
    return 0;
}
