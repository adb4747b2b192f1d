// The seed for one process; see process_seed.h.
#include "x11/process_seed.h"

#include <time.h>
#include <unistd.h>

namespace globulon::x11 {
namespace {

// SplitMix64's finaliser: every input bit reaches every output bit.
std::uint64_t Scramble(std::uint64_t value) {
    value = (value ^ (value >> 30)) * 0xBF58476D1CE4E5B9ULL;
    value = (value ^ (value >> 27)) * 0x94D049BB133111EBULL;
    return value ^ (value >> 31);
}

}  // namespace

std::uint32_t MixSeed(std::int64_t clockNanoseconds, std::int64_t processId) {
    const std::uint64_t mixed = Scramble(Scramble(static_cast<std::uint64_t>(clockNanoseconds)) ^
                                         static_cast<std::uint64_t>(processId));
    return static_cast<std::uint32_t>(mixed ^ (mixed >> 32));
}

std::uint32_t ProcessSeed() {
    timespec now = {};
    clock_gettime(CLOCK_REALTIME, &now);
    return MixSeed(static_cast<std::int64_t>(now.tv_sec) * 1000000000 + now.tv_nsec, getpid());
}

}  // namespace globulon::x11
