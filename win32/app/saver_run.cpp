// The full-screen saver run; see saver_run.h.
#include "win32/app/saver_run.h"

#include <windows.h>

#include "core/forms/program_state.h"
#include "win32/app/saver_form.h"
#include "win32/host/app_window.h"
#include "win32/host/message_pump.h"
#include "win32/host/mouse_cursor.h"
#include "win32/host/settings_store.h"
#include "win32/scene/frame_loop.h"
#include "win32/scene/gdi_canvas.h"
#include "win32/scene/graphics_layer.h"

namespace globulon {

void RunSaver(ProgramState& program, bool previewRunning) {
    // A handle left behind by a preview that did not end cleanly is cleared; a running preview's
    // record is left alone.
    if (!previewRunning) SaveProgramSetting(ActiveSetupKey.Name, L"0");

    SaverForm form(program);
    if (!form.Load()) return;
    HWND hwnd = form.Hwnd();
    // Every monitor gets a sphere of its own, set up as a full screen of that monitor's size.
    SaverCore core = StartOnWindow(program.Start, hwnd);
    // The snapshot is taken before the window appears, so it shows the desktop, not the saver.
    if (!program.Start.BlackScreen) form.UseDesktopBackdrop();

    ShowWindow(hwnd, SW_SHOW);
    PumpMessages();
    MakeTopMost(hwnd);
    SetForegroundWindow(hwnd);
    SystemParametersInfoW(SPI_SETSCREENSAVERRUNNING, TRUE, nullptr, 0);
    form.WatchInput();
    HideMouseCursor();

    GraphicsLayer layer;  // after the form: gone before the window is
    layer.Open(hwnd, 0, core.PenColor(), 1);
    GdiCanvas canvas(FrameTarget::SaverWindow, program.Start.BlackScreen, hwnd, layer);
    // Between frames the spheres follow a new monitor layout.
    FrameSteps steps;
    steps.GoOn = [&] {
        return FullScreenGoesOn(core, hwnd, program.QuitRequested, program.MonitorsChanged);
    };
    RunFrames(core, canvas, program.QuitRequested, steps);

    // The system hears that the saver stopped before the window stops watching input, and the
    // drawing context is released while the window still exists. The input that ended the saver
    // has already shown the cursor again.
    SystemParametersInfoW(SPI_SETSCREENSAVERRUNNING, FALSE, nullptr, 0);
    form.StopWatchingInput();
    layer.Close();
    form.DestroyForm();
}

}  // namespace globulon
