// The scene as the frame tests start it: a fresh scene and end flag, and the scene start-up
// leaves (pi, thirteen rim steps, 15 twips per pixel) with a fixed pen.
#pragma once

#include "core/front_end.h"
#include "core/sphere/sphere_model.h"
#include "win32/host/clock.h"
#include "win32/scene/gdi_canvas.h"
#include "win32/scene/graphics_layer.h"

namespace globulon::testing {

// What a run hands the frame drawing: the scene and the end flag. One per test process, so that
// timer callbacks reach it too.
struct TestRun {
    SphereScene Scene;
    bool QuitRequested = false;
};
inline TestRun& ActiveRun() {
    static TestRun run;
    return run;
}

// What start-up knows of a run that draws in penColor on the desktop's picture.
inline StartUp FixedPenStartUp(ColorValue penColor) {
    StartUp startUp;
    startUp.RandomPen = false;
    startUp.FixedPen = penColor;
    startUp.BlackScreen = false;
    return startUp;
}

// Resets the run, then sets up the scene with the given pen colour (black unless given); the
// scene, for further settings.
inline SphereScene& ResetTestScene(ColorValue penColor = 0) {
    ActiveRun() = TestRun();
    ActiveRun().Scene = StartUpScene(FixedPenStartUp(penColor));
    return ActiveRun().Scene;
}

// The full-screen sizes and the centre of a width x height pixel area.
inline void CentreFullScreenScene(SphereScene& scene, int width, int height) {
    SetFullScreenParameters(scene);
    SetFullScreenCentre(scene, width, height);
}

// One frame of scene drawn now into the layer's context through the runs' GDI canvas, in the
// scene's pen.
inline void DrawTestFrame(SphereScene& scene, FrameTarget target, HWND hWnd, GraphicsLayer& layer) {
    GdiCanvas canvas(target, scene.UseBlackScreen, hWnd, layer);
    DrawSphereFrame(scene, ClockSeconds(), scene.PenColor, canvas);
}

}  // namespace globulon::testing
