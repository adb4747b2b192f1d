// Conversions from floating point to integers: to the nearest, halves to even, either failing
// (no value) when the result does not fit, so that the caller can skip its step, or saturating.
#pragma once

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>

namespace globulon {

// Nearest integer, halves to even, still as a double (no range check).
inline double RoundHalfEven(double value) {
    const double floor = std::floor(value);
    const double diff = value - floor;
    if (diff > 0.5) return floor + 1.0;
    if (diff < 0.5) return floor;
    return std::fmod(floor, 2.0) == 0.0 ? floor : floor + 1.0;
}

// Rounds half to even into Int; no value when the result lies outside Int's range or is NaN.
template <typename Int>
std::optional<Int> RoundToInteger(double value) {
    if (std::isnan(value)) return std::nullopt;
    const double rounded = RoundHalfEven(value);
    // The bound above is max + 1, which a double holds exactly also where max itself would
    // round up to it (64-bit integers).
    if (rounded < static_cast<double>(std::numeric_limits<Int>::min()) ||
        rounded >= static_cast<double>(std::numeric_limits<Int>::max()) + 1.0) {
        return std::nullopt;
    }
    return static_cast<Int>(rounded);
}

// Rounds half to even for geometry and sizes. A value beyond the 32-bit range (only from a
// nonsensical size) stops at its end, and NaN gives 0, so that no conversion overflows.
inline std::int32_t Rnd(double value) {
    if (std::isnan(value)) return 0;
    constexpr double min = std::numeric_limits<std::int32_t>::min();
    constexpr double max = std::numeric_limits<std::int32_t>::max();
    return static_cast<std::int32_t>(RoundHalfEven(std::clamp(value, min, max)));
}

}  // namespace globulon
