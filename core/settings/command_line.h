// What the command line asks for: the run mode and the window handles that come with it.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace globulon {

enum RunModes : std::int32_t {
    ModeNone = 0,      // no switch: configure without an owner window
    ModeSetup = 1,     // "/C", "-C", or an empty command line
    ModeSaver = 2,     // "/S", "-S": full screen
    ModePreview = 3,   // "/P <hwnd>": live preview in the display-settings dialog
    ModePassword = 4,  // "/A": password request, answered with a beep
};

// The command line upper-cased, "/C" when it is empty.
std::wstring MakeCommandText(std::wstring_view commandLine);

// Exact "/C", "-C", "/S", "-S" first; otherwise the first of "/P", "/A", "/S", "/C" (or their
// "-" forms) found anywhere in the text decides, in that order.
RunModes ChooseRunMode(std::wstring_view commandText);

// A window handle written in decimal after the first occurrence of separator (":" for the
// configure owner, " " for the preview window), read by ReadHandleText: the 32-bit value that
// LongToHandle makes the handle of. No value when there is no separator or the number names no
// 32-bit handle; 0 when the text there is not a number.
std::optional<std::int32_t> HandleAfter(std::wstring_view commandText, wchar_t separator);

}  // namespace globulon
