// The scene as the frame tests and the benchmark start it: a fresh scene and end flag, pi,
// thirteen rim steps and 15 twips per pixel, as on the usual screens.
#pragma once

#include <cmath>
#include <vector>

#include "scene/graphics_layer.h"
#include "scene/monitor_spheres.h"
#include "scene/sphere_model.h"

namespace globulon::testing {

// What a run hands the frame loops: the scene and the end flag. One per test process, so that
// timer callbacks reach it too.
struct TestRun {
    SphereScene Scene;
    bool QuitRequested = false;
    // The full-screen loop's spheres, one per monitor, and its layout flag.
    std::vector<MonitorSphere> Spheres;
    bool MonitorsChanged = false;
};
inline TestRun& ActiveRun() {
    static TestRun run;
    return run;
}

// Resets the run and the drawing layer, then sets up the scene with the given pen colour (black
// unless given); the scene, for further settings.
inline SphereScene& ResetTestScene(ColorValue penColor = 0) {
    ActiveRun() = TestRun();
    ResetGraphicsLayer();
    SphereScene& scene = ActiveRun().Scene;
    scene.Pi = 4.0 * std::atan(1.0);
    scene.RimMax = 13;
    scene.TwipsPerPixelX = 15;
    scene.TwipsPerPixelY = 15;
    scene.PenColor = penColor;
    return scene;
}

// The full-screen sizes and the centre of a width x height pixel area.
inline void CentreFullScreenScene(SphereScene& scene, int width, int height) {
    SetFullScreenParameters(scene);
    SetFullScreenCentre(scene, width, height);
}

}  // namespace globulon::testing
