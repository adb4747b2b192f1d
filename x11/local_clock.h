// The clock the sphere model reads, on Linux: the local time of day in seconds since midnight,
// as a 32-bit float.
#pragma once

namespace globulon::x11 {

float LocalClockSeconds();

}  // namespace globulon::x11
