// Waiting between frames while the program's windows keep receiving their messages.
#pragma once

namespace globulon {

// Returns after at least seconds, dispatching every window message as it arrives; what is queued
// already is dispatched also for 0 seconds. A WM_QUIT taken meanwhile (the session ends, another
// program asks) sets quitRequested, the running loop's end flag. Returns early, right after the
// pump, once quitRequested is set (by WM_QUIT or by a handler the pump ran): the saver ends at a
// key at once.
void WaitSeconds(float seconds, bool& quitRequested);

}  // namespace globulon
