// The seed for one process; see process_seed.h.
#include "x11/process_seed.h"

#include <time.h>
#include <unistd.h>

#include "core/sphere/random_source.h"

namespace globulon::x11 {

std::uint32_t ProcessSeed() {
    timespec now = {};
    clock_gettime(CLOCK_REALTIME, &now);
    return SeedFromClockAndProcess(static_cast<std::int64_t>(now.tv_sec) * 1000000000 + now.tv_nsec,
                                   getpid());
}

}  // namespace globulon::x11
