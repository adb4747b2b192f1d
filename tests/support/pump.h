// Dispatching this thread's messages while a test waits for something to happen.
#pragma once

#include <windows.h>

#include <chrono>
#include <functional>

#include "win32/host/message_pump.h"

namespace globulon::testing {

// Dispatches this thread's messages (with the program's dialog keyboard handling) until done()
// is true or timeoutMs passed; done()'s last value. It looks at done() at least every 20 ms, so
// a wait on something that sends no message (another process ending) ends in time as well.
inline bool PumpUntil(const std::function<bool()>& done, int timeoutMs = 10000) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    while (!done()) {
        if (std::chrono::steady_clock::now() >= deadline) return done();
        PumpMessages();
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
    }
    return true;
}

// Dispatches this thread's messages for the given time.
inline void PumpFor(int milliseconds) {
    PumpUntil([] { return false; }, milliseconds);
}

}  // namespace globulon::testing
