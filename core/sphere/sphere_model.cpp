// The sphere's geometry, radius rule and colour rule; see sphere_model.h.
#include "core/sphere/sphere_model.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "core/settings/rounding.h"

namespace globulon {
namespace {

std::int32_t Saturated(std::int64_t value) {
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(
        value, std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max()));
}

// Twips to pixels, truncating toward zero. Twips per pixel of 0 means the screen's scale could
// not be read; counting one twip per pixel then keeps the drawing on the window.
std::int32_t TwipsToPixels(std::int32_t twips, std::int16_t twipsPerPixel) {
    if (twipsPerPixel == 0) return twips;
    return static_cast<std::int32_t>(static_cast<std::int64_t>(twips) / twipsPerPixel);
}

// The turn-round radius lies twelve times the shorter half-side out, far past the screen edges.
void SetRadiusLimit(SphereScene& scene) {
    scene.RadiusLimit =
        Saturated(12 * static_cast<std::int64_t>(MinOf(scene.CenterY, scene.CenterX)));
}

// Whether now is a reading the clock gives: seconds since midnight, within one day. The radius
// and colour rules ignore any other (not a number, infinite, a clock gone wrong): a rest started
// on one would never end, and a colour change made on one would be the last.
bool IsClockReading(float now) {
    return now >= 0.0f && now < SecondsPerDay;
}

std::int16_t Negated(std::int16_t speed) {
    return static_cast<std::int16_t>(-speed);
}

// Step 1 of the radius rule: the speed for this frame, from the radius the frame began with.
void ChooseSpeed(SphereScene& scene, float now) {
    const std::int32_t radius = scene.Radius;
    const double halfLimit = scene.RadiusLimit / 2.0;
    if (scene.Speed > 0) {
        // Growing: slowly until the disc touches the top and bottom edges, then faster.
        if (radius <= static_cast<double>(scene.CenterY)) {
            scene.Speed = scene.GrowSpeed[0];
        } else if (radius <= halfLimit) {
            scene.Speed = scene.GrowSpeed[1];
        } else if (radius > scene.RadiusLimit) {
            scene.Speed = Negated(scene.GrowSpeed[2]);
        } else {
            scene.Speed = scene.GrowSpeed[2];
        }
        return;
    }
    // Shrinking: fast while far out, slowly once the disc fits between the left and right edges.
    if (radius >= halfLimit) {
        scene.Speed = Negated(scene.ShrinkSpeed[2]);
    } else if (radius > static_cast<double>(scene.CenterX)) {
        scene.Speed = Negated(scene.ShrinkSpeed[1]);
    } else if (radius < static_cast<double>(scene.CenterX) && radius > scene.RadiusMin) {
        scene.Speed = Negated(scene.ShrinkSpeed[0]);
    } else if (radius <= scene.RadiusMin && !scene.Pausing && IsClockReading(now)) {
        scene.Speed = scene.ShrinkSpeed[0];
        scene.Pausing = true;
        scene.PauseStart = now;
    }
    // Otherwise (the radius exactly at CenterX, a rest under way, or one that waits for a real
    // clock reading) the speed stays.
}

}  // namespace

std::int32_t MinOf(float a, float b) {
    return Rnd(a < b ? a : b);
}

void BuildRim(SphereScene& scene) {
    scene.Rim.clear();
    if (scene.RimMax < 1) return;  // no rim set up yet: nothing to turn or draw
    scene.AngleStep = (scene.Pi + scene.Pi) / scene.RimMax;
    // The rim turns with the direction the radius last moved in.
    if (scene.Speed >= 0) {
        scene.Phase = scene.Phase + scene.Pi / 60;
    } else {
        scene.Phase = scene.Phase - scene.Pi / 60;
    }
    if (scene.Phase > scene.AngleStep) scene.Phase = scene.Phase - scene.AngleStep;
    // One entry more than there are points: the last lies a full turn past the first.
    double angle = scene.Phase;
    for (int k = 0; k <= scene.RimMax; ++k) {
        angle = angle + scene.AngleStep;
        scene.Rim.push_back(RimPoint{std::cos(angle), std::sin(angle)});
    }
}

namespace {

// The sizes and speeds a run starts with; the radius and speed start at the smallest radius.
struct ParameterSet {
    std::int16_t RadiusMin;
    std::int16_t GrowSpeed[3];
    std::int16_t ShrinkSpeed[3];
};

constexpr ParameterSet FullScreenSet = {20, {20, 400, 1200}, {40, 600, 1200}};
constexpr ParameterSet PreviewSet = {10, {20, 200, 400}, {20, 200, 400}};

void StoreParameters(SphereScene& scene, const ParameterSet& set) {
    scene.RadiusMin = set.RadiusMin;
    scene.Radius = set.RadiusMin;
    scene.Speed = set.RadiusMin;
    for (int zone = 0; zone < 3; ++zone) {
        scene.GrowSpeed[zone] = set.GrowSpeed[zone];
        scene.ShrinkSpeed[zone] = set.ShrinkSpeed[zone];
    }
}

}  // namespace

void SetFullScreenParameters(SphereScene& scene) {
    StoreParameters(scene, FullScreenSet);
}

void SetPreviewParameters(SphereScene& scene) {
    StoreParameters(scene, PreviewSet);
}

void SetFullScreenCentre(SphereScene& scene, std::int32_t screenWidthPixels,
                         std::int32_t screenHeightPixels) {
    // The screen's size in twips, halved.
    scene.CenterX =
        static_cast<float>(static_cast<double>(screenWidthPixels) * scene.TwipsPerPixelX / 2);
    scene.CenterY =
        static_cast<float>(static_cast<double>(screenHeightPixels) * scene.TwipsPerPixelY / 2);
    SetRadiusLimit(scene);
}

void SetPreviewCentre(SphereScene& scene, std::int32_t clientWidth, std::int32_t clientHeight) {
    // The size in twips is a 32-bit integer; a window too large for it leaves the centre as it
    // was rather than wrapping round.
    const std::int64_t widthTwips = static_cast<std::int64_t>(scene.TwipsPerPixelX) * clientWidth;
    const std::int64_t heightTwips = static_cast<std::int64_t>(scene.TwipsPerPixelY) * clientHeight;
    if (widthTwips == Saturated(widthTwips)) {
        scene.CenterX = static_cast<float>(static_cast<double>(widthTwips) / 2);
    }
    if (heightTwips == Saturated(heightTwips)) {
        scene.CenterY = static_cast<float>(static_cast<double>(heightTwips) / 2);
    }
    SetRadiusLimit(scene);
}

float ClockSince(float earlier, float now) {
    return now < earlier ? now + SecondsPerDay : now;
}

bool ApplyRadiusRule(SphereScene& scene, float now) {
    ChooseSpeed(scene, now);
    bool restEnded = false;
    if (!scene.Pausing) {
        scene.Radius = Saturated(static_cast<std::int64_t>(scene.Radius) + scene.Speed);
    } else {
        // The rest lasts until the clock is past its start + 3 s, midnight or not.
        const float restEnd = scene.PauseStart + RestSeconds;
        if (IsClockReading(now) && ClockSince(scene.PauseStart, now) > restEnd) {
            restEnded = true;
            scene.Radius = Saturated(static_cast<std::int64_t>(scene.Radius) + scene.Speed);
            scene.Pausing = false;
        }
    }
    if (scene.Radius <= 0) scene.Radius = scene.RadiusMin;
    return restEnded;
}

PixelPoint RimPointPixel(const SphereScene& scene, int k) {
    const RimPoint& point = scene.Rim[static_cast<std::size_t>(k)];
    const double radius = scene.Radius;
    const std::int32_t x = Rnd(scene.CenterX + static_cast<double>(Rnd(radius * point.X)));
    const std::int32_t y = Rnd(scene.CenterY + static_cast<double>(Rnd(radius * point.Y)));
    return PixelPoint{TwipsToPixels(x, scene.TwipsPerPixelX),
                      TwipsToPixels(y, scene.TwipsPerPixelY)};
}

PixelBox DiscBox(const SphereScene& scene) {
    const double centerX = scene.CenterX;
    const double centerY = scene.CenterY;
    const double radius = scene.Radius;
    return PixelBox{TwipsToPixels(Rnd(centerX - radius), scene.TwipsPerPixelX),
                    TwipsToPixels(Rnd(centerY - radius), scene.TwipsPerPixelY),
                    TwipsToPixels(Rnd(centerX + radius), scene.TwipsPerPixelX),
                    TwipsToPixels(Rnd(centerY + radius), scene.TwipsPerPixelY)};
}

PixelBox AreaBox(const SphereScene& scene) {
    return PixelBox{0, 0, TwipsToPixels(Rnd(2.0 * scene.CenterX), scene.TwipsPerPixelX),
                    TwipsToPixels(Rnd(2.0 * scene.CenterY), scene.TwipsPerPixelY)};
}

bool DiscCoversArea(const SphereScene& scene) {
    const PixelBox area = AreaBox(scene);
    if (area.Right <= 0 || area.Bottom <= 0) return false;
    // The outline runs through the centres of the box's first and last pixel columns and rows.
    // Each corner pixel of the area must lie this far inside that curve, so that no rounding of
    // the outline's rasteriser can put an outline pixel on the area.
    constexpr double OutlineClearance = 2.0;
    const PixelBox disc = DiscBox(scene);
    const double semiAxisX = (static_cast<double>(disc.Right) - 1 - disc.Left) / 2;
    const double semiAxisY = (static_cast<double>(disc.Bottom) - 1 - disc.Top) / 2;
    const double innerX = semiAxisX - OutlineClearance;
    const double innerY = semiAxisY - OutlineClearance;
    if (innerX <= 0 || innerY <= 0) return false;
    const double centreX = disc.Left + semiAxisX;
    const double centreY = disc.Top + semiAxisY;
    // Disc and area are both convex: the area lies inside when its four corner pixels do.
    for (const double x : {0.0, area.Right - 1.0}) {
        for (const double y : {0.0, area.Bottom - 1.0}) {
            const double u = (x - centreX) / innerX;
            const double v = (y - centreY) / innerY;
            if (u * u + v * v > 1.0) return false;
        }
    }
    return true;
}

ColorValue PickColor(const std::function<float()>& uniform) {
    int channels[3] = {0, 0, 0};
    for (int& channel : channels) {
        // Two draws per channel, in this order; the sum is formed in 32-bit floats.
        const float u = uniform();
        const float v = uniform();
        const float sum = 100.0f * u + 255.0f * v;
        int c = Rnd(sum);
        if (c < 130) c = c + 120;  // lift the dark values: the colours stay light
        // Draws in [0, 1) always land in 120..255; any other draw is held there too, so that
        // the channel never reaches into its neighbours.
        channel = std::clamp(c, 120, 255);
    }
    return MakeColor(channels[0], channels[1], channels[2]);
}

double FullScreenColorIntervalFor(const SphereScene& scene) {
    return scene.Speed == Negated(scene.ShrinkSpeed[0]) ? SlowShrinkColorInterval
                                                        : FullScreenColorInterval;
}

bool ColorChangeDue(const SphereScene& scene, float lastChange, double interval, float now) {
    if (!scene.UseRandomColors || scene.Pausing || !IsClockReading(now)) return false;
    const float due = static_cast<float>(lastChange + interval);
    return ClockSince(lastChange, now) > due;
}

}  // namespace globulon
