// Opening a document, web address or "mailto:" address with the program the user has for it.
#pragma once

#include <windows.h>

#include <string>

namespace globulon {

// Hands target to the shell; returns "" when it opened, else a short text saying why not.
std::wstring OpenLink(HWND owner, const std::wstring& target);

}  // namespace globulon
