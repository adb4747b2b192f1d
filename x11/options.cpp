// The X11 program's command line; see options.h.
#include "x11/options.h"

#include <algorithm>
#include <cctype>
#include <iterator>

#include "core/settings/option_values.h"

namespace globulon::x11 {
namespace {

// The options every hack takes from the framework that have no meaning here: flags, and options
// followed by a value.
constexpr std::string_view IgnoredFlags[] = {"-fps",        "-no-fps", "-install", "-noinstall",
                                             "-no-install", "-pair",   "-mono"};
constexpr std::string_view IgnoredWithValue[] = {"-delay", "-visual", "-geometry"};

// A control character (a newline in an argument) never goes into a colour name the program may
// print.
bool IsControl(char c) {
    return std::iscntrl(static_cast<unsigned char>(c)) != 0;
}

}  // namespace

std::optional<std::uint32_t> ParseWindowId(std::string_view text) {
    std::optional<std::uint32_t> id;
    if (text.starts_with("0x") || text.starts_with("0X")) {
        id = ReadWholeNumber(text.substr(2), 16);
    } else {
        id = ReadWholeNumber(text, 10);
    }
    if (id == 0u) return std::nullopt;
    return id;
}

ParsedOptions ParseOptions(const std::vector<std::string_view>& args,
                           const char* screensaverWindow) {
    ParsedOptions parsed;
    Options& options = parsed.Values;
    bool root = false;
    std::optional<std::uint32_t> windowId;
    for (std::size_t index = 0; index < args.size(); ++index) {
        const std::optional<ScannedOption> option = ScanOption(
            args, index,
            [](std::string_view name) {
                return name == "-window-id" || name == "-color" || name == "-display" ||
                       std::ranges::find(IgnoredWithValue, name) != std::end(IgnoredWithValue);
            },
            parsed.Error);
        if (!option) return parsed;
        const std::string_view name = option->Name;
        const std::optional<std::string_view>& value = option->Value;

        if (name == "-help" || name == "-h") {
            options.ShowHelp = true;
        } else if (name == "-root") {
            root = true;
        } else if (name == "-window") {
            root = false;
        } else if (name == "-random") {
            options.RandomColors = true;
            options.PenColorName.clear();
        } else if (name == "-sync") {
            options.Synchronous = true;
        } else if (name == "-display") {
            options.DisplayName = *value;
        } else if (name == "-window-id") {
            windowId = ParseWindowId(*value);
            if (!windowId) {
                parsed.Error = "-window-id wants a window id (decimal or 0x hex), not " +
                               QuotedArgument(*value);
                return parsed;
            }
        } else if (name == "-color") {
            // R,G,B or #rrggbb, or a name or form the X server knows ("green", "#0f0",
            // "rgb:00/ff/00"), which only the program with its display can look up.
            const std::optional<ColorValue> color = ReadColorOption(*value);
            const bool nameLike = !value->empty() && value->find(',') == std::string_view::npos &&
                                  std::ranges::none_of(*value, IsControl);
            if (!color && !nameLike) {
                parsed.Error = "-color wants R,G,B with each from 0 to 255 or a colour name, not " +
                               QuotedArgument(*value);
                return parsed;
            }
            options.RandomColors = false;
            options.PenColor = color.value_or(0);
            options.PenColorName = color ? "" : std::string(*value);
        } else if (!value && std::ranges::find(IgnoredFlags, name) == std::end(IgnoredFlags)) {
            parsed.Error = "unknown option " + QuotedArgument(args[index]) + " (try --help)";
            return parsed;
        }
    }

    if (!windowId && screensaverWindow && *screensaverWindow) {
        windowId = ParseWindowId(screensaverWindow);
        if (!windowId) {
            parsed.Error =
                "XSCREENSAVER_WINDOW is not a window id: " + QuotedArgument(screensaverWindow);
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
    return "Usage: globulon [-root | -window | -window-id ID] [-random | -color C]\n"
           "Draws the Globulon sphere: a black disc whose 13 rim points are joined by chords,\n"
           "swelling past the screen edges and shrinking back, on a black background.\n"
           "  -root            draw on the root window of the display, a sphere per monitor\n"
           "  -window          draw in a window of its own (the default)\n"
           "  -window-id ID    draw on the window ID (decimal, or hexadecimal after 0x)\n"
           "  -random          a light random pen colour every half second (the default)\n"
           "  -color C         one fixed pen colour: R,G,B (each 0 to 255), or a colour name\n"
           "                   or form X knows, such as green, #00ff00 or rgb:00/ff/00\n"
           "  -display D       the X display to use instead of $DISPLAY\n"
           "  -sync            make every X call wait for the server (for debugging)\n"
           "  --help           show this text\n"
           "Every option may also be written with two dashes. The standard hack options -fps,\n"
           "-no-fps, -delay N, -install, -visual V, -geometry G, -pair and -mono are accepted\n"
           "and have no effect. XSCREENSAVER_WINDOW, when set, names the window to draw on, as\n"
           "screen-saver hosts hand it; -window-id comes first.\n";
}

}  // namespace globulon::x11
