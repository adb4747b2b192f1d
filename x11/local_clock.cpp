// The local time of day; see local_clock.h.
#include "x11/local_clock.h"

#include <time.h>

namespace globulon::x11 {

float LocalClockSeconds() {
    timespec now = {};
    clock_gettime(CLOCK_REALTIME, &now);
    tm local = {};
    localtime_r(&now.tv_sec, &local);
    return static_cast<float>(local.tm_hour * 3600.0 + local.tm_min * 60.0 + local.tm_sec +
                              now.tv_nsec / 1e9);
}

}  // namespace globulon::x11
