// The values the Linux programs' command lines give, read without any window: whole numbers, the
// pen colour in the forms both programs take, and an argument shown in a one-line message.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/color_value.h"

namespace globulon {

// The whole text as one unsigned number in base: digits only, no sign, no spaces.
std::optional<std::uint32_t> ReadWholeNumber(std::string_view text, int base);

// "R,G,B" (three decimal numbers from 0 to 255) or "#rrggbb" (six hexadecimal digits, either
// case). Colour names are not known here: the X11 program asks its server for them.
std::optional<ColorValue> ReadColorOption(std::string_view text);

// The text in single quotes with every control character shown as '?': one line, whatever the
// argument holds.
std::string QuotedArgument(std::string_view text);

// One option of a command line, with its value when it takes one.
struct ScannedOption {
    std::string_view Name;  // with one dash: "--root" is "-root", as XScreenSaver writes it
    std::optional<std::string_view> Value;
};

// The option at args[index] in the forms a screen-saver hack takes: "-opt", "--opt", "-opt value"
// and "--opt=value". index moves past a value taken from the next argument. takesValue says which
// options have one. Nothing, with error set, when a value is missing or given to an option that
// takes none.
std::optional<ScannedOption> ScanOption(const std::vector<std::string_view>& args,
                                        std::size_t& index,
                                        const std::function<bool(std::string_view)>& takesValue,
                                        std::string& error);

}  // namespace globulon
