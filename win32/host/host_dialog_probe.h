// Asking the display-settings dialog whether it still has this saver selected.
#pragma once

#include <windows.h>

#include <string>

namespace globulon {

// What the dialog's saver list answers.
enum class SaverSelection {
    Yes,       // a list shows this saver
    No,        // the lists were read and none shows it, or the dialog is gone
    NotKnown,  // no list could be read: a dialog in another language or of another layout, or
               // one that did not answer in time
};

// Whether a "ComboBox" on the dialog's "Screen saver" page (or on the dialog itself) shows name
// as its selected entry, compared without regard to case. The dialog belongs to another process:
// every message to it has a short time limit, so a hung dialog cannot hold the caller.
SaverSelection IsSaverSelected(HWND dialog, const std::wstring& name);

// The running executable's long file name without folder and extension ("globulon"), also when
// it was started by its short 8.3 alias.
std::wstring ProgramName();

}  // namespace globulon
