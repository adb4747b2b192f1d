// The running saver on a Wayland compositor, in the way of an XScreenSaver hack: one state
// struct, and start, frame, events and end over it. Outputs come and go while it runs; each gets
// a sphere of its own, all drawn by the one window-free core with one pen.
#pragma once

#include <wayland-client.h>

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "core/sphere/saver_core.h"
#include "wayland/input_watch.h"
#include "wayland/options.h"
#include "wayland/output_surface.h"
#include "wayland/shm_canvas.h"
#include "wayland/wayland_globals.h"

namespace globulon::wayland {

struct SaverRun {
    WaylandGlobals Globals;
    wl_registry* Registry = nullptr;
    std::vector<std::unique_ptr<OutputSurface>> Outputs;
    std::optional<InputWatch> Input;
    // The spheres in the output's physical pixels at 96 dots per inch, as the Windows program
    // counts: the same size in pixels as there.
    SaverCore Core;
    std::optional<ShmCanvas> Canvas;
    bool MadeSurface = false;  // once true, no surface left means the compositor closed them
};

// Binds the globals, asks each output for its surface and sets up the spheres. False, with
// the reason in problem, when the compositor lacks what the saver needs.
bool StartRun(SaverRun& run, wl_display* display, const Options& options, std::string& problem);
// After events were handled: drops closed outputs and lays the spheres out again when the
// outputs changed.
void AfterEvents(SaverRun& run);
// Whether a frame may be drawn: some output is shown and has shown its last frame.
bool AnyOutputReady(const SaverRun& run);
// One frame: the spheres turn and are drawn, and each output sends its changed picture.
void DrawFrame(SaverRun& run);
// A key, a button, a real pointer movement, a close request, or every surface closed.
bool RunShouldEnd(const SaverRun& run);
// Gives back everything StartRun made, in reverse order.
void EndRun(SaverRun& run);

}  // namespace globulon::wayland
