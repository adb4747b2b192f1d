// The "About..." command at the end of the settings dialog's system menu.
#pragma once

#include <windows.h>

#include <string>

#include "core/forms/form_context.h"
#include "win32/about/about_box.h"

namespace globulon {

inline constexpr UINT AboutCommandId = 2001;

// Appends an optional separator and a text item with the identifier to the window's system menu.
void AddSysMenuItem(HWND hwnd, UINT id, const std::wstring& caption, bool withSeparator);

// The About command chosen in hwnd's system menu: a minimised window is restored first, then box
// shows the window's icon. Returns when the box has closed.
void ShowAboutFromMenu(AboutBox& box, HWND hwnd, const FormContext& context);

}  // namespace globulon
