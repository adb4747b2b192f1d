// The saver's loop; see event_loop.h.
#include "wayland/event_loop.h"

#include <poll.h>
#include <signal.h>
#include <sys/signalfd.h>

#include <cerrno>
#include <chrono>

#include "core/sphere/sphere_frame.h"

namespace globulon::wayland {
namespace {

using Clock = std::chrono::steady_clock;

// Reads and handles what the compositor sent, waiting at most timeout milliseconds (-1: no
// limit) for it or for a stop signal. False when the saver must end.
bool WaitAndDispatch(SaverRun& run, int stopSignals, int timeout) {
    wl_display* display = run.Globals.Display;
    while (wl_display_prepare_read(display) != 0) {
        if (wl_display_dispatch_pending(display) < 0) return false;
    }
    // What could not be sent now goes when the socket has room: the wait asks for that too.
    short connectionEvents = POLLIN;
    if (wl_display_flush(display) < 0) {
        if (errno != EAGAIN) {
            wl_display_cancel_read(display);
            return false;
        }
        connectionEvents |= POLLOUT;
    }
    pollfd waits[2] = {{wl_display_get_fd(display), connectionEvents, 0}, {stopSignals, POLLIN, 0}};
    if (poll(waits, 2, timeout) < 0 && errno != EINTR) {
        wl_display_cancel_read(display);
        return false;
    }
    if (waits[0].revents & POLLIN) {
        if (wl_display_read_events(display) < 0) return false;
    } else {
        wl_display_cancel_read(display);
    }
    if (waits[0].revents & (POLLERR | POLLHUP) && !(waits[0].revents & POLLIN)) return false;
    if (waits[1].revents & POLLIN) return false;
    return wl_display_dispatch_pending(display) >= 0;
}

}  // namespace

int CatchStopSignals() {
    sigset_t stops;
    sigemptyset(&stops);
    sigaddset(&stops, SIGTERM);
    sigaddset(&stops, SIGINT);
    if (sigprocmask(SIG_BLOCK, &stops, nullptr) != 0) return -1;
    return signalfd(-1, &stops, SFD_CLOEXEC | SFD_NONBLOCK);
}

void RunFrames(SaverRun& run, int stopSignals) {
    const auto frameTime =
        std::chrono::duration_cast<Clock::duration>(std::chrono::duration<float>(FrameWaitSeconds));
    auto nextFrame = Clock::now();
    for (;;) {
        AfterEvents(run);
        if (RunShouldEnd(run)) return;
        const auto now = Clock::now();
        const bool ready = AnyOutputReady(run);
        if (ready && now >= nextFrame) {
            DrawFrame(run);
            nextFrame += frameTime;
            // After a late frame (a stopped process, a hidden output) the pace starts afresh
            // instead of catching up in a burst.
            if (nextFrame < now) nextFrame = now + frameTime;
        }
        // With no output showing frames there is nothing to wake for but the compositor.
        int timeout = -1;
        if (ready) {
            const auto wait =
                std::chrono::ceil<std::chrono::milliseconds>(nextFrame - Clock::now());
            timeout = static_cast<int>(std::max<long long>(0, wait.count()));
        }
        if (!WaitAndDispatch(run, stopSignals, timeout)) return;
    }
}

}  // namespace globulon::wayland
