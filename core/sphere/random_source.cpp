// The pseudo-random generator of the pen colours; see random_source.h.
#include "core/sphere/random_source.h"

#include <cstdint>

namespace globulon {

void RandomSource::Reseed(double seed) {
    // The clock's fraction matters too: two starts within one second get different colours.
    // A seed no clock gives (negative, not a number, beyond 64 bits of milliseconds) reads as 0.
    const double millis = seed * 1000.0;
    const bool usable = millis >= 0.0 && millis < 0x1p64;
    generator_.seed(static_cast<std::uint32_t>(usable ? static_cast<std::uint64_t>(millis) : 0));
}

float RandomSource::Uniform() {
    // 24 random bits make every float step of [0, 1) equally likely and never give 1.
    return static_cast<float>(generator_() >> 8) * (1.0f / 16777216.0f);
}

}  // namespace globulon
