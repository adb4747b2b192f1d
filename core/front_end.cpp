// The start-up scene and the saver a front end runs; see front_end.h.
#include "core/front_end.h"

#include <algorithm>
#include <cmath>
#include <functional>

#include "core/settings/rounding.h"
#include "core/sphere/monitor_spheres.h"
#include "core/sphere/random_source.h"

namespace globulon {
namespace {

constexpr std::int16_t RimPoints = 13;
constexpr ColorValue FirstRandomPen = MakeColor(255, 0, 0);

// The core's own generator, seeded once: the one place a seed becomes colours.
std::function<float()> SeededDraws(std::uint32_t seed) {
    return [random = RandomSource(seed)]() mutable { return random.Uniform(); };
}

}  // namespace

std::int16_t TwipsPerPixelForDpi(int dpi) {
    if (dpi <= 0) return TwipsPerPixelAt96Dpi;
    // Lengths in twips are divided by it: never 0, even beyond 2880 dots per inch.
    return std::max<std::int16_t>(1, RoundToInteger<std::int16_t>(1440.0 / dpi).value_or(1));
}

SphereScene StartUpScene(const StartUp& startUp) {
    SphereScene scene;
    scene.Pi = 4.0 * std::atan(1.0);
    scene.RimMax = RimPoints;
    scene.TwipsPerPixelX = startUp.TwipsPerPixelX;
    scene.TwipsPerPixelY = startUp.TwipsPerPixelY;
    scene.UseBlackScreen = startUp.BlackScreen;
    scene.UseRandomColors = startUp.RandomPen;
    scene.PenColor = startUp.RandomPen ? FirstRandomPen : startUp.FixedPen;
    return scene;
}

SaverCore StartFullScreen(const StartUp& startUp, const std::vector<PixelRect>& monitors,
                          std::int32_t originX, std::int32_t originY) {
    SaverCore core({MonitorSphere{{}, StartUpScene(startUp)}}, ColorPace::FullScreen,
                   SeededDraws(startUp.Seed));
    core.LayOut(monitors, originX, originY);
    return core;
}

SaverCore StartPreview(const StartUp& startUp, std::int32_t width, std::int32_t height) {
    SphereScene scene = StartUpScene(startUp);
    SetPreviewParameters(scene);
    SetPreviewCentre(scene, width, height);
    return SaverCore({MonitorSphere{{0, 0, width, height}, scene}}, ColorPace::Preview,
                     SeededDraws(startUp.Seed));
}

}  // namespace globulon
