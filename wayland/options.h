// The Wayland program's command line: the pen, or help. Read in the X11 program's forms (-opt and
// --opt alike, --opt=value), without any window, so that it is tested natively.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/settings/setting_texts.h"

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

// args: the command line without the program name. The last of -color and -random counts.
ParsedOptions ParseOptions(const std::vector<std::string_view>& args);

// "R,G,B" (three decimal numbers from 0 to 255) or "#rrggbb" (six hexadecimal digits); there is
// no X server here to know colour names.
std::optional<ColorValue> ParsePenColor(std::string_view text);

// The text --help prints.
std::string_view UsageText();

}  // namespace globulon::wayland
