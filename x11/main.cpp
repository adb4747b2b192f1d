// globulon: the sphere as an X11 screen-saver program for XScreenSaver, xsecurelock and the XFCE
// and MATE savers. Reads the options, finds its window, runs the frames and gives all back.
#include <X11/Xlib.h>

#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "x11/event_loop.h"
#include "x11/options.h"
#include "x11/saver_state.h"
#include "x11/target_window.h"

namespace {

// Exit statuses: 2 for a command line that cannot be used, as hosts and shells expect.
constexpr int ExitFailure = 1;
constexpr int ExitUsage = 2;

int Fail(const std::string& problem, int status) {
    std::fprintf(stderr, "globulon: %s\n", problem.c_str());
    return status;
}

// The pen the options ask for; a colour name or form is looked up by the X server.
std::optional<globulon::ColorValue> PenColor(Display* display,
                                             const globulon::x11::Options& options) {
    if (options.PenColorName.empty()) return options.PenColor;
    XColor color = {};
    if (!XParseColor(display, DefaultColormap(display, DefaultScreen(display)),
                     options.PenColorName.c_str(), &color)) {
        return std::nullopt;
    }
    return globulon::MakeColor(color.red >> 8, color.green >> 8, color.blue >> 8);
}

}  // namespace

int main(int argc, char** argv) {
    using namespace globulon::x11;
    const std::vector<std::string_view> args(argv + 1, argv + argc);
    const ParsedOptions parsed = ParseOptions(args, std::getenv("XSCREENSAVER_WINDOW"));
    if (!parsed.Error.empty()) return Fail(parsed.Error, ExitUsage);
    if (parsed.Values.ShowHelp) {
        std::fputs(UsageText().data(), stdout);
        return EXIT_SUCCESS;
    }
    if (!CatchStopSignals()) return Fail("cannot catch the stop signals", ExitFailure);

    const Options& options = parsed.Values;
    Display* display =
        XOpenDisplay(options.DisplayName.empty() ? nullptr : options.DisplayName.c_str());
    if (!display) return Fail("cannot open the display", ExitFailure);
    if (options.Synchronous) XSynchronize(display, True);
    const std::optional<globulon::ColorValue> penColor = PenColor(display, options);
    if (!penColor) {
        XCloseDisplay(display);
        return Fail("-color: the X server knows no colour '" + options.PenColorName + "'",
                    ExitUsage);
    }
    const TargetWindow target = OpenTarget(display, options);
    if (!target.Id) {
        XCloseDisplay(display);
        return Fail(target.Problem, ExitFailure);
    }

    // A window the host takes away, at any moment, is a normal end.
    SaverState state;
    if (InitSaver(state, display, target, options, *penColor)) RunFrames(state);
    FreeSaver(state);
    CloseTarget(display, state.Target);
    XCloseDisplay(display);
    return EXIT_SUCCESS;
}
