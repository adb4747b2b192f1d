// The one frame loop every run takes, as a saver framework runs it: the run hands in its saver
// core, its canvas, its end flag and what its frames differ in; the loop draws, waits and asks
// whether to go on. Also the full-screen run's part: its spheres on the saver window's monitors.
#pragma once

#include <windows.h>

#include <functional>

#include "core/front_end.h"

namespace globulon {

// What one run's frames differ in from another's, besides the canvas.
struct FrameSteps {
    // Once, right after the first frame (the preview puts the desktop's picture under it). May
    // be empty.
    std::function<void()> AfterFirstFrame;
    // After each wait: whether another frame follows. Empty: until quitRequested is set.
    std::function<bool()> GoOn;
};

// A pass: core draws a frame on canvas at the clock's reading, then the paced wait, during which
// input is handled and may set quitRequested. Passes follow while steps.GoOn says so; there is
// at least one.
void RunFrames(SaverCore& core, SaverCanvas& canvas, bool& quitRequested, const FrameSteps& steps);

// The full-screen saver: a sphere for each monitor saverWindow covers, in the window's client
// coordinates.
SaverCore StartOnWindow(const StartUp& startUp, HWND saverWindow);

// The full-screen go-on test. When monitorsChanged is set (the saver window has followed a new
// monitor layout) it is cleared and the spheres are laid out for the new monitors. Another frame
// follows while quitRequested is not set.
bool FullScreenGoesOn(SaverCore& core, HWND saverWindow, bool quitRequested, bool& monitorsChanged);

}  // namespace globulon
