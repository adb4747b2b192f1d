// Reading and writing window handles as text; see handle_text.h.
#include "core/settings/handle_text.h"

#include <limits>

#include "core/settings/leading_number.h"
#include "core/settings/rounding.h"

namespace globulon {

std::optional<std::int32_t> ReadHandleText(std::wstring_view text) {
    const std::optional<std::int64_t> number = RoundToInteger<std::int64_t>(LeadingNumber(text));
    constexpr std::int64_t lowest = std::numeric_limits<std::int32_t>::min();
    constexpr std::int64_t highest = std::numeric_limits<std::uint32_t>::max();
    if (!number || *number < lowest || *number > highest) return std::nullopt;
    // The low 32 bits: 4294967294 and -2 name the same handle.
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(*number));
}

std::wstring WriteHandleText(std::int32_t handle) {
    return std::to_wstring(handle);
}

}  // namespace globulon
