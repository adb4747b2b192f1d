// The preview run; see preview_run.h.
#include "win32/app/preview_run.h"

#include <string>

#include "core/settings/handle_text.h"
#include "core/sphere/random_source.h"
#include "core/sphere/sphere_model.h"
#include "win32/host/clock.h"
#include "win32/host/desktop_copy.h"
#include "win32/host/host_dialog_probe.h"
#include "win32/host/message_pump.h"
#include "win32/host/settings_store.h"
#include "win32/host/timed_wait.h"
#include "win32/scene/frame_loop.h"
#include "win32/scene/graphics_layer.h"

namespace globulon {
namespace {

// A window handle as the decimal text other copies of the program read back: handles are
// 32-bit values, also in a 64-bit process.
std::wstring HandleText(HWND window) {
    return WriteHandleText(HandleToLong(window));
}

}  // namespace

void RunPreview(ProgramState& program, HWND previewWindow, HWND hostDialog) {
    SphereScene& scene = program.Scene;
    SetPreviewParameters(scene);
    GraphicsLayer layer;
    std::int32_t clientWidth = 0;
    std::int32_t clientHeight = 0;
    if (previewWindow) {
        // Tells a full-screen start from the same dialog that a preview is running.
        SaveProgramSetting(ActiveSetupKey.Name, HandleText(previewWindow));
        RECT client = {0, 0, 0, 0};
        GetClientRect(previewWindow, &client);
        clientWidth = client.right - client.left;
        clientHeight = client.bottom - client.top;
        SetPreviewCentre(scene, clientWidth, clientHeight);
        layer.Open(previewWindow, 0, scene.PenColor, 1);
    }

    program.Saver = SaverCore({MonitorSphere{{0, 0, clientWidth, clientHeight}, scene}},
                              ColorPace::Preview, program.Random.Draws());
    GdiCanvas canvas(FrameTarget::PreviewWindow, scene.UseBlackScreen, previewWindow, layer);

    const std::wstring programName = ProgramName();
    bool firstPass = true;
    bool goOn = false;
    do {
        if (previewWindow) {
            program.Saver.Tick(ClockSeconds(), canvas);
            // The desktop picture goes under the sphere once, over the first frame.
            if (firstPass && !scene.UseBlackScreen) {
                PumpMessages();
                CopyDesktopToWindow(previewWindow, layer.Dc());
            }
        }
        firstPass = false;
        WaitSeconds(FrameWaitSeconds, program.QuitRequested);
        // Both tests are made in every pass. A dialog whose list cannot be read (another
        // language, another layout, no answer in time) ends the preview the way every host
        // can: by destroying the preview window, its parent or the whole dialog.
        const bool windowExists = IsWindow(previewWindow) != FALSE;
        const bool deselected = IsSaverSelected(hostDialog, programName) == SaverSelection::No;
        // A WM_QUIT taken during the wait (the session ends) ends the preview too.
        goOn = windowExists && !deselected && !program.QuitRequested;
    } while (goOn);

    SaveProgramSetting(ActiveSetupKey.Name, L"0");
    layer.Close();
}

}  // namespace globulon
