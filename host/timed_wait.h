// Waiting between frames while the program's windows keep receiving their messages.
#pragma once

namespace globulon {

// Returns after at least seconds, dispatching every window message as it arrives; pumps at least
// once, also for 0 seconds. A WM_QUIT taken meanwhile (the session ends, another program asks)
// sets quitRequested, the running loop's end flag.
void WaitSeconds(float seconds, bool& quitRequested);

}  // namespace globulon
