// globulon: the sphere as an X11 screen-saver program for XScreenSaver, xsecurelock and the XFCE
// and MATE savers. Reads the options, finds its window, runs the frames and gives all back.
#include <X11/Xlib.h>

#include <cstdio>
#include <cstdlib>
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

    Display* display = XOpenDisplay(nullptr);
    if (!display) return Fail("cannot open the display", ExitFailure);
    const TargetWindow target = OpenTarget(display, parsed.Values);
    if (!target.Id) {
        XCloseDisplay(display);
        return Fail(target.Problem, ExitFailure);
    }

    SaverState state;
    InitSaver(state, display, target, parsed.Values);
    RunFrames(state);
    FreeSaver(state);
    CloseTarget(display, state.Target);
    XCloseDisplay(display);
    return EXIT_SUCCESS;
}
