// The full-screen saver run ("/S"): from showing the saver window to the end of the program.
#pragma once

#include "core/forms/program_state.h"

namespace globulon {

// previewRunning: another copy of the program is drawing a preview in the host's dialog.
void RunSaver(ProgramState& program, bool previewRunning);

}  // namespace globulon
