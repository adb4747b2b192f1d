// The "About..." command at the end of the settings dialog's system menu.
#pragma once

#include <windows.h>

#include <string>

#include "core/forms/form_context.h"

namespace globulon {

inline constexpr UINT AboutCommandId = 2001;

// Appends an optional separator and a text item with the identifier to the window's system menu.
void AddSysMenuItem(HWND hwnd, UINT id, const std::wstring& caption, bool withSeparator);
// Installs SysMenuProc in front of the window's procedure; UnhookSysMenu puts the old one back.
// The About box it opens gets context.
void HookSysMenu(HWND hwnd, const FormContext& context);
void UnhookSysMenu(HWND hwnd);
// Shows the About box with the settings dialog's icon.
void ShowAbout(HWND hwnd, const FormContext& context);

// The procedure HookSysMenu installs: the About command opens the box, every system command goes
// to the default handling, all other messages to the window's own procedure.
LRESULT CALLBACK SysMenuProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

// The module's state: the one window whose procedure is replaced, and what was there before.
struct SysMenuState {
    WNDPROC PrevDialogProc = nullptr;  // null while nothing is installed
    HWND HookedWindow = nullptr;
    FormContext Context;  // handed to the About box
};
SysMenuState& SysMenu();

}  // namespace globulon
