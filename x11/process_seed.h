// The random generator's seed for one process: hosts start one process per monitor at the same
// moment, and each must draw its own colours. Window-free.
#pragma once

#include <cstdint>

namespace globulon::x11 {

// A seed mixed from a clock reading in nanoseconds and a process id: processes that differ in
// either, by even one nanosecond or one id, get unrelated seeds.
std::uint32_t MixSeed(std::int64_t clockNanoseconds, std::int64_t processId);

// MixSeed of the real-time clock now and this process's id.
std::uint32_t ProcessSeed();

}  // namespace globulon::x11
