// Opening a document, web address or "mailto:" address with the program the user has for it.
#pragma once

// shellapi.h needs windows.h before it.
// clang-format off
#include <windows.h>
#include <shellapi.h>
// clang-format on

#include <functional>
#include <string>

namespace globulon {

// Hands target to the shell; returns "" when it opened, else a short text saying why not.
std::wstring OpenLink(HWND owner, const std::wstring& target);

// The shell's ShellExecuteExW, or what a test puts in its place.
using ShellExecuteCall = std::function<bool(SHELLEXECUTEINFOW& info)>;

// OpenLink with the given shell call.
std::wstring OpenLinkWith(HWND owner, const std::wstring& target,
                          const ShellExecuteCall& shellExecute);

}  // namespace globulon
