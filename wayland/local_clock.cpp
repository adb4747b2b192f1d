// The clock and the seed; see local_clock.h.
#include "wayland/local_clock.h"

#include <time.h>
#include <unistd.h>

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
    // SplitMix64's finaliser over the nanoseconds and the process id: every bit reaches the seed.
    std::uint64_t value = static_cast<std::uint64_t>(now.tv_sec) * 1000000000u +
                          static_cast<std::uint64_t>(now.tv_nsec);
    value ^= static_cast<std::uint64_t>(getpid()) << 40;
    value = (value ^ (value >> 30)) * 0xBF58476D1CE4E5B9ULL;
    value = (value ^ (value >> 27)) * 0x94D049BB133111EBULL;
    value ^= value >> 31;
    return static_cast<std::uint32_t>(value ^ (value >> 32));
}

}  // namespace globulon::wayland
