// Waiting between frames while the program's windows keep receiving their messages.
#pragma once

namespace globulon {

// Returns after at least seconds, dispatching every window message as it arrives; pumps at least
// once, also for 0 seconds.
void WaitSeconds(float seconds);

}  // namespace globulon
