// The paced wait of the frame loops; see timed_wait.h.
#include "win32/host/timed_wait.h"

#include <windows.h>

#include <algorithm>
#include <cmath>

#include "win32/host/message_pump.h"

namespace globulon {
namespace {

// Seconds on a monotonic clock: unlike the time of day it neither jumps nor restarts at midnight.
double MonotonicSeconds() {
    static const double ticksPerSecond = [] {
        LARGE_INTEGER frequency;
        QueryPerformanceFrequency(&frequency);
        return static_cast<double>(frequency.QuadPart);
    }();
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    return static_cast<double>(now.QuadPart) / ticksPerSecond;
}

}  // namespace

void WaitSeconds(float seconds, bool& quitRequested) {
    const double end = MonotonicSeconds() + seconds;
    while (!quitRequested) {
        // Sleep until a message arrives or the time is up, instead of spinning on the queue.
        const double remaining = std::max(0.0, end - MonotonicSeconds());
        const DWORD milliseconds = static_cast<DWORD>(std::ceil(remaining * 1000.0));
        const DWORD woken =
            MsgWaitForMultipleObjectsEx(0, nullptr, milliseconds, QS_ALLINPUT, MWMO_INPUTAVAILABLE);
        // The queue is emptied only when the wait found something in it: a frame without input
        // then asks the (Wine) server nothing but the wait itself.
        if (woken != WAIT_TIMEOUT && !PumpMessages()) quitRequested = true;
        if (MonotonicSeconds() >= end) return;
    }
}

}  // namespace globulon
