// The clock and the seed; see local_clock.h.
#include "wayland/local_clock.h"

#include <time.h>
#include <unistd.h>

#include "core/sphere/random_source.h"

namespace globulon::wayland {

float LocalClockSeconds() {
    timespec now = {};
    clock_gettime(CLOCK_REALTIME, &now);
    tm local = {};
    localtime_r(&now.tv_sec, &local);
    return static_cast<float>(local.tm_hour * 3600.0 + local.tm_min * 60.0 + local.tm_sec +
                              now.tv_nsec / 1e9);
}

std::uint32_t ProcessSeed() {
    timespec now = {};
    clock_gettime(CLOCK_REALTIME, &now);
    return SeedFromClockAndProcess(static_cast<std::int64_t>(now.tv_sec) * 1000000000 + now.tv_nsec,
                                   getpid());
}

}  // namespace globulon::wayland
