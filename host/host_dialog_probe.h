// Asking the display-settings dialog whether it still has this saver selected.
#pragma once

#include <windows.h>

#include <string>

namespace globulon {

// True when a "ComboBox" on the dialog's "Screen saver" page (or on the dialog itself) shows name
// as its selected entry, compared without regard to case.
bool IsSaverSelected(HWND dialog, const std::wstring& name);

// The running executable's file name without folder and extension ("globulon").
std::wstring ProgramName();

}  // namespace globulon
