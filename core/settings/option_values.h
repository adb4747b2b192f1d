// The values the Linux programs' command lines give, read without any window: whole numbers, the
// pen colour in the forms both programs take, and an argument shown in a one-line message.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

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

}  // namespace globulon
