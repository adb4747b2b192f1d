// The Wayland program's command line; see options.h.
#include "wayland/options.h"

#include <optional>

#include "core/settings/option_values.h"

namespace globulon::wayland {

ParsedOptions ParseOptions(const std::vector<std::string_view>& args) {
    ParsedOptions parsed;
    Options& options = parsed.Values;
    for (std::size_t index = 0; index < args.size(); ++index) {
        const std::optional<ScannedOption> option = ScanOption(
            args, index, [](std::string_view name) { return name == "-color"; }, parsed.Error);
        if (!option) return parsed;
        const std::string_view name = option->Name;
        const std::optional<std::string_view>& value = option->Value;

        if (name == "-help" || name == "-h") {
            options.ShowHelp = true;
        } else if (name == "-random") {
            options.RandomColors = true;
        } else if (name == "-color") {
            const std::optional<ColorValue> color = ReadColorOption(*value);
            if (!color) {
                parsed.Error = "-color wants R,G,B with each from 0 to 255 or #rrggbb, not " +
                               QuotedArgument(*value);
                return parsed;
            }
            options.RandomColors = false;
            options.PenColor = *color;
        } else {
            parsed.Error = "unknown option " + QuotedArgument(args[index]) + " (try --help)";
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
