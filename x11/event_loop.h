// The saver's loop: ten frames a second, sleeping on the X connection and on a stop signal in
// between, never spinning.
#pragma once

#include "x11/saver_state.h"

namespace globulon::x11 {

// Makes SIGTERM and SIGINT end RunFrames at once, and the whole program half a second later
// even when the X server does not answer; false when that cannot be set up.
bool CatchStopSignals();

// Draws frames and handles events until the window is closed or lost or a stop signal came.
void RunFrames(SaverState& state);

}  // namespace globulon::x11
