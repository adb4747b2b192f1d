// Dispatching the thread's window messages: the one way input reaches the program's handlers.
#pragma once

namespace globulon {

// Dispatches every message waiting for this thread, then returns. Forms with controls get the
// dialog keys (Tab, access keys, Enter, Escape). False when a WM_QUIT was taken from the queue:
// the system or another program asked this one to end.
bool PumpMessages();

// Blocks until a new message arrives for this thread, then returns without dispatching it.
void WaitForMessage();

}  // namespace globulon
