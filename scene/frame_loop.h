// The frame loops: one frame of the sphere drawn through the drawing layer, the full-screen loop
// on the saver window, and the random colour change they share. The scene they draw and the end
// flag they watch are handed in by the run that owns them.
#pragma once

#include <windows.h>

#include "scene/sphere_frame.h"

namespace globulon {

// Where a frame is drawn: the saver window repaints its own background when the picture is
// cleared; the preview window is cleared to black or to the scaled desktop.
enum class FrameTarget { SaverWindow, PreviewWindow };

// Applies the radius rule with the clock, clears the picture when a rest has just ended, then
// draws the disc and its 91 chords with their dots into hDC, which belongs to hWnd.
void DrawFrame(SphereScene& scene, FrameTarget target, HWND hWnd, HDC hDC);

// When a random colour change is due (interval in seconds since lastColorChange): picks the new
// pen colour, puts it into hDC's pen (when there is a context) and notes the time.
void ChangeColorWhenDue(SphereScene& scene, HDC hDC, float& lastColorChange, double interval);

// The full-screen frame loop on the shown saver window, whose centre is already set: opens the
// drawing layer on it and draws frames until quitRequested is set, at least one. Returns the
// still-open context; the saver run closes it with GfxClose once its window procedure is gone.
HDC RunFullScreenFrames(SphereScene& scene, HWND saverWindow, bool& quitRequested);

}  // namespace globulon
