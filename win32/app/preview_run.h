// The preview run ("/P <hwnd>"): the sphere drawn into the host dialog's preview window.
#pragma once

#include <windows.h>

#include "core/forms/program_state.h"

namespace globulon {

// Animates the sphere in previewWindow (may be null) while it exists and hostDialog does not
// show another saver selected; "ActiveSetup" holds the window's handle meanwhile and "0"
// afterwards. watcher (may be null) sees every figure drawn too: tests record the frames so.
void RunPreview(ProgramState& program, HWND previewWindow, HWND hostDialog,
                SaverCanvas* watcher = nullptr);

}  // namespace globulon
