// The Linux programs' option values; see option_values.h.
#include "core/settings/option_values.h"

#include <algorithm>
#include <cctype>
#include <charconv>

namespace globulon {
namespace {

std::optional<ColorValue> HexColor(std::string_view digits) {
    if (digits.size() != 6 || !std::ranges::all_of(digits, [](char c) {
            return std::isxdigit(static_cast<unsigned char>(c)) != 0;
        })) {
        return std::nullopt;
    }
    const std::uint32_t value = *ReadWholeNumber(digits, 16);
    return MakeColor((value >> 16) & 0xFF, (value >> 8) & 0xFF, value & 0xFF);
}

std::optional<ColorValue> DecimalColor(std::string_view text) {
    int channels[3] = {0, 0, 0};
    for (int index = 0; index < 3; ++index) {
        const std::size_t comma = text.find(',');
        const bool lastChannel = index == 2;
        // Two commas exactly: the last part has none, the others end at one.
        if (lastChannel != (comma == std::string_view::npos)) return std::nullopt;
        const std::optional<std::uint32_t> value = ReadWholeNumber(text.substr(0, comma), 10);
        if (!value || *value > 255) return std::nullopt;
        channels[index] = static_cast<int>(*value);
        if (!lastChannel) text.remove_prefix(comma + 1);
    }
    return MakeColor(channels[0], channels[1], channels[2]);
}

}  // namespace

std::optional<std::uint32_t> ReadWholeNumber(std::string_view text, int base) {
    std::uint32_t value = 0;
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value, base);
    if (text.empty() || error != std::errc() || stop != end) return std::nullopt;
    return value;
}

std::optional<ColorValue> ReadColorOption(std::string_view text) {
    return text.starts_with('#') ? HexColor(text.substr(1)) : DecimalColor(text);
}

std::string QuotedArgument(std::string_view text) {
    std::string quoted(1, '\'');
    for (const char c : text)
        quoted.push_back(std::iscntrl(static_cast<unsigned char>(c)) ? '?' : c);
    quoted.push_back('\'');
    return quoted;
}

}  // namespace globulon
