// Splitting a colour value into the red, green and blue bytes that the dialog's lists show.
#pragma once

#include <array>
#include <cstdint>

#include "core/settings/setting_texts.h"

namespace globulon {

// Index 0 red, 1 green, 2 blue. The top byte of the value is ignored.
std::array<std::uint8_t, 3> SplitColor(ColorValue color);

}  // namespace globulon
