// The Wayland program's command line; see options.h.
#include "wayland/options.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cstdint>

namespace globulon::wayland {
namespace {

// The whole text as one unsigned number in base: digits only, no sign, no spaces.
std::optional<std::uint32_t> WholeNumber(std::string_view text, int base) {
    std::uint32_t value = 0;
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value, base);
    if (text.empty() || error != std::errc() || stop != end) return std::nullopt;
    return value;
}

// The text in quotes for a message of one line: control characters show as '?'.
std::string Quoted(std::string_view text) {
    std::string quoted(1, '\'');
    for (const char c : text)
        quoted.push_back(std::iscntrl(static_cast<unsigned char>(c)) ? '?' : c);
    quoted.push_back('\'');
    return quoted;
}

std::optional<ColorValue> HexColor(std::string_view digits) {
    if (digits.size() != 6 || !std::ranges::all_of(digits, [](char c) {
            return std::isxdigit(static_cast<unsigned char>(c)) != 0;
        })) {
        return std::nullopt;
    }
    const std::uint32_t value = *WholeNumber(digits, 16);
    return MakeColor((value >> 16) & 0xFF, (value >> 8) & 0xFF, value & 0xFF);
}

}  // namespace

std::optional<ColorValue> ParsePenColor(std::string_view text) {
    if (text.starts_with('#')) return HexColor(text.substr(1));
    int channels[3] = {0, 0, 0};
    for (int index = 0; index < 3; ++index) {
        const std::size_t comma = text.find(',');
        const bool lastChannel = index == 2;
        // Two commas exactly: the last part has none, the others end at one.
        if (lastChannel != (comma == std::string_view::npos)) return std::nullopt;
        const std::optional<std::uint32_t> value = WholeNumber(text.substr(0, comma), 10);
        if (!value || *value > 255) return std::nullopt;
        channels[index] = static_cast<int>(*value);
        if (!lastChannel) text.remove_prefix(comma + 1);
    }
    return MakeColor(channels[0], channels[1], channels[2]);
}

ParsedOptions ParseOptions(const std::vector<std::string_view>& args) {
    ParsedOptions parsed;
    Options& options = parsed.Values;
    for (std::size_t index = 0; index < args.size(); ++index) {
        std::string_view name = args[index];
        if (name.starts_with("--") && name.size() > 2) name.remove_prefix(1);
        std::optional<std::string_view> value;
        if (const std::size_t equals = name.find('='); equals != std::string_view::npos) {
            value = name.substr(equals + 1);
            name = name.substr(0, equals);
        }
        const bool takesValue = name == "-color";
        if (takesValue && !value) {
            if (index + 1 == args.size()) {
                parsed.Error = "option " + Quoted(name) + " needs a value";
                return parsed;
            }
            value = args[++index];
        } else if (!takesValue && value) {
            parsed.Error = "option " + Quoted(name) + " takes no value";
            return parsed;
        }

        if (name == "-help" || name == "-h") {
            options.ShowHelp = true;
        } else if (name == "-random") {
            options.RandomColors = true;
        } else if (name == "-color") {
            const std::optional<ColorValue> color = ParsePenColor(*value);
            if (!color) {
                parsed.Error =
                    "-color wants R,G,B with each from 0 to 255 or #rrggbb, not " + Quoted(*value);
                return parsed;
            }
            options.RandomColors = false;
            options.PenColor = *color;
        } else {
            parsed.Error = "unknown option " + Quoted(args[index]) + " (try --help)";
            return parsed;
        }
    }
    return parsed;
}

std::string_view UsageText() {
    return "Usage: globulon-wayland [-random | -color C]\n"
           "Draws the Globulon sphere on every output of a Wayland compositor, above every\n"
           "window: a black disc whose 13 rim points are joined by chords, swelling past the\n"
           "screen edges and shrinking back. Any key, a button, a pointer movement or SIGTERM\n"
           "ends it.\n"
           "  -random          a light random pen colour every half second (the default)\n"
           "  -color C         one fixed pen colour: R,G,B (each 0 to 255) or #rrggbb\n"
           "  --help           show this text\n"
           "Every option may also be written with two dashes.\n";
}

}  // namespace globulon::wayland
