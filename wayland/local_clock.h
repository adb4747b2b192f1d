// The clock the sphere model reads, and the random seed of one run.
#pragma once

#include <cstdint>

namespace globulon::wayland {

// The local time of day in seconds since midnight, as a 32-bit float.
float LocalClockSeconds();

// A seed that differs between runs and between processes started at the same moment.
std::uint32_t ProcessSeed();

}  // namespace globulon::wayland
