// The preview run; see preview_run.h.
#include "win32/app/preview_run.h"

#include <string>

#include "core/settings/handle_text.h"
#include "core/sphere/canvas_pair.h"
#include "win32/host/desktop_copy.h"
#include "win32/host/host_dialog_probe.h"
#include "win32/host/message_pump.h"
#include "win32/host/settings_store.h"
#include "win32/scene/frame_loop.h"
#include "win32/scene/gdi_canvas.h"
#include "win32/scene/graphics_layer.h"

namespace globulon {
namespace {

// A window handle as the decimal text other copies of the program read back: handles are
// 32-bit values, also in a 64-bit process.
std::wstring HandleText(HWND window) {
    return WriteHandleText(HandleToLong(window));
}

// The preview goes on while its window exists and the host dialog does not show another saver.
// Both tests are made in every pass. A dialog whose list cannot be read (another language,
// another layout, no answer in time) ends the preview the way every host can: by destroying the
// preview window, its parent or the whole dialog. A WM_QUIT taken during the wait (the session
// ends) ends it too.
bool PreviewGoesOn(HWND previewWindow, HWND hostDialog, const std::wstring& programName,
                   bool quitRequested) {
    const bool windowExists = IsWindow(previewWindow) != FALSE;
    const bool deselected = IsSaverSelected(hostDialog, programName) == SaverSelection::No;
    return windowExists && !deselected && !quitRequested;
}

}  // namespace

void RunPreview(ProgramState& program, HWND previewWindow, HWND hostDialog, SaverCanvas* watcher) {
    const StartUp& start = program.Start;
    GraphicsLayer layer;
    // Without a window the core has no sphere and the loop only waits its one pass.
    SaverCore core;
    if (previewWindow) {
        // Tells a full-screen start from the same dialog that a preview is running.
        SaveProgramSetting(ActiveSetupKey.Name, HandleText(previewWindow));
        RECT client = {0, 0, 0, 0};
        GetClientRect(previewWindow, &client);
        core = StartPreview(start, client.right - client.left, client.bottom - client.top);
        layer.Open(previewWindow, 0, core.PenColor(), 1);
    }
    GdiCanvas windowCanvas(FrameTarget::PreviewWindow, start.BlackScreen, previewWindow, layer);
    CanvasPair canvas(windowCanvas, watcher);

    FrameSteps steps;
    if (previewWindow && !start.BlackScreen) {
        // The desktop picture goes under the sphere once, over the first frame.
        steps.AfterFirstFrame = [&] {
            PumpMessages();
            CopyDesktopToWindow(previewWindow, layer.Dc());
        };
    }
    const std::wstring programName = ProgramName();
    steps.GoOn = [&] {
        return PreviewGoesOn(previewWindow, hostDialog, programName, program.QuitRequested);
    };
    RunFrames(core, canvas, program.QuitRequested, steps);

    SaveProgramSetting(ActiveSetupKey.Name, L"0");
    layer.Close();
}

}  // namespace globulon
