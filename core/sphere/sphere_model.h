// The sphere: a disc with 13 rim points joined by chords, turning and swelling frame by frame.
// Pure numbers, no window: the frame loops turn them into drawing calls.
#pragma once

#include <cstdint>
#include <functional>
#include <vector>

#include "core/color_value.h"

namespace globulon {

struct RimPoint {
    double X = 0;  // cosine of the point's angle
    double Y = 0;  // sine of the point's angle
};

// A point or rectangle in pixels of the drawing area.
struct PixelPoint {
    std::int32_t X = 0;
    std::int32_t Y = 0;
};
struct PixelBox {
    std::int32_t Left = 0, Top = 0, Right = 0, Bottom = 0;
};

// The scene state; lengths in twips, angles in radians, clock readings in seconds since midnight.
struct SphereScene {
    double Pi = 0;
    std::int16_t RimMax = 0;
    std::vector<RimPoint> Rim;  // RimMax + 1 entries; the last coincides with the first
    double AngleStep = 0;
    double Phase = 0;
    std::int32_t Radius = 0;
    std::int16_t RadiusMin = 0;
    std::int32_t RadiusLimit = 0;
    std::int16_t Speed = 0;
    std::int16_t GrowSpeed[3] = {0, 0, 0};
    std::int16_t ShrinkSpeed[3] = {0, 0, 0};
    bool Pausing = false;
    float PauseStart = 0;
    float CenterX = 0;
    float CenterY = 0;
    std::int16_t TwipsPerPixelX = 0;
    std::int16_t TwipsPerPixelY = 0;
    ColorValue PenColor = 0;
    bool UseRandomColors = false;
    bool UseBlackScreen = false;
};

// Seconds in a day: the clock starts again at 0 at midnight.
inline constexpr float SecondsPerDay = 86400.0f;

// How long the sphere rests at its smallest size before the picture is cleared.
inline constexpr float RestSeconds = 3.0f;

// Seconds between random colour changes: full screen, full screen during the final slow shrink,
// and the preview.
inline constexpr double FullScreenColorInterval = 0.5;
inline constexpr double SlowShrinkColorInterval = 0.1;
inline constexpr double PreviewColorInterval = 0.1;

// The smaller of a and b, rounded half to even (b when they are equal).
std::int32_t MinOf(float a, float b);

// Turns the rim by 3 degrees in the direction of the last Speed and rebuilds the Rim table.
void BuildRim(SphereScene& scene);

// Parameter sets stored before the first frame of a full-screen run and of a preview.
void SetFullScreenParameters(SphereScene& scene);
void SetPreviewParameters(SphereScene& scene);

// Centre and turn-round radius for a full screen of the given size in pixels.
void SetFullScreenCentre(SphereScene& scene, std::int32_t screenWidthPixels,
                         std::int32_t screenHeightPixels);
// Centre and turn-round radius for a preview client area of the given size in pixels.
void SetPreviewCentre(SphereScene& scene, std::int32_t clientWidth, std::int32_t clientHeight);

// The radius rule, once per frame: chooses Speed, moves Radius, starts and ends the rest.
// now is the clock. Returns true when the rest has just ended and the picture must be cleared.
// A reading outside [0, SecondsPerDay) (not a number, infinite) neither starts nor ends a rest.
bool ApplyRadiusRule(SphereScene& scene, float now);

// now, moved on by a day when the clock has passed midnight since earlier, so that a rest or a
// colour interval that spans midnight still ends on time.
float ClockSince(float earlier, float now);

// Pixel positions of rim entry k and of the disc's bounding box for the current Radius.
PixelPoint RimPointPixel(const SphereScene& scene, int k);
PixelBox DiscBox(const SphereScene& scene);

// The drawing area the centre was set for: from (0, 0) to twice the centre, in pixels.
PixelBox AreaBox(const SphereScene& scene);

// Whether the disc of the current Radius, drawn with its 1-pixel outline and right and bottom
// excluded, leaves every pixel of the drawing area inside its black interior, clear of the
// outline: filling the area black then gives the very same pixels, at a fraction of the cost.
bool DiscCoversArea(const SphereScene& scene);

// A light random colour: every channel between 120 and 255. uniform() returns floats in [0, 1).
ColorValue PickColor(const std::function<float()>& uniform);

// The full-screen colour interval: quicker while the sphere makes its final slow shrink.
double FullScreenColorIntervalFor(const SphereScene& scene);

// Whether a random colour change is due now: random colours chosen, no rest under way, and the
// clock later than lastChange + interval; never on a reading outside [0, SecondsPerDay).
bool ColorChangeDue(const SphereScene& scene, float lastChange, double interval, float now);

}  // namespace globulon
