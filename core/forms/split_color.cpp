// Colour splitting; see split_color.h.
#include "core/forms/split_color.h"

namespace globulon {

std::array<std::uint8_t, 3> SplitColor(ColorValue color) {
    return {static_cast<std::uint8_t>(color & 0xFF),
            static_cast<std::uint8_t>((color / 256) & 0xFF),
            static_cast<std::uint8_t>((color / 65536) & 0xFF)};
}

}  // namespace globulon
