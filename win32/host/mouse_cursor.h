// Hiding and showing the mouse cursor, whatever the system's display counter was.
#pragma once

namespace globulon {

// Calls ShowCursor(FALSE) until the counter is negative (at least once).
void HideMouseCursor();
// Calls ShowCursor(TRUE) until the counter is 0 or more (at least once).
void ShowMouseCursor();

}  // namespace globulon
