// The one frame loop; see frame_loop.h.
#include "win32/scene/frame_loop.h"

#include "win32/host/clock.h"
#include "win32/host/monitors.h"
#include "win32/host/timed_wait.h"

namespace globulon {
namespace {

// The saver window's top-left corner in screen pixels: where the monitors' client coordinates
// start.
POINT WindowCorner(HWND window) {
    RECT frame = {0, 0, 0, 0};
    GetWindowRect(window, &frame);
    return {frame.left, frame.top};
}

}  // namespace

void RunFrames(SaverCore& core, SaverCanvas& canvas, bool& quitRequested, const FrameSteps& steps) {
    bool firstPass = true;
    bool goOn = false;
    do {
        core.Tick(ClockSeconds(), canvas);
        if (firstPass && steps.AfterFirstFrame) steps.AfterFirstFrame();
        firstPass = false;
        // Input is handled during the wait and may ask the loop to end.
        WaitSeconds(FrameWaitSeconds, quitRequested);
        goOn = steps.GoOn ? steps.GoOn() : !quitRequested;
    } while (goOn);
}

SaverCore StartOnWindow(const StartUp& startUp, HWND saverWindow) {
    const POINT corner = WindowCorner(saverWindow);
    return StartFullScreen(startUp, MonitorRects(), corner.x, corner.y);
}

bool FullScreenGoesOn(SaverCore& core, HWND saverWindow, bool quitRequested,
                      bool& monitorsChanged) {
    if (monitorsChanged) {
        monitorsChanged = false;
        const POINT corner = WindowCorner(saverWindow);
        core.LayOut(MonitorRects(), corner.x, corner.y);
    }
    return !quitRequested;
}

}  // namespace globulon
