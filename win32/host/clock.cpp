// The time-of-day clock; see clock.h.
#include "win32/host/clock.h"

#include <windows.h>

namespace globulon {

float ClockSeconds() {
    SYSTEMTIME now;
    GetLocalTime(&now);
    return static_cast<float>(now.wHour * 3600.0 + now.wMinute * 60.0 + now.wSecond +
                              now.wMilliseconds / 1000.0);
}

}  // namespace globulon
