// The time of day the animation reads: seconds since local midnight, as a 32-bit float.
#pragma once

namespace globulon {

float ClockSeconds();

}  // namespace globulon
