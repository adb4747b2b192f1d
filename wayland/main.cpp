// globulon-wayland: the sphere as a Wayland program for the idle daemons of Wayland compositors
// (swayidle, hypridle, KDE's). Reads the options, covers every output, runs the frames and gives
// all back.
#include <unistd.h>
#include <wayland-client.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "wayland/event_loop.h"
#include "wayland/options.h"
#include "wayland/saver_run.h"

namespace {

// Exit statuses: 2 for a command line that cannot be used, as hosts and shells expect.
constexpr int ExitFailure = 1;
constexpr int ExitUsage = 2;

int Fail(const std::string& problem, int status) {
    std::fprintf(stderr, "globulon-wayland: %s\n", problem.c_str());
    return status;
}

}  // namespace

int main(int argc, char** argv) {
    using namespace globulon::wayland;
    const std::vector<std::string_view> args(argv + 1, argv + argc);
    const ParsedOptions parsed = ParseOptions(args);
    if (!parsed.Error.empty()) return Fail(parsed.Error, ExitUsage);
    if (parsed.Values.ShowHelp) {
        std::fputs(UsageText().data(), stdout);
        return EXIT_SUCCESS;
    }
    const int stopSignals = CatchStopSignals();
    if (stopSignals < 0) return Fail("cannot catch the stop signals", ExitFailure);

    wl_display* display = wl_display_connect(nullptr);
    if (!display) {
        close(stopSignals);
        return Fail("cannot connect to the Wayland compositor", ExitFailure);
    }
    // The compositor ending the connection, at any moment, is a normal end.
    SaverRun run;
    std::string problem;
    const bool started = StartRun(run, display, parsed.Values, problem);
    if (started) RunFrames(run, stopSignals);
    EndRun(run);
    wl_display_flush(display);
    wl_display_disconnect(display);
    close(stopSignals);
    return started ? EXIT_SUCCESS : Fail(problem, ExitFailure);
}
