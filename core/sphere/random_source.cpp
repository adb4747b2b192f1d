// The pseudo-random generator of the pen colours; see random_source.h.
#include "core/sphere/random_source.h"

namespace globulon {

float RandomSource::Uniform() {
    // 24 random bits make every float step of [0, 1) equally likely and never give 1.
    return static_cast<float>(generator_() >> 8) * (1.0f / 16777216.0f);
}

std::uint32_t SeedFromClockSeconds(double seconds) {
    const double millis = seconds * 1000.0;
    const bool usable = millis >= 0.0 && millis < 0x1p64;
    // The low 32 bits of the milliseconds, as the generator has always been seeded.
    return static_cast<std::uint32_t>(usable ? static_cast<std::uint64_t>(millis) : 0);
}

namespace {

// SplitMix64's finaliser: every input bit reaches every output bit.
std::uint64_t Scramble(std::uint64_t value) {
    value = (value ^ (value >> 30)) * 0xBF58476D1CE4E5B9ULL;
    value = (value ^ (value >> 27)) * 0x94D049BB133111EBULL;
    return value ^ (value >> 31);
}

}  // namespace

std::uint32_t SeedFromClockAndProcess(std::int64_t clockNanoseconds, std::int64_t processId) {
    const std::uint64_t mixed = Scramble(Scramble(static_cast<std::uint64_t>(clockNanoseconds)) ^
                                         static_cast<std::uint64_t>(processId));
    return static_cast<std::uint32_t>(mixed ^ (mixed >> 32));
}

}  // namespace globulon
