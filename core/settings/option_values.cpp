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

std::optional<ScannedOption> ScanOption(const std::vector<std::string_view>& args,
                                        std::size_t& index,
                                        const std::function<bool(std::string_view)>& takesValue,
                                        std::string& error) {
    ScannedOption option{args[index], std::nullopt};
    if (option.Name.starts_with("--") && option.Name.size() > 2) option.Name.remove_prefix(1);
    if (const std::size_t equals = option.Name.find('='); equals != std::string_view::npos) {
        option.Value = option.Name.substr(equals + 1);
        option.Name = option.Name.substr(0, equals);
    }
    const bool wantsValue = takesValue(option.Name);
    if (wantsValue && !option.Value) {
        if (index + 1 == args.size()) {
            error = "option " + QuotedArgument(option.Name) + " needs a value";
            return std::nullopt;
        }
        option.Value = args[++index];
    } else if (!wantsValue && option.Value) {
        error = "option " + QuotedArgument(option.Name) + " takes no value";
        return std::nullopt;
    }
    return option;
}

}  // namespace globulon
