// The paced wait of the frame loops; see timed_wait.h.
#include "host/timed_wait.h"

#include <windows.h>

#include <cmath>

#include "host/message_pump.h"

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
    for (;;) {
        if (!PumpMessages()) quitRequested = true;
        if (quitRequested) return;
        const double remaining = end - MonotonicSeconds();
        if (remaining <= 0) return;
        // Sleep until a message arrives or the time is up, instead of spinning on the queue.
        const DWORD milliseconds = static_cast<DWORD>(std::ceil(remaining * 1000.0));
        const DWORD woken =
            MsgWaitForMultipleObjectsEx(0, nullptr, milliseconds, QS_ALLINPUT, MWMO_INPUTAVAILABLE);
        // Nothing arrived and the time is up: another pump would only ask the (Wine) server
        // once more per frame for an empty queue; the next wait pumps first anyway.
        if (woken == WAIT_TIMEOUT && MonotonicSeconds() >= end) return;
    }
}

}  // namespace globulon
