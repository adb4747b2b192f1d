// The saver's loop: ten frames a second while an output shows them, sleeping on the compositor's
// connection and on a stop signal in between, never spinning.
#pragma once

#include "wayland/saver_run.h"

namespace globulon::wayland {

// A descriptor that becomes readable on SIGTERM or SIGINT, which are blocked from then on (so
// they reach nothing else); -1 when that cannot be set up.
int CatchStopSignals();

// Draws frames and handles events until the saver must end, a stop signal came or the
// connection ended.
void RunFrames(SaverRun& run, int stopSignals);

}  // namespace globulon::wayland
