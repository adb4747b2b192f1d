// The configure run ("/C", "/C:<hwnd>" or no switch): the settings dialog until it is done.
#pragma once

#include <windows.h>

#include "core/forms/form_context.h"

namespace globulon {

// ownerWindow (may be null) is disabled while the dialog is open and brought back afterwards.
// The dialog and its About box get context; the run ends when its end flag is set (OK, Cancel,
// closing), so the caller gives it one.
void RunConfigure(HWND ownerWindow, const FormContext& context);

}  // namespace globulon
