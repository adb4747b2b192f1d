// The scene as the frame tests start it: a fresh scene and end flag, and the scene start-up
// leaves (pi, thirteen rim steps, 15 twips per pixel).
#pragma once

#include "core/sphere/saver_core.h"
#include "core/sphere/sphere_model.h"
#include "tests/core/sphere/scene_settings.h"
#include "win32/host/clock.h"
#include "win32/scene/frame_loop.h"
#include "win32/scene/graphics_layer.h"

namespace globulon::testing {

// What a run hands the frame loops: the scene and the end flag. One per test process, so that
// timer callbacks reach it too.
struct TestRun {
    SphereScene Scene;
    bool QuitRequested = false;
    // The full-screen loop's core, a sphere per monitor, and its layout flag.
    SaverCore Saver;
    bool MonitorsChanged = false;
};
inline TestRun& ActiveRun() {
    static TestRun run;
    return run;
}

// Resets the run, then sets up the scene with the given pen colour (black unless given); the
// scene, for further settings.
inline SphereScene& ResetTestScene(ColorValue penColor = 0) {
    ActiveRun() = TestRun();
    ActiveRun().Scene = StartUpScene(penColor);
    return ActiveRun().Scene;
}

// The full-screen sizes and the centre of a width x height pixel area.
inline void CentreFullScreenScene(SphereScene& scene, int width, int height) {
    SetFullScreenParameters(scene);
    SetFullScreenCentre(scene, width, height);
}

// One frame of scene drawn now into the layer's context through the frame loops' canvas, in the
// scene's pen.
inline void DrawTestFrame(SphereScene& scene, FrameTarget target, HWND hWnd, GraphicsLayer& layer) {
    GdiCanvas canvas(target, scene.UseBlackScreen, hWnd, layer);
    DrawSphereFrame(scene, ClockSeconds(), scene.PenColor, canvas);
}

}  // namespace globulon::testing
