// The scene as the frame tests and the benchmark start it: a fresh program state, pi, thirteen
// rim steps and 15 twips per pixel, as on the usual screens.
#pragma once

#include <cmath>

#include "scene/graphics_layer.h"
#include "scene/sphere_model.h"
#include "startup/program_state.h"

namespace globulon::testing {

// Resets the program state and the drawing layer, then sets up the scene for mode with the
// given pen colour (black unless given); the scene, for further settings.
inline SphereScene& ResetTestScene(RunModes mode, ColorValue penColor = 0) {
    Program() = ProgramState();
    ResetGraphicsLayer();
    Program().RunMode = mode;
    SphereScene& scene = Program().Scene;
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
