// The frame loops: one frame of the sphere drawn through the drawing layer, the full-screen loop
// on the saver window, and the random colour change they share. The scene they draw and the end
// flag they watch are handed in by the run that owns them.
#pragma once

#include <windows.h>

#include <vector>

#include "scene/monitor_spheres.h"
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

// A sphere for each monitor the saver window covers, set up from settings (see
// SpheresForMonitors), in the window's client coordinates.
std::vector<MonitorSphere> SpheresForWindow(const SphereScene& settings, HWND saverWindow);

// One frame of a monitor's sphere, drawn into its own area of the saver window: hDC's origin is
// moved to the area's corner and its drawing clipped to the area meanwhile.
void DrawMonitorFrame(MonitorSphere& sphere, HWND saverWindow, HDC hDC);

// The full-screen frame loop on the shown saver window: opens the drawing layer on it and draws
// a frame of every monitor's sphere per pass, until quitRequested is set, at least one pass. The
// pen colour is shared, its changes timed by the first sphere. When monitorsChanged is set (the
// window has followed a new monitor layout), the spheres are made anew for the new monitors.
// Returns the still-open context; the saver run closes it with GfxClose once its window
// procedure is gone.
HDC RunFullScreenFrames(std::vector<MonitorSphere>& spheres, HWND saverWindow, bool& quitRequested,
                        bool& monitorsChanged);

}  // namespace globulon
