// The random generator's seed for this process: hosts start one process per monitor at the same
// moment, and each must draw its own colours.
#pragma once

#include <cstdint>

namespace globulon::x11 {

// The core's seed of the real-time clock now and this process's id.
std::uint32_t ProcessSeed();

}  // namespace globulon::x11
