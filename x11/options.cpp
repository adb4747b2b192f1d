// The X11 program's command line; see options.h.
#include "x11/options.h"

#include <charconv>

namespace globulon::x11 {
namespace {

// The whole text as one unsigned number in base: digits only, no sign, no spaces.
std::optional<std::uint32_t> WholeNumber(std::string_view text, int base) {
    std::uint32_t value = 0;
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value, base);
    if (text.empty() || error != std::errc() || stop != end) return std::nullopt;
    return value;
}

std::string Quoted(std::string_view text) {
    // Built by appending: GCC 12 at -O3 warns wrongly (-Wrestrict) about "'" + std::string.
    std::string quoted(1, '\'');
    quoted.append(text);
    quoted.push_back('\'');
    return quoted;
}

}  // namespace

std::optional<std::uint32_t> ParseWindowId(std::string_view text) {
    std::optional<std::uint32_t> id;
    if (text.starts_with("0x") || text.starts_with("0X")) {
        id = WholeNumber(text.substr(2), 16);
    } else {
        id = WholeNumber(text, 10);
    }
    if (id == 0u) return std::nullopt;
    return id;
}

std::optional<ColorValue> ParseColorOption(std::string_view text) {
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

ParsedOptions ParseOptions(const std::vector<std::string_view>& args,
                           const char* screensaverWindow) {
    ParsedOptions parsed;
    Options& options = parsed.Values;
    bool root = false;
    std::optional<std::uint32_t> windowId;
    for (std::size_t index = 0; index < args.size(); ++index) {
        const std::string_view arg = args[index];
        const bool takesValue = arg == "-window-id" || arg == "-color";
        if (takesValue && index + 1 == args.size()) {
            parsed.Error = "option " + std::string(arg) + " needs a value";
            return parsed;
        }
        if (arg == "--help" || arg == "-help" || arg == "-h") {
            options.ShowHelp = true;
        } else if (arg == "-root") {
            root = true;
        } else if (arg == "-random") {
            options.RandomColors = true;
        } else if (arg == "-window-id") {
            const std::string_view value = args[++index];
            windowId = ParseWindowId(value);
            if (!windowId) {
                parsed.Error =
                    "-window-id wants a window id (decimal or 0x hex), not " + Quoted(value);
                return parsed;
            }
        } else if (arg == "-color") {
            const std::string_view value = args[++index];
            const std::optional<ColorValue> color = ParseColorOption(value);
            if (!color) {
                parsed.Error = "-color wants R,G,B with each from 0 to 255, not " + Quoted(value);
                return parsed;
            }
            options.RandomColors = false;
            options.PenColor = *color;
        } else {
            parsed.Error = "unknown option " + Quoted(arg) + " (try --help)";
            return parsed;
        }
    }

    if (!windowId && screensaverWindow && *screensaverWindow) {
        windowId = ParseWindowId(screensaverWindow);
        if (!windowId) {
            parsed.Error = "XSCREENSAVER_WINDOW is not a window id: " + Quoted(screensaverWindow);
            return parsed;
        }
    }
    if (windowId) {
        options.Where = Target::Window;
        options.WindowId = *windowId;
    } else if (root) {
        options.Where = Target::Root;
    }
    return parsed;
}

std::string_view UsageText() {
    return "Usage: globulon [-root | -window-id ID] [-random | -color R,G,B]\n"
           "Draws the Globulon sphere: a black disc whose 13 rim points are joined by chords,\n"
           "swelling past the screen edges and shrinking back, on a black background.\n"
           "  -root            draw on the root window of $DISPLAY\n"
           "  -window-id ID    draw on the window ID (decimal, or hexadecimal after 0x)\n"
           "  -random          a light random pen colour every half second (the default)\n"
           "  -color R,G,B     one fixed pen colour, each part from 0 to 255\n"
           "  --help           show this text\n"
           "XSCREENSAVER_WINDOW, when set, names the window to draw on, as screen-saver hosts\n"
           "hand it. With no window named it draws in a window of its own.\n";
}

}  // namespace globulon::x11
