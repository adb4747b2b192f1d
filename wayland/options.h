// The Wayland program's command line: the pen, or help. Read in the X11 program's forms (-opt and
// --opt alike, --opt=value), without any window, so that it is tested natively.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "core/color_value.h"

namespace globulon::wayland {

struct Options {
    bool RandomColors = true;
    ColorValue PenColor = 0;  // the fixed pen when RandomColors is false
    bool ShowHelp = false;
};

// The options, or the one-line reason why the command line cannot be used.
struct ParsedOptions {
    Options Values;
    std::string Error;  // empty when the command line was good
};

// args: the command line without the program name. The last of -color and -random counts;
// -color takes R,G,B or #rrggbb, and no colour names: there is no X server here to know them.
ParsedOptions ParseOptions(const std::vector<std::string_view>& args);

// The text --help prints.
std::string_view UsageText();

}  // namespace globulon::wayland
