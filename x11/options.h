// The X11 program's command line and XSCREENSAVER_WINDOW: where to draw and with which pen.
// Options read as XScreenSaver hacks read them (-opt and --opt alike, the framework's standard
// options too), without any window, so that it is tested natively.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/color_value.h"

namespace globulon::x11 {

enum class Target {
    OwnWindow,  // a window of its own, for trying the saver out
    Root,       // the root window of the display
    Window,     // a window the host made (-window-id or XSCREENSAVER_WINDOW)
};

struct Options {
    Target Where = Target::OwnWindow;
    std::uint32_t WindowId = 0;  // for Target::Window
    bool RandomColors = true;
    ColorValue PenColor = 0;   // the fixed pen when RandomColors is false
    std::string PenColorName;  // a colour for XParseColor instead of PenColor, when not empty
    std::string DisplayName;   // -display; empty for $DISPLAY
    bool Synchronous = false;  // -sync: every X call waits for the server, for debugging
    bool ShowHelp = false;
};

// The options, or the one-line reason why the command line cannot be used.
struct ParsedOptions {
    Options Values;
    std::string Error;  // empty when the command line was good
};

// args: the command line without the program name. Options the hack framework gives every hack
// and this program has no use for (-fps, -delay N, -install, -visual V, -geometry G, ...) are
// accepted and ignored, so that no host line ends it; any other unknown option is an error.
// screensaverWindow: the value of XSCREENSAVER_WINDOW, or null when it is not set. A window named
// by -window-id comes first, then the environment's (hosts set it and may also pass -root), then
// -root.
ParsedOptions ParseOptions(const std::vector<std::string_view>& args,
                           const char* screensaverWindow);

// A window id: decimal or hexadecimal after "0x", not 0, at most 32 bits.
std::optional<std::uint32_t> ParseWindowId(std::string_view text);

// "R,G,B": exactly three decimal numbers from 0 to 255.
std::optional<ColorValue> ParseColorOption(std::string_view text);

// The text --help prints.
std::string_view UsageText();

}  // namespace globulon::x11
