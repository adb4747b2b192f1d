// The configure run ("/C", "/C:<hwnd>" or no switch): the settings dialog until it is done.
#pragma once

#include <windows.h>

namespace globulon {

// ownerWindow (may be null) is disabled while the dialog is open and brought back afterwards.
void RunConfigure(HWND ownerWindow);

}  // namespace globulon
