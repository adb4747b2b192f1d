// The saver's loop; see event_loop.h.
#include "x11/event_loop.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/time.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>

#include "core/front_end.h"

namespace globulon::x11 {
namespace {

using Clock = std::chrono::steady_clock;

// The self-pipe a stop signal writes into, so that the wait in RunFrames wakes up. The signal
// handler can reach nothing else, hence these two file-scope values.
int stopPipe[2] = {-1, -1};

// How long the clean end may take after a stop signal. An X server that does not answer (stopped,
// hung, or gone behind a stuck connection) would hold the program in Xlib for ever.
constexpr suseconds_t StopGraceMicroseconds = 500000;

void OnStopSignal(int) {
    const char byte = 1;
    [[maybe_unused]] const ssize_t written = write(stopPipe[1], &byte, 1);
    itimerval grace = {{0, 0}, {0, StopGraceMicroseconds}};
    setitimer(ITIMER_REAL, &grace, nullptr);
}

void OnGraceOver(int) {
    _exit(EXIT_SUCCESS);
}

// Handles every event Xlib has read; false when one of them ends the saver.
bool HandlePendingEvents(SaverState& state) {
    while (XPending(state.Connection) > 0) {
        XEvent event;
        XNextEvent(state.Connection, &event);
        if (!HandleSaverEvent(state, event)) return false;
    }
    return true;
}

}  // namespace

bool CatchStopSignals() {
    if (pipe2(stopPipe, O_CLOEXEC | O_NONBLOCK) != 0) return false;
    struct sigaction action = {};
    action.sa_handler = OnStopSignal;
    sigemptyset(&action.sa_mask);
    struct sigaction graceOver = {};
    graceOver.sa_handler = OnGraceOver;
    sigemptyset(&graceOver.sa_mask);
    return sigaction(SIGTERM, &action, nullptr) == 0 && sigaction(SIGINT, &action, nullptr) == 0 &&
           sigaction(SIGALRM, &graceOver, nullptr) == 0;
}

void RunFrames(SaverState& state) {
    const auto frameTime =
        std::chrono::duration_cast<Clock::duration>(std::chrono::duration<float>(FrameWaitSeconds));
    auto nextFrame = Clock::now();
    pollfd waits[2] = {{ConnectionNumber(state.Connection), POLLIN, 0}, {stopPipe[0], POLLIN, 0}};
    while (HandlePendingEvents(state) && !TargetLost()) {
        const auto now = Clock::now();
        if (now >= nextFrame) {
            DrawSaver(state);
            nextFrame += frameTime;
            // After a late frame (a stopped process, a busy machine) the pace starts afresh
            // instead of catching up in a burst.
            if (nextFrame < now) nextFrame = now + frameTime;
            continue;  // events read while drawing are handled before the wait
        }
        const auto wait = std::chrono::ceil<std::chrono::milliseconds>(nextFrame - now);
        if (poll(waits, 2, static_cast<int>(wait.count())) > 0 && (waits[1].revents & POLLIN)) {
            return;
        }
    }
}

}  // namespace globulon::x11
