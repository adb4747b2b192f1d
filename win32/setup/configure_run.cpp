// The configure run; see configure_run.h.
#include "win32/setup/configure_run.h"

#include "win32/host/message_pump.h"
#include "win32/setup/setup_form.h"

namespace globulon {

void RunConfigure(HWND ownerWindow, const FormContext& context) {
    // The window that asked for the settings (the display-settings dialog) takes no input while
    // the dialog is open.
    if (ownerWindow) EnableWindow(ownerWindow, FALSE);

    SetupForm fsetup(context);
    if (fsetup.Load(ownerWindow)) {
        fsetup.Show();
        // Sleeps between messages instead of polling: the dialog costs no processor time while
        // the user thinks.
        // A dialog destroyed from outside (its hidden owner closed by "End task") ends the run
        // as a close request does.
        while (!context.QuitWasRequested() && fsetup.IsLoaded()) {
            if (!PumpMessages()) break;
            if (!context.QuitWasRequested() && fsetup.IsLoaded()) WaitForMessage();
        }
    }

    if (ownerWindow) {
        EnableWindow(ownerWindow, TRUE);
        SetForegroundWindow(ownerWindow);
    }
    fsetup.Unload();
}

}  // namespace globulon
