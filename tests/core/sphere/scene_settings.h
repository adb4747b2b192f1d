// The scene as start-up leaves it before any run, for tests: pi, thirteen rim points and 15
// twips per pixel, as on the usual screens. Window-free.
#pragma once

#include <cmath>

#include "core/sphere/sphere_model.h"

namespace globulon::testing {

inline SphereScene StartUpScene(ColorValue penColor = 0) {
    SphereScene scene;
    scene.Pi = 4.0 * std::atan(1.0);
    scene.RimMax = 13;
    scene.TwipsPerPixelX = 15;
    scene.TwipsPerPixelY = 15;
    scene.PenColor = penColor;
    return scene;
}

}  // namespace globulon::testing
